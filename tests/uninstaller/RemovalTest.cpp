// uninstallvelt.exe run as the system's list of installed programs runs it,
// against a machine built as an installation leaves it, driven through its
// real windows.

#include "Machine.h"

#include "Product.h"
#include "Removal.h"
#include "Spooler.h"
#include "WinTest.h"

#include <gtest/gtest.h>

#include <functional>

using namespace uninst;

namespace {

const char kRemoved[] = "The printer driver has been removed successfully.";
const char kIncomplete[] = "The printer driver was not removed completely; these items are still present: ";

// Long enough for a self-deletion that should not happen to show.
const DWORD kGraceMs = 3000;

class UninstallerRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        BuildInstalledMachine();
        m_folders = InstallFolders();
        m_exe = m_folders.driver + "\\" + UNINSTALLER_FILE;
    }
    void TearDown() override { wintest::ResetMachine(SPOOLER_ENVIRONMENT, PRINTER_TOKEN); }

    Folders m_folders;
    std::string m_exe;
};

TEST_F(UninstallerRun, RemovesModelPrintersMakerFilesAndEntryThenItself)
{
    for (const char* name : {"Office QX710", "qx710", "QX-710", "QX710(Copy 1)"})
        ASSERT_TRUE(wintest::AddTestPrinter(name, PRINTER_TOKEN)) << name;
    const MachineState before = Snapshot();
    ASSERT_EQ(m_exe, UninstallString());

    Uninstaller run(UninstallString());
    HWND hDlg = run.Dialog();
    ASSERT_NE(nullptr, hDlg);
    std::vector<wintest::MessageBoxSeen> seen;
    ASSERT_TRUE(run.RemoveAndWaitForExit(&seen));

    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("uninstallvelt", seen[0].caption);
    EXPECT_EQ(kRemoved, seen[0].text);
    EXPECT_EQ(hDlg, seen[0].hOwner);

    EXPECT_TRUE(FileGoneWithin(m_exe, 10000));
    const MachineState after = Snapshot();
    EXPECT_EQ(AfterRemoval(before), after);
    EXPECT_EQ((std::vector<std::string>{"QX-710", "qx710"}), after.printers);
    // The copy in C:\TEMP, ZIKUVELT.UFM, the Unidrv files and the registration stay.
    EXPECT_TRUE(wintest::FileExists(m_folders.staging + "\\" + UNINSTALLER_FILE));
    EXPECT_TRUE(wintest::FileExists(m_folders.version + "\\ZIKUVELT.UFM"));
    EXPECT_TRUE(after.driverRegistered);
}

TEST_F(UninstallerRun, DeletesItselfFromAFolderWithBlanks)
{
    const std::string folder = "C:\\Program Files\\QX710 printer tools";
    const std::string exe = folder + "\\" + UNINSTALLER_FILE;
    CreateDirectoryA(folder.c_str(), NULL);
    ASSERT_TRUE(CopyFileA(BuiltUninstaller().c_str(), exe.c_str(), FALSE));
    const MachineState before = Snapshot();

    Uninstaller run("\"" + exe + "\"");
    ASSERT_NE(nullptr, run.Dialog());
    std::vector<wintest::MessageBoxSeen> seen;
    ASSERT_TRUE(run.RemoveAndWaitForExit(&seen));

    EXPECT_TRUE(FileGoneWithin(exe, 10000));
    // The copy in the driver directory was not the one running: it stays.
    MachineState expected = AfterRemoval(before);
    expected.driverFiles = Without(before.driverFiles, {std::begin(MAKER_FILES), std::end(MAKER_FILES)});
    EXPECT_EQ(expected, Snapshot());
    EXPECT_EQ(1u, seen.size());
    DeleteFileA(exe.c_str());
    RemoveDirectoryA(folder.c_str());
}

