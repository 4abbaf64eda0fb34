// One installation under whatever Windows version Wine reports to this
// program (ctest starts it under each version; see CMakeLists.txt): the
// registration call and driver version, the payload, and the way the
// default printer is set all follow the detected system.

#include "DefaultPrinter.h"
#include "ImportSpy.h"
#include "InstallFixture.h"
#include "SystemVersion.h"

namespace installtest {
namespace {

struct Registration {
    int calls = 0;
    bool ex = false;
    DWORD flags = 0;
    DWORD level = 0;
    DWORD cVersion = 0;
};
Registration g_registration;
ImportSpy* g_pPlainSpy = nullptr;
ImportSpy* g_pExSpy = nullptr;

void Record(bool ex, DWORD level, LPBYTE pInfo, DWORD flags)
{
    ++g_registration.calls;
    g_registration.ex = ex;
    g_registration.level = level;
    g_registration.flags = flags;
    g_registration.cVersion = reinterpret_cast<DRIVER_INFO_3A*>(pInfo)->cVersion;
}

BOOL WINAPI SpyAddPrinterDriverA(LPSTR pName, DWORD level, LPBYTE pInfo)
{
    Record(false, level, pInfo, 0);
    return reinterpret_cast<BOOL(WINAPI*)(LPSTR, DWORD, LPBYTE)>(g_pPlainSpy->Original())(pName, level, pInfo);
}

BOOL WINAPI SpyAddPrinterDriverExA(LPSTR pName, DWORD level, LPBYTE pInfo, DWORD flags)
{
    Record(true, level, pInfo, flags);
    return reinterpret_cast<BOOL(WINAPI*)(LPSTR, DWORD, LPBYTE, DWORD)>(g_pExSpy->Original())(pName, level, pInfo,
                                                                                            flags);
}

enum class DefaultBy { SpoolerCall, ProfileEntry, PrinterAttribute };

struct SystemExpectation {
    int os;
    const char* name;
    bool ex;
    DWORD cVersion;
    bool payload;
    DefaultBy defaultBy;
};

// Wine ties a process that pretends to be Windows 95, 98 or Me to the 9x
// spooler environment, where the printer for a driver of this environment is
// refused; the default printer is then set on a printer another process adds.
const SystemExpectation EXPECTATIONS[] = {
    {SV_WIN95, "Windows 95", false, 3, false, DefaultBy::PrinterAttribute},
    {SV_WIN98, "Windows 98", false, 0, false, DefaultBy::PrinterAttribute},
    {SV_WINME, "Windows Me", false, 3, false, DefaultBy::PrinterAttribute},
    {SV_NT_OTHER, "Windows 8 and later", false, 1, false, DefaultBy::SpoolerCall},
    {SV_NT4, "Windows NT 4.0", false, 2, false, DefaultBy::ProfileEntry},
    {SV_WIN2000, "Windows 2000", true, 3, true, DefaultBy::SpoolerCall},
    {SV_WINXP, "Windows XP", true, 3, true, DefaultBy::SpoolerCall},
    {SV_WIN2003, "Windows Server 2003", false, 3, true, DefaultBy::SpoolerCall},
    {SV_VISTA, "Windows Vista", false, 3, true, DefaultBy::SpoolerCall},
    {SV_WIN7, "Windows 7", false, 3, true, DefaultBy::SpoolerCall},
};

TEST_F(InstallTest, FollowsTheDetectedSystem)
{
    const SystemExpectation* pExpect = nullptr;
    for (const SystemExpectation& e : EXPECTATIONS)
        if (e.os == g_osVersion) pExpect = &e;
    ASSERT_NE(nullptr, pExpect) << "system code " << g_osVersion;
    SCOPED_TRACE(pExpect->name);

    ImportSpy plain("winspool.drv", "AddPrinterDriverA", reinterpret_cast<void*>(SpyAddPrinterDriverA));
    ImportSpy ex("winspool.drv", "AddPrinterDriverExA", reinterpret_cast<void*>(SpyAddPrinterDriverExA));
    ASSERT_TRUE(plain.Installed() && ex.Installed());
    g_pPlainSpy = &plain;
    g_pExSpy = &ex;
    g_registration = Registration();
    Install(1);

    EXPECT_EQ(1, g_registration.calls);
    EXPECT_EQ(pExpect->ex, g_registration.ex);
    EXPECT_EQ(pExpect->ex ? DWORD(APD_COPY_NEW_FILES) : 0u, g_registration.flags);
    EXPECT_EQ(3u, g_registration.level);
    EXPECT_EQ(pExpect->cVersion, g_registration.cVersion);

    // The uninstaller always; the payload only for systems with a payload set.
    const std::vector<std::string> staged = wintest::FilesIn("C:\\TEMP");
    EXPECT_TRUE(std::find(staged.begin(), staged.end(), UNINSTALLER_FILE) != staged.end());
    const size_t payloadFiles = LOBYTE(SystemLanguage()) == LANG_CHINESE || LOBYTE(SystemLanguage()) == LANG_ENGLISH ? 11 : 7;
    EXPECT_EQ(pExpect->payload ? payloadFiles + 1 : 1u, staged.size());
    EXPECT_EQ(pExpect->payload, wintest::FileExists(DriverDir() + "\\CONVELT.GPD"));

    if (pExpect->defaultBy == DefaultBy::PrinterAttribute) {
        // The 9x environment refuses the printer: the spooler's own error text.
        ASSERT_EQ(1u, Boxes().size());
        EXPECT_EQ("ERROR", Boxes()[0].caption);
        EXPECT_TRUE(wintest::PrinterNames().empty());
        EXPECT_FALSE(QuitPosted());
        // The printer attribute marks the default.
        ASSERT_EQ(0u, wintest::RunAndWait(wintest::BuildPath("tests/support/add_printer.exe") + " QX710 QX710"));
        EXPECT_EQ(1, MakeDefaultPrinter("QX710"));
        EXPECT_NE(0u, wintest::Printers()[0].attributes & PRINTER_ATTRIBUTE_DEFAULT);
        return;
    }

    // The printer exists and was made the default in the system's own way.
    ASSERT_EQ(std::vector<std::string>{"QX710"}, wintest::PrinterNames());
    char device[MAX_PATH] = {};
    GetProfileStringA("windows", "device", "", device, MAX_PATH);
    switch (pExpect->defaultBy) {
    case DefaultBy::SpoolerCall:
        EXPECT_EQ("QX710", wintest::DefaultPrinter());
        break;
    case DefaultBy::ProfileEntry:
        EXPECT_STREQ("QX710,QX710,LPT1:", device);
        EXPECT_EQ("QX710", wintest::DefaultPrinter());
        break;
    case DefaultBy::PrinterAttribute:
        break;
    }
    ASSERT_EQ(1u, Boxes().size());
    EXPECT_EQ("The Printer Driver has been installed successfully!", Boxes()[0].text);
    EXPECT_TRUE(QuitPosted());
}

} // namespace
} // namespace installtest
