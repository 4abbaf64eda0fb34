// A first installation on a clean machine, in each message language.

#include "InstallFixture.h"
#include "InstallerTexts.h"

namespace installtest {
namespace {

const char* const MAKER_FILES_AND_STDNAMES[] = {"CONVELT.GPD", "STDNAMES.GPD", "ZIKUVELT.UFM", "DRVVELT.INI",
                                                "RESVELT.DLL", "VELTD.dll",    "VELTF.dll"};
const char* const CORE_FILES[] = {"UNIDRV.DLL", "UNIDRVUI.DLL", "UNIDRV.HLP", "UNIRES.DLL"};

// Microsoft's core files go with Chinese and English systems only.
bool CoreFilesExpected()
{
    const BYTE primary = LOBYTE(SystemLanguage());
    return primary == LANG_CHINESE || primary == LANG_ENGLISH;
}


std::string Upper(std::string s)
{
    CharUpperBuffA(&s[0], static_cast<DWORD>(s.size()));
    return s;
}

// The file name of a path.
std::string NameOf(const std::string& path)
{
    return path.substr(path.rfind('\\') + 1);
}

class FirstInstall : public InstallTest, public ::testing::WithParamInterface<short> {};

TEST_P(FirstInstall, StagesCopiesRegistersCreatesAndTellsTheUser)
{
    const short language = GetParam();
    Install(language);

    // Staged and copied files: the resources' bytes, in C:\TEMP and the driver directory,
    // and the spooler's own copies in its "3" folder.
    const std::string dir = DriverDir();
    for (const char* name : MAKER_FILES_AND_STDNAMES) {
        const std::string staged = wintest::ReadFileBytes(std::string("C:\\TEMP\\") + name);
        EXPECT_FALSE(staged.empty()) << name;
        EXPECT_EQ(staged, wintest::ReadFileBytes(dir + "\\" + name)) << name;
        EXPECT_TRUE(wintest::FileExists(dir + "\\3\\" + name)) << "the spooler's copy of " << name;
    }
    for (const char* name : CORE_FILES) {
        const bool expected = CoreFilesExpected();
        EXPECT_EQ(expected, wintest::FileExists(std::string("C:\\TEMP\\") + name)) << name;
        EXPECT_EQ(expected, wintest::FileExists(dir + "\\" + name)) << name;
        EXPECT_EQ(expected, wintest::FileExists(dir + "\\3\\" + name)) << name;
        if (expected) {
            EXPECT_EQ(wintest::ReadFileBytes(std::string("C:\\TEMP\\") + name),
                      wintest::ReadFileBytes(dir + "\\" + name));
        }
    }
    ASSERT_FALSE(ResourceBytes(255).empty()) << "the uninstaller travels as resource 255";
    EXPECT_EQ(ResourceBytes(255), wintest::ReadFileBytes(std::string("C:\\TEMP\\") + UNINSTALLER_FILE));
    EXPECT_EQ(ResourceBytes(255), wintest::ReadFileBytes(dir + "\\" + UNINSTALLER_FILE));

    // The registration, with the same paths whether or not the core files were copied.
    wintest::DriverState driver;
    ASSERT_TRUE(wintest::FindDriver(SPOOLER_ENVIRONMENT, "QX710", &driver));
    EXPECT_EQ(3u, driver.version);
    EXPECT_EQ("UNIDRV.DLL", Upper(NameOf(driver.driverPath)));
    EXPECT_EQ("CONVELT.GPD", Upper(NameOf(driver.dataFile)));
    EXPECT_EQ("UNIDRVUI.DLL", Upper(NameOf(driver.configFile)));
    EXPECT_EQ("UNIDRV.HLP", Upper(NameOf(driver.helpFile)));
    std::string dependents;
    for (const std::string& path : driver.dependentFiles) dependents += Upper(NameOf(path)) + " ";
    EXPECT_EQ("UNIRES.DLL STDNAMES.GPD ZIKUVELT.UFM DRVVELT.INI RESVELT.DLL VELTD.DLL VELTF.DLL ", dependents);

    // The printer, the default printer.
    const std::vector<wintest::PrinterState> printers = wintest::Printers();
    ASSERT_EQ(1u, printers.size());
    EXPECT_EQ("QX710", printers[0].name);
    EXPECT_EQ("LPT1:", printers[0].port);
    EXPECT_EQ("QX710", printers[0].driver);
    EXPECT_EQ("WinPrint", printers[0].printProcessor);
    EXPECT_EQ("RAW", printers[0].datatype);
    EXPECT_EQ("QX710", wintest::DefaultPrinter());

    // The completion message, then the quit message for the main window.
    const std::vector<wintest::MessageBoxSeen> boxes = Boxes();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(expected::CompletionMessage(language, SystemLanguage()), boxes[0].text);
    EXPECT_EQ("install_tests", boxes[0].caption);
    EXPECT_EQ(m_main.m_hWnd, boxes[0].hOwner);
    EXPECT_EQ(LoadIconA(NULL, IDI_EXCLAMATION), boxes[0].hIcon);
    EXPECT_TRUE(QuitPosted());
}

INSTANTIATE_TEST_SUITE_P(Languages, FirstInstall, ::testing::Values(short(0), short(1)));

TEST_F(InstallTest, UninstallEntryHasExactlyItsFourValues)
{
    Install(1);
    const std::string command = DriverDir() + "\\" + UNINSTALLER_FILE;
    const std::map<std::string, wintest::RegValue> expected = {
        {"DisplayName", {REG_SZ, std::string("QX710 printer driver uninstall") + '\0'}},
        {"UninstallString", {REG_SZ, command + '\0'}},
        {"DisplayIcon", {REG_SZ, command + ",-0" + '\0'}},
        {"Publisher", {REG_SZ, std::string("QX710 printer") + '\0'}},
    };
    const auto values = wintest::RegValues(HKEY_LOCAL_MACHINE, UNINSTALL_KEY);
    ASSERT_EQ(expected.size(), values.size());
    for (const auto& entry : expected) {
        ASSERT_TRUE(values.count(entry.first)) << entry.first;
        EXPECT_EQ(entry.second.type, values.at(entry.first).type) << entry.first;
        EXPECT_EQ(entry.second.bytes, values.at(entry.first).bytes) << entry.first;
    }
    // A second run writes the same entry again.
    Install(1);
    EXPECT_EQ(4u, wintest::RegValues(HKEY_LOCAL_MACHINE, UNINSTALL_KEY).size());
    EXPECT_EQ(expected.at("UninstallString").bytes,
              wintest::RegValues(HKEY_LOCAL_MACHINE, UNINSTALL_KEY).at("UninstallString").bytes);
}

} // namespace
} // namespace installtest
