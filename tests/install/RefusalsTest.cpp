// The spooler refuses, made to by the state of the machine: the ERROR box with
// the system's own text, and what stays behind.

#include "ErrorBox.h"
#include "ImportSpy.h"
#include "InstallFixture.h"
#include "PayloadCatalogue.h"
#include "SystemVersion.h"

namespace installtest {
namespace {

std::string SystemText(DWORD code)
{
    LPSTR text = SystemErrorText(code);
    std::string s = text ? text : "";
    LocalFree(text);
    return s;
}

void ExpectErrorBox(const std::vector<wintest::MessageBoxSeen>& boxes, DWORD code)
{
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("ERROR", boxes[0].caption);
    EXPECT_EQ(SystemText(code), boxes[0].text);
    EXPECT_FALSE(boxes[0].text.empty());
    EXPECT_EQ(NULL, boxes[0].hOwner);
    EXPECT_EQ(LoadIconA(NULL, IDI_ASTERISK), boxes[0].hIcon);
}

TEST_F(InstallTest, RefusedRegistrationShowsTheSystemTextAndEndsTheRun)
{
    // Below a volatile key the spooler cannot store the driver (error 1021).
    ASSERT_TRUE(wintest::MakeKeyVolatile(HKEY_LOCAL_MACHINE, DriversKey().c_str()));
    Install(1);
    ExpectErrorBox(Boxes(), ERROR_CHILD_MUST_BE_VOLATILE);
    EXPECT_FALSE(wintest::FindDriver(SPOOLER_ENVIRONMENT, "QX710", nullptr));
    EXPECT_TRUE(wintest::PrinterNames().empty());
    EXPECT_EQ(4u, wintest::RegValues(HKEY_LOCAL_MACHINE, UNINSTALL_KEY).size()) << "the entry stays";
    EXPECT_TRUE(wintest::FileExists(DriverDir() + "\\CONVELT.GPD")) << "copied files stay";
    EXPECT_TRUE(wintest::FileExists("C:\\TEMP\\CONVELT.GPD")) << "staged files stay";
    EXPECT_FALSE(QuitPosted());
    wintest::RestoreKey(HKEY_LOCAL_MACHINE, DriversKey().c_str());
}

// The error that the spooler gave for the printer, as the installation saw it.
DWORD g_addPrinterError = 0;
ImportSpy* g_pAddPrinterSpy = nullptr;

HANDLE WINAPI RecordAddPrinter(LPSTR pName, DWORD level, LPBYTE pPrinter)
{
    auto real = reinterpret_cast<HANDLE(WINAPI*)(LPSTR, DWORD, LPBYTE)>(g_pAddPrinterSpy->Original());
    HANDLE h = real(pName, level, pPrinter);
    g_addPrinterError = h ? 0 : GetLastError();
    SetLastError(g_addPrinterError);
    return h;
}

TEST_F(InstallTest, RefusedPrinterShowsTheSystemTextAndEndsTheRun)
{
    ASSERT_TRUE(wintest::PrinterNames().empty());
    ASSERT_TRUE(wintest::MakeKeyVolatile(HKEY_LOCAL_MACHINE, PRINTERS_KEY));
    ImportSpy spy("winspool.drv", "AddPrinterA", reinterpret_cast<void*>(RecordAddPrinter));
    ASSERT_TRUE(spy.Installed());
    g_pAddPrinterSpy = &spy;
    Install(1);
    ASSERT_NE(0u, g_addPrinterError);
    ExpectErrorBox(Boxes(), g_addPrinterError);
    EXPECT_TRUE(wintest::FindDriver(SPOOLER_ENVIRONMENT, "QX710", nullptr)) << "the registration stays";
    EXPECT_TRUE(wintest::PrinterNames().empty());
    EXPECT_FALSE(QuitPosted());
    wintest::RestoreKey(HKEY_LOCAL_MACHINE, PRINTERS_KEY);
}

TEST_F(InstallTest, DefaultPrinterThatCannotBeSetEndsTheRunSilently)
{
    // The per-user list of printers, which the default printer must be found in, cannot be read.
    HKEY hDevices;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Devices", &hDevices));
    RegCloseKey(hDevices);
    wintest::KeyLockout lockout(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Devices");
    ASSERT_TRUE(lockout.Locked());
    Install(1);
    EXPECT_EQ(std::vector<std::string>{"QX710"}, wintest::PrinterNames()) << "the new printer stays";
    EXPECT_NE("QX710", wintest::DefaultPrinter());
    EXPECT_TRUE(Boxes().empty());
    EXPECT_FALSE(QuitPosted());
}

TEST_F(InstallTest, ClearingOldFilesSparesTheSpoolersOwnCopies)
{
    // Copies of an earlier run in the spooler's "3" folder; this run's registration
    // fails, so the spooler copies nothing over them.
    const std::string v3 = DriverDir() + "\\3\\";
    const char* all[] = {"STDNAMES.GPD", "CONVELT.GPD", "DRVVELT.INI", "VELTD.dll",  "VELTF.dll", "ZIKUVELT.UFM",
                         "RESVELT.DLL",  "UNIDRV.DLL",  "UNIDRV.HLP",  "UNIDRVUI.DLL", "UNIRES.DLL"};
    for (const char* name : all) wintest::WriteFileBytes(v3 + name, "earlier run");
    ASSERT_TRUE(wintest::MakeKeyVolatile(HKEY_LOCAL_MACHINE, DriversKey().c_str()));
    Install(1);
    wintest::RestoreKey(HKEY_LOCAL_MACHINE, DriversKey().c_str());

    for (const char* name : {"CONVELT.GPD", "DRVVELT.INI", "VELTD.dll", "VELTF.dll", "RESVELT.DLL"})
        EXPECT_FALSE(wintest::FileExists(v3 + name)) << name;
    for (const char* name : {"STDNAMES.GPD", "ZIKUVELT.UFM", "UNIDRV.DLL", "UNIDRV.HLP", "UNIDRVUI.DLL", "UNIRES.DLL"})
        EXPECT_EQ("earlier run", wintest::ReadFileBytes(v3 + name)) << name;
}

TEST_F(InstallTest, SecondRunReplacesTheFilesOfTheFirst)
{
    Install(1);
    // The next run chooses no language: no plug-in, no resource library of its own.
    wintest::WriteFileBytes(DriverDir() + "\\CONVELT.GPD", "stale");
    Install(-1);
    for (const std::string& folder : {std::string("C:\\TEMP\\"), DriverDir() + "\\", DriverDir() + "\\3\\"})
        for (const char* name : {"VELTF.dll", "RESVELT.DLL"})
            EXPECT_FALSE(wintest::FileExists(folder + name)) << folder << name;
    EXPECT_EQ(wintest::ReadFileBytes("C:\\TEMP\\CONVELT.GPD"), wintest::ReadFileBytes(DriverDir() + "\\CONVELT.GPD"));
}

class RegisterUninstallTest : public InstallTest {
protected:
    // The five maker files and two others, in the three folders.
    void PlaceFiles()
    {
        for (const std::string& folder : Folders())
            for (const char* name : Names()) wintest::WriteFileBytes(folder + name, "x");
    }
    static std::vector<std::string> Folders() { return {DriverDir() + "\\", DriverDir() + "\\3\\", "C:\\TEMP\\"}; }
    static std::vector<const char*> Names()
    {
        return {"CONVELT.GPD", "DRVVELT.INI", "RESVELT.DLL", "VELTD.dll", "VELTF.dll", "ZIKUVELT.UFM", "UNIDRV.DLL"};
    }
    static bool IsMakerFile(const char* name) { return std::string(name) != "ZIKUVELT.UFM" && std::string(name) != "UNIDRV.DLL"; }
};

TEST_F(RegisterUninstallTest, WithoutPrintersOfTheModelTheMakerFilesGo)
{
    CreateDirectoryA("C:\\TEMP", NULL);
    PlaceFiles();
    theApp.RegisterUninstall();
    for (const std::string& folder : Folders())
        for (const char* name : Names())
            EXPECT_EQ(!IsMakerFile(name), wintest::FileExists(folder + name)) << folder << name;
    EXPECT_EQ(4u, wintest::RegValues(HKEY_LOCAL_MACHINE, UNINSTALL_KEY).size());
}

TEST_F(RegisterUninstallTest, WithAPrinterOfTheModelNothingIsDeleted)
{
    Install(1);
    ASSERT_TRUE(wintest::AddTestPrinter("Office QX710", "QX710"));
    HANDLE h = NULL;
    PRINTER_DEFAULTSA access = {NULL, NULL, PRINTER_ALL_ACCESS};
    ASSERT_TRUE(OpenPrinterA(const_cast<LPSTR>("QX710"), &h, &access));
    DeletePrinter(h);
    ClosePrinter(h);
    PlaceFiles();
    theApp.RegisterUninstall();
    for (const std::string& folder : Folders())
        for (const char* name : Names()) EXPECT_TRUE(wintest::FileExists(folder + name)) << folder << name;
}

// C:\TEMP on a file system that fills up (tests/scenarios/with_small_disk.sh).
TEST_F(InstallTest, FullDiskStopsBeforeRegistrationWithoutPartialFiles)
{
    char flag[8] = {};
    if (!GetEnvironmentVariableA("QX710_SMALL_TEMP", flag, sizeof(flag))) GTEST_SKIP() << "QX710_SMALL_TEMP not set";
    Install(1);
    ExpectErrorBox(Boxes(), ERROR_DISK_FULL);
    // Every file in the staging folder is complete; the one that did not fit is gone.
    const std::vector<std::string> staged = wintest::FilesIn("C:\\TEMP");
    EXPECT_FALSE(staged.empty());
    EXPECT_FALSE(wintest::FileExists("C:\\TEMP\\UNIDRV.DLL"));
    std::map<std::string, UINT> resourceOf = {{UNINSTALLER_FILE, 255}};
    const PayloadSelection payload = SelectPayload(g_osVersion, SystemLanguage(), 1);
    for (int i = 0; i < payload.count; ++i) resourceOf[payload.files[i].pszName] = payload.files[i].nResource;
    for (const std::string& name : staged) {
        ASSERT_TRUE(resourceOf.count(name)) << name;
        EXPECT_EQ(ResourceBytes(resourceOf[name]), wintest::ReadFileBytes("C:\\TEMP\\" + name)) << name;
    }
    EXPECT_FALSE(wintest::FindDriver(SPOOLER_ENVIRONMENT, "QX710", nullptr));
    EXPECT_TRUE(wintest::PrinterNames().empty());
    EXPECT_FALSE(QuitPosted());
}

} // namespace
} // namespace installtest
