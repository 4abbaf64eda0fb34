#pragma once
// Helpers for tests that drive real windows under Wine: finding windows,
// reading their texts, clicking, and answering message boxes.

#include <windows.h>

#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace wintest {

std::string Text(HWND hWnd);
std::string ClassName(HWND hWnd);

// Polls find() every 20 ms until it answers a window or timeoutMs passes.
HWND WaitFor(const std::function<HWND()>& find, DWORD timeoutMs = 10000);
// Polls until done() holds or timeoutMs passes; answers done().
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000);

// A top-level window of the process (any process when pid is 0) whose class
// (when given) and whose child controls (every id in childIds) match.
HWND FindTopLevel(DWORD pid, const char* className, std::vector<int> childIds = {});

// The child control with the given number, searched among direct children only.
HWND Child(HWND hParent, int id);

// Posts a click to a button; never waits for its handler.
void Click(HWND hButton);

// A message box seen by a MessageBoxWatcher.
struct MessageBoxSeen {
    HWND hOwner;
    std::string caption;
    std::string text;
    HICON hIcon;  // the icon shown; compare with LoadIcon(NULL, IDI_...) in the same process
};

// True for a message box: a "#32770" top-level window with the text static 0xFFFF and an icon static.
bool IsMessageBox(HWND hWnd);

// Watches one process (0: any) for message boxes, records each, and presses
// its OK (or the first button) as soon as it is seen, so that no test blocks.
class MessageBoxWatcher {
public:
    explicit MessageBoxWatcher(DWORD pid = GetCurrentProcessId());
    ~MessageBoxWatcher();
    std::vector<MessageBoxSeen> Seen();
    void Clear();
    // Leave boxes open instead of pressing OK; answering again presses OK on the open ones.
    void SetAnswering(bool answer);

private:
    void Run();
    DWORD m_pid;
    bool m_answer = true;
    bool m_stop = false;
    std::mutex m_mutex;
    std::vector<MessageBoxSeen> m_seen;
    std::vector<HWND> m_handled;
    std::thread m_thread;
};

// Runs a command line, waits for it (up to timeoutMs) and answers its exit code (-1 on timeout).
DWORD RunAndWait(const std::string& commandLine, DWORD timeoutMs = 60000);

// The Windows path of a file of the build tree (QX710_BUILD, a Linux path, seen through Wine's Z: drive).
std::string BuildPath(const std::string& relative);

// Files and folders.
std::string ReadFileBytes(const std::string& path);
bool FileExists(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

} // namespace wintest