TEST_F(UninstallerRun, ClosingChangesNothing)
{
    ASSERT_TRUE(wintest::AddTestPrinter("Office QX710", PRINTER_TOKEN));
    const struct {
        const char* way;
        std::function<void(HWND hDlg)> close;
    } ways[] = {
        {"button 1002", [](HWND hDlg) { wintest::Click(wintest::Child(hDlg, 1002)); }},
        {"Escape",
         [](HWND hDlg) {
             HWND hFocus = wintest::Child(hDlg, 1001);
             PostMessageA(hFocus, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
             PostMessageA(hFocus, WM_KEYUP, VK_ESCAPE, 0xC0010001);
         }},
        {"close box", [](HWND hDlg) { PostMessageA(hDlg, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    const MachineState before = Snapshot();
    for (const auto& w : ways) {
        SCOPED_TRACE(w.way);
        Uninstaller run(UninstallString());
        HWND hDlg = run.Dialog();
        ASSERT_NE(nullptr, hDlg);
        wintest::MessageBoxWatcher boxes(run.Pid());
        w.close(hDlg);
        ASSERT_TRUE(run.WaitForExit());
        EXPECT_FALSE(FileGoneWithin(m_exe, kGraceMs));
        EXPECT_EQ(before, Snapshot());
        EXPECT_TRUE(boxes.Seen().empty());
    }
}

TEST_F(UninstallerRun, WithoutComspecEndsNormallyAndStays)
{
    const std::string environment = EnvironmentWithout("COMSPEC");
    const MachineState before = Snapshot();

    Uninstaller run(UninstallString(), environment.c_str());
    ASSERT_NE(nullptr, run.Dialog());
    std::vector<wintest::MessageBoxSeen> seen;
    ASSERT_TRUE(run.RemoveAndWaitForExit(&seen));
    EXPECT_EQ(0u, run.ExitCode());

    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ(kRemoved, seen[0].text);
    EXPECT_FALSE(FileGoneWithin(m_exe, kGraceMs));
    MachineState expected = AfterRemoval(before);
    expected.driverFiles.push_back(UNINSTALLER_FILE);
    std::sort(expected.driverFiles.begin(), expected.driverFiles.end());
    EXPECT_EQ(expected, Snapshot());
}

TEST_F(UninstallerRun, PrinterThatCannotBeOpenedStopsTheRemoval)
{
    for (const char* name : {"Archive QX710", "Office QX710", "qx710", "QX710(Copy 1)"})
        ASSERT_TRUE(wintest::AddTestPrinter(name, PRINTER_TOKEN)) << name;
    AddUnopenablePrinter("Broken QX710");

    // The walk goes from the last listed printer to the first: those of the
    // model listed after the broken one go, the others stay.
    std::vector<std::string> listed;
    for (const wintest::PrinterState& p : wintest::Printers()) listed.push_back(p.name);
    const auto broken = std::find(listed.begin(), listed.end(), "Broken QX710");
    ASSERT_NE(listed.end(), broken);
    std::vector<std::string> deleted;
    for (auto it = broken + 1; it != listed.end(); ++it)
        if (IsModelPrinter(it->c_str())) deleted.push_back(*it);
    ASSERT_FALSE(deleted.empty()) << "no printer of the model is listed after the broken one";
    ASSERT_TRUE(std::any_of(listed.begin(), broken, [](const std::string& n) { return IsModelPrinter(n.c_str()); }))
        << "no printer of the model is listed before the broken one";

    const MachineState before = Snapshot();
    Uninstaller run(UninstallString());
    HWND hDlg = run.Dialog();
    ASSERT_NE(nullptr, hDlg);
    wintest::MessageBoxWatcher boxes(run.Pid());
    ASSERT_TRUE(run.ClickAndWait(1001));

    MachineState expected = before;
    expected.printers = Without(before.printers, deleted);
    EXPECT_EQ(expected, Snapshot());
    EXPECT_TRUE(boxes.Seen().empty());
    EXPECT_TRUE(IsWindow(hDlg) && IsWindowVisible(hDlg));

    // Ended later, the program leaves its executable.
    wintest::Click(run.Button(1002));
    ASSERT_TRUE(run.WaitForExit());
    EXPECT_FALSE(FileGoneWithin(m_exe, kGraceMs));
    EXPECT_EQ(expected, Snapshot());
}

TEST_F(UninstallerRun, MakerFileThatCannotBeDeletedIsNamed)
{
    const std::string held = m_folders.version + "\\VELTD.dll";
    // Open without FILE_SHARE_DELETE: nobody can delete the file meanwhile.
    HANDLE hHeld = CreateFileA(held.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING,
                               0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, hHeld);
    const MachineState before = Snapshot();

    Uninstaller run(UninstallString());
    ASSERT_NE(nullptr, run.Dialog());
    std::vector<wintest::MessageBoxSeen> seen;
    ASSERT_TRUE(run.RemoveAndWaitForExit(&seen));
    CloseHandle(hHeld);

    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ(kIncomplete + held, seen[0].text);
    // Everything else goes as usual, the program too.
    EXPECT_TRUE(FileGoneWithin(m_exe, 10000));
    MachineState expected = AfterRemoval(before);
    expected.versionFiles.push_back("VELTD.dll");
    std::sort(expected.versionFiles.begin(), expected.versionFiles.end());
    EXPECT_EQ(expected, Snapshot());
}

TEST_F(UninstallerRun, CompletesWhenThereIsLittleOrNothingToRemove)
{
    const struct {
        const char* what;
        std::function<void(const Folders&)> prepare;
    } cases[] = {
        {"no printer at all", [](const Folders&) {
             for (const std::string& name : wintest::PrinterNames()) {
                 HANDLE h = NULL;
                 PRINTER_DEFAULTSA defaults = {NULL, NULL, PRINTER_ALL_ACCESS};
                 if (OpenPrinterA(const_cast<LPSTR>(name.c_str()), &h, &defaults)) {
                     DeletePrinter(h);
                     ClosePrinter(h);
                 }
             }
         }},
        {"files and entry already gone", [](const Folders& f) {
             for (const std::string& folder : {f.driver, f.version, f.staging})
                 for (const char* name : MAKER_FILES) DeleteFileA((folder + "\\" + name).c_str());
             wintest::RegDeleteTree(HKEY_LOCAL_MACHINE, UNINSTALL_KEY);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        BuildInstalledMachine();
        c.prepare(m_folders);
        const MachineState before = Snapshot();

        Uninstaller run(m_exe);
        ASSERT_NE(nullptr, run.Dialog());
        std::vector<wintest::MessageBoxSeen> seen;
        ASSERT_TRUE(run.RemoveAndWaitForExit(&seen));

        ASSERT_EQ(1u, seen.size());
        EXPECT_EQ(kRemoved, seen[0].text);
        EXPECT_TRUE(FileGoneWithin(m_exe, 10000));
        EXPECT_EQ(AfterRemoval(before), Snapshot());
    }
}

TEST_F(UninstallerRun, DialogOpensCentredWithFocusOnTheRemoveButton)
{
    Uninstaller run(UninstallString());
    HWND hDlg = run.Dialog();
    ASSERT_NE(nullptr, hDlg);

    GUITHREADINFO gui = {};
    gui.cbSize = sizeof(gui);
    ASSERT_TRUE(wintest::WaitUntil([&] {
        return GetGUIThreadInfo(GetWindowThreadProcessId(hDlg, NULL), &gui) && gui.hwndFocus == run.Button(1001);
    })) << "focus on " << GetDlgCtrlID(gui.hwndFocus);

    RECT rect;
    GetWindowRect(hDlg, &rect);
    const int dx = (rect.left + rect.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2;
    const int dy = (rect.top + rect.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2;
    EXPECT_LE(std::abs(dx), 2);
    EXPECT_LE(std::abs(dy), 2);
    // (Its icons are checked in the unit tests: Wine answers WM_GETICON from
    // another process with 0.)

    wintest::Click(run.Button(1002));
    EXPECT_TRUE(run.WaitForExit());
}

} // namespace
