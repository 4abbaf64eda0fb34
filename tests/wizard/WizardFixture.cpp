#include "WizardFixture.h"

namespace wizardtest {

LANGID SystemLanguage()
{
    return GetSystemDefaultLangID();
}

bool EnglishSystem()
{
    return LOBYTE(SystemLanguage()) == LANG_ENGLISH;
}

bool ChineseSystem()
{
    return LOBYTE(SystemLanguage()) == LANG_CHINESE;
}

std::string ActiveSetFile()
{
    if (EnglishSystem()) return "Multi_eng.dll";
    if (ChineseSystem()) return SystemLanguage() == 0x0804 ? "Multi_ch.dll" : "Multi_ch_BIG5.dll";
    return "";
}

std::string SetValue(const std::string& setFile, const std::string& key)
{
    char value[1000] = {};
    const std::string path = wintest::BuildPath("resources/" + setFile);
    GetPrivateProfileStringA("String", key.c_str(), "", value, sizeof(value), path.c_str());
    return value;
}

std::wstring WideText(HWND hWnd)
{
    wchar_t buffer[1024] = {};
    SendMessageTimeoutW(hWnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 5000, NULL);
    return buffer;
}

void WizardTest::SetUp()
{
    m_driversKey = std::string("System\\CurrentControlSet\\Control\\Print\\Environments\\") + SPOOLER_ENVIRONMENT +
                   "\\Drivers\\Version-3";
    wintest::ResetMachine(SPOOLER_ENVIRONMENT, PRINTER_TOKEN);
    SetSetupVersion("");
    PrepareAppFolder(true);
}

void WizardTest::TearDown()
{
    RestoreRegistration();
    SetSetupVersion("");
    wintest::ResetMachine(SPOOLER_ENVIRONMENT, PRINTER_TOKEN);
}

void WizardTest::RunOnceAndCancel()
{
    Wizard wizard;
    ASSERT_TRUE(wizard.Started());
    ASSERT_TRUE(wizard.Click(CANCEL));
    ASSERT_EQ(0, wizard.WaitForExit());
}

void WizardTest::WalkToProgressPage(Wizard& wizard)
{
    ASSERT_TRUE(wizard.Click(NEXT));
    ASSERT_TRUE(wizard.Click(NEXT));
    wizard.SelectListEntry(PRINTER, 1006, 0);
    ASSERT_TRUE(wizard.Click(NEXT));
    ASSERT_EQ(PROGRESS, wizard.CurrentPage());
}

void WizardTest::RefuseRegistration()
{
    ASSERT_TRUE(wintest::MakeKeyVolatile(HKEY_LOCAL_MACHINE, m_driversKey.c_str()));
    m_refusing = true;
}

void WizardTest::RestoreRegistration()
{
    if (m_refusing) wintest::RestoreKey(HKEY_LOCAL_MACHINE, m_driversKey.c_str());
    m_refusing = false;
}

bool WizardTest::Installed() const
{
    for (const std::string& name : wintest::PrinterNames())
        if (name == "QX710") return true;
    return false;
}

} // namespace wizardtest
