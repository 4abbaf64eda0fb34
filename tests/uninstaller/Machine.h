#pragma once
// The machine as an installation leaves it, built by the tests themselves,
// and the uninstaller run as a separate process whose windows the tests drive.

#include <windows.h>

#include "WinTest.h"

#include <ostream>
#include <string>
#include <vector>

namespace uninst {

// The built uninstallvelt.exe, as a Windows path.
std::string BuiltUninstaller();

struct Folders {
    std::string driver, version, staging;
};
Folders InstallFolders();

// Clears the machine, then builds what an installation leaves: the driver
// "QX710" registered with small stand-in files, the printer "QX710", the
// maker's five files with ZIKUVELT.UFM and the Unidrv files in the driver
// directory, its "3" subfolder and C:\TEMP, the uninstall entry with its four
// values, and the uninstaller in the driver directory and in C:\TEMP.
void BuildInstalledMachine();

// A printer listed by the spooler that cannot be opened (no data type).
void AddUnopenablePrinter(const std::string& name);

// Everything the uninstaller may change.
struct MachineState {
    std::vector<std::string> printers;  // sorted
    std::vector<std::string> driverFiles, versionFiles, stagingFiles;
    bool entry = false;
    bool driverRegistered = false;
    bool operator==(const MachineState& o) const;
};
MachineState Snapshot();
void PrintTo(const MachineState& s, std::ostream* os);

// The state after a complete removal: no printer of this model, no maker
// file, no entry and (once it has ended) no uninstaller in the driver directory.
MachineState AfterRemoval(MachineState before);

std::vector<std::string> Without(std::vector<std::string> names, const std::vector<std::string>& gone);

// The entry's uninstall command.
std::string UninstallString();

// The uninstaller, started from a command line (and an environment block).
class Uninstaller {
public:
    explicit Uninstaller(const std::string& commandLine, const char* environment = nullptr);
    ~Uninstaller();
    Uninstaller(const Uninstaller&) = delete;
    Uninstaller& operator=(const Uninstaller&) = delete;

    DWORD Pid() const { return m_pi.dwProcessId; }
    // The dialog once it is shown (NULL after a time-out).
    HWND Dialog();
    HWND Button(int id);
    // Clicks and returns once the click's handler has returned.
    bool ClickAndWait(int id);
    bool WaitForExit(DWORD timeoutMs = 30000);
    // Presses the removal button with a watcher answering the message boxes and
    // waits for the program to end. False if it did not; *pSeen gets the boxes shown.
    bool RemoveAndWaitForExit(std::vector<wintest::MessageBoxSeen>* pSeen);
    DWORD ExitCode();

private:
    PROCESS_INFORMATION m_pi = {};
    HWND m_hDlg = NULL;
};

// The environment of this process without one variable, as a block for CreateProcess.
std::string EnvironmentWithout(const char* name);

// Waits until a file is gone; a file that stays is given the grace period.
bool FileGoneWithin(const std::string& path, DWORD timeoutMs);

} // namespace uninst
