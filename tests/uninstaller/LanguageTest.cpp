// The uninstaller's texts on the system languages it knows and on others.
// ctest runs this program once per LC_ALL value; the uninstaller, started
// from here, gets the same system language. Texts read from its windows come
// in this system's ANSI code page, so they are compared with GBK and Big5 bytes.

#include "Machine.h"

#include "Product.h"
#include "Spooler.h"
#include "WinTest.h"

#include <gtest/gtest.h>

using namespace uninst;

namespace {

struct Texts {
    const char* title;       // caption and button 1001
    const char* cancel;      // button 1002
    const char* removed;     // completion message
    const char* incomplete;  // completion message with something left, before the list
};

const Texts kEnglish = {
    "Uninstall Printer Driver",
    "Cancel",
    "The printer driver has been removed successfully.",
    "The printer driver was not removed completely; these items are still present: ",
};

// 卸载打印驱动程序 / 取消 / 打印驱动程序已成功卸载。 / 打印驱动程序未能完全卸载，以下项目仍然存在：
const Texts kSimplified = {
    "\xD0\xB6\xD4\xD8\xB4\xF2\xD3\xA1\xC7\xFD\xB6\xAF\xB3\xCC\xD0\xF2",
    "\xC8\xA1\xCF\xFB",
    "\xB4\xF2\xD3\xA1\xC7\xFD\xB6\xAF\xB3\xCC\xD0\xF2\xD2\xD1\xB3\xC9\xB9\xA6\xD0\xB6\xD4\xD8\xA1\xA3",
    "\xB4\xF2\xD3\xA1\xC7\xFD\xB6\xAF\xB3\xCC\xD0\xF2\xCE\xB4\xC4\xDC\xCD\xEA\xC8\xAB\xD0\xB6\xD4\xD8\xA3\xAC\xD2"
    "\xD4\xCF\xC2\xCF\xEE\xC4\xBF\xC8\xD4\xC8\xBB\xB4\xE6\xD4\xDA\xA3\xBA",
};

// 卸載打印驅動程序 / 取消 / 打印驅動程序已順利卸載。 / 打印驅動程序未能完全卸載，以下項目仍然存在：
const Texts kTraditional = {
    "\xA8\xF8\xB8\xFC\xA5\xB4\xA6\x4C\xC5\x58\xB0\xCA\xB5\x7B\xA7\xC7",
    "\xA8\xFA\xAE\xF8",
    "\xA5\xB4\xA6\x4C\xC5\x58\xB0\xCA\xB5\x7B\xA7\xC7\xA4\x77\xB6\xB6\xA7\x51\xA8\xF8\xB8\xFC\xA1\x43",
    "\xA5\xB4\xA6\x4C\xC5\x58\xB0\xCA\xB5\x7B\xA7\xC7\xA5\xBC\xAF\xE0\xA7\xB9\xA5\xFE\xA8\xF8\xB8\xFC\xA1\x41\xA5"
    "\x48\xA4\x55\xB6\xB5\xA5\xD8\xA4\xB4\xB5\x4D\xA6\x73\xA6\x62\xA1\x47",
};

// What this system should show. English has a table of its own; a language
// without one (Japanese here) gets the English texts through the usual lookup.
const Texts& Expected()
{
    switch (GetSystemDefaultLangID()) {
    case 0x0804:
        return kSimplified;
    case 0x0404:
    case 0x0C04:
        return kTraditional;
    default:
        return kEnglish;
    }
}

class UninstallerLanguage : public ::testing::Test {
protected:
    void SetUp() override
    {
        BuildInstalledMachine();
        m_folders = InstallFolders();
    }
    void TearDown() override { wintest::ResetMachine(SPOOLER_ENVIRONMENT, PRINTER_TOKEN); }

    Folders m_folders;
};

TEST_F(UninstallerLanguage, DialogAndCompletionMessage)
{
    const Texts& t = Expected();
    Uninstaller run(UninstallString());
    HWND hDlg = run.Dialog();
    ASSERT_NE(nullptr, hDlg) << "system language 0x" << std::hex << GetSystemDefaultLangID();
    EXPECT_EQ(t.title, wintest::Text(hDlg));
    EXPECT_EQ(t.title, wintest::Text(run.Button(1001)));
    EXPECT_EQ(t.cancel, wintest::Text(run.Button(1002)));

    std::vector<wintest::MessageBoxSeen> seen;
    ASSERT_TRUE(run.RemoveAndWaitForExit(&seen));
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ(t.removed, seen[0].text);
    EXPECT_EQ("uninstallvelt", seen[0].caption);
}

TEST_F(UninstallerLanguage, IncompleteRemovalMessage)
{
    const std::string held = m_folders.staging + "\\CONVELT.GPD";
    HANDLE hHeld = CreateFileA(held.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING,
                               0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, hHeld);

    Uninstaller run(UninstallString());
    ASSERT_NE(nullptr, run.Dialog());
    std::vector<wintest::MessageBoxSeen> seen;
    ASSERT_TRUE(run.RemoveAndWaitForExit(&seen));
    CloseHandle(hHeld);

    ASSERT_EQ(1u, seen.size());
    // The program forms the staging path in lower case.
    EXPECT_EQ(std::string(Expected().incomplete) + "c:\\temp\\CONVELT.GPD", seen[0].text);
}

} // namespace
