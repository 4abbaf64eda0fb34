#pragma once
// A clean machine for every installation case, a main window that can
// receive the quit message, and a watcher that answers message boxes.

#include "AppState.h"
#include "Product.h"
#include "SetupApp.h"
#include "Spooler.h"
#include "WinTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace installtest {

constexpr char PRINTERS_KEY[] = "System\\CurrentControlSet\\Control\\Print\\Printers";

std::string DriversKey();           // ...\Environments\<environment>\Drivers\Version-3
std::string DriverDir();            // the spooler's driver directory
std::string ResourceBytes(UINT id); // an OWNER_DATA resource of this program
LANGID SystemLanguage();

class InstallTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the installation with the given message language, and takes the quit
    // message it may post off the queue (a pending quit would close the next box at once).
    void Install(short language);
    // Did the last installation post WM_QUIT?
    bool QuitPosted() const { return m_quitPosted; }
    std::vector<wintest::MessageBoxSeen> Boxes() { return m_boxes.Seen(); }

    static bool TakeQuit();

    CWnd m_main;
    bool m_quitPosted = false;
    wintest::MessageBoxWatcher m_boxes;
};

} // namespace installtest
