#include "InstallFixture.h"

namespace installtest {

std::string DriversKey()
{
    return std::string("System\\CurrentControlSet\\Control\\Print\\Environments\\") + SPOOLER_ENVIRONMENT +
           "\\Drivers\\Version-3";
}

std::string DriverDir()
{
    return wintest::DriverDirectory(SPOOLER_ENVIRONMENT);
}

std::string ResourceBytes(UINT id)
{
    HRSRC h = FindResourceA(NULL, MAKEINTRESOURCEA(id), "OWNER_DATA");
    if (!h) return std::string();
    return std::string(static_cast<const char*>(LockResource(LoadResource(NULL, h))), SizeofResource(NULL, h));
}

LANGID SystemLanguage()
{
    return GetSystemDefaultLangID();
}

void InstallTest::SetUp()
{
    wintest::ResetMachine(SPOOLER_ENVIRONMENT, PRINTER_TOKEN);
    theApp.m_pszAppName = "install_tests";
    HWND hMain = CreateWindowA("STATIC", "main", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    m_main.Attach(hMain);
    theApp.m_pMainWnd = &m_main;
    TakeQuit();
    m_boxes.Clear();
}

void InstallTest::TearDown()
{
    theApp.m_pMainWnd = nullptr;
    HWND hMain = m_main.Detach();
    DestroyWindow(hMain);
    TakeQuit();
    wintest::ResetMachine(SPOOLER_ENVIRONMENT, PRINTER_TOKEN);
}

void InstallTest::Install(short language)
{
    SetupChoices.language = language;
    theApp.Install();
    m_quitPosted = TakeQuit();
}

bool InstallTest::TakeQuit()
{
    MSG msg;
    bool quit = false;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        if (msg.message == WM_QUIT) quit = true;
    return quit;
}

} // namespace installtest
