// The whole life of an installation: the installer's own run records the
// entry and writes the uninstaller it carries; the uninstaller, started from
// that entry, takes back what it should and leaves the rest.

#include "Machine.h"

#include "AppState.h"
#include "Product.h"
#include "SetupApp.h"
#include "Spooler.h"
#include "WinTest.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace uninst;

namespace {

bool Has(const std::vector<std::string>& names, const std::string& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

void RunInstaller()
{
    CWnd main;
    main.Attach(CreateWindowA("STATIC", "main", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL));
    theApp.m_pMainWnd = &main;
    {
        wintest::MessageBoxWatcher boxes;  // answers the installer's completion message
        SetupChoices.language = 1;
        theApp.Install();
        EXPECT_EQ(1u, boxes.Seen().size());
    }
    // The installer ends the program with WM_QUIT; take it off this queue.
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {}
    theApp.m_pMainWnd = nullptr;
    DestroyWindow(main.Detach());
}

TEST(RoundTrip, InstallThenUninstallFromTheEntry)
{
    wintest::ResetMachine(SPOOLER_ENVIRONMENT, PRINTER_TOKEN);
    RunInstaller();

    const MachineState installed = Snapshot();
    ASSERT_TRUE(installed.entry);
    ASSERT_TRUE(installed.driverRegistered);
    ASSERT_TRUE(Has(installed.printers, PRINTER_TOKEN));
    ASSERT_TRUE(Has(installed.driverFiles, UNINSTALLER_FILE));
    for (const char* name : MAKER_FILES) {
        EXPECT_TRUE(Has(installed.driverFiles, name)) << name;
        EXPECT_TRUE(Has(installed.versionFiles, name)) << name;
        EXPECT_TRUE(Has(installed.stagingFiles, name)) << name;
    }

    const std::string command = UninstallString();
    Uninstaller run(command);
    ASSERT_NE(nullptr, run.Dialog()) << command;
    std::vector<wintest::MessageBoxSeen> seen;
    ASSERT_TRUE(run.RemoveAndWaitForExit(&seen));
    EXPECT_EQ(1u, seen.size());

    EXPECT_TRUE(FileGoneWithin(command, 10000));
    const MachineState after = Snapshot();
    EXPECT_EQ(AfterRemoval(installed), after);
    EXPECT_TRUE(after.printers.empty());
    EXPECT_TRUE(Has(after.versionFiles, "ZIKUVELT.UFM"));
    wintest::ResetMachine(SPOOLER_ENVIRONMENT, PRINTER_TOKEN);
}

} // namespace
