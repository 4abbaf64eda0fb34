#pragma once
// Drives setup.exe's wizard from another process, as a user would: finds the
// frame and its pages by their numbers, reads texts and states, clicks,
// selects, sends keys and system commands. Message boxes are recorded and
// answered by a watcher.

#include "WinTest.h"

#include <windows.h>

#include <memory>
#include <string>

namespace wizardtest {

// Dialog numbers of the pages, and the frame's buttons.
enum Page { WELCOME = 138, SYSTEM = 137, PRINTER = 143, PROGRESS = 140, NO_PAGE = 0 };
enum Button { BACK = 12323, NEXT = 12324, CANCEL = 1061, FINISH = 12325 };

// The scratch folder setup.exe runs from.
constexpr char APP_FOLDER[] = "C:\\Setup";

// Copies the built setup.exe into C:\Setup (emptied first when fresh is set).
void PrepareAppFolder(bool fresh);

// Wine reports this version ("win7", "winxp" ...; "" for the default) to setup.exe.
void SetSetupVersion(const std::string& version);

class Wizard {
public:
    // Starts setup.exe (C:\Setup\setup.exe unless given) and waits for the frame and its first page.
    explicit Wizard(const std::string& exePath = std::string(APP_FOLDER) + "\\setup.exe");
    ~Wizard();
    Wizard(const Wizard&) = delete;
    Wizard& operator=(const Wizard&) = delete;

    bool Started() const { return m_hFrame != NULL; }
    HWND Frame() const { return m_hFrame; }
    DWORD ProcessId() const { return m_pi.dwProcessId; }

    // The page shown now, or NO_PAGE.
    Page CurrentPage() const;
    HWND PageWindow(Page page) const;
    // A control of a page (or of the frame for page NO_PAGE).
    HWND Control(Page page, int id) const;
    std::string Text(Page page, int id) const;

    bool Enabled(Button button) const;
    std::string ButtonStates() const;  // "Back Next Finish" as on/off, e.g. "off on off"

    // Clicks a frame button and waits until the frame has handled it. Refuses
    // (answers false) a button that is disabled, as a user could not click it.
    bool Click(Button button);
    // Clicks without waiting (for clicks whose handler runs a modal loop).
    bool PostClick(Button button);
    void ClickControl(Page page, int id);
    // Selects a list entry with the mouse, as a user does.
    void SelectListEntry(Page page, int id, int index);
    void PressKey(HWND hWnd, WPARAM vk);
    void SysCommand(WPARAM command);

    // Waits until the process has ended; answers its exit code, or -1 after timeoutMs.
    int WaitForExit(DWORD timeoutMs = 15000);
    bool Running() const;
    // Waits until the frame is idle (all messages posted so far are handled).
    void Sync() const;

    wintest::MessageBoxWatcher& Boxes() { return *m_boxes; }

private:
    PROCESS_INFORMATION m_pi = {};
    HWND m_hFrame = NULL;
    std::unique_ptr<wintest::MessageBoxWatcher> m_boxes;
};

} // namespace wizardtest
