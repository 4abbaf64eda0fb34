#include "WinTest.h"

namespace wintest {

std::string Text(HWND hWnd)
{
    char buffer[4096] = {};
    // WM_GETTEXT reads other processes' windows too.
    SendMessageTimeoutA(hWnd, WM_GETTEXT, sizeof(buffer), reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG,
                        5000, NULL);
    return buffer;
}

std::string ClassName(HWND hWnd)
{
    char buffer[256] = {};
    GetClassNameA(hWnd, buffer, sizeof(buffer));
    return buffer;
}

HWND WaitFor(const std::function<HWND()>& find, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND h = find()) return h;
        if (GetTickCount() - start > timeoutMs) return NULL;
        Sleep(20);
    }
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    return WaitFor([&] { return done() ? HWND(1) : HWND(NULL); }, timeoutMs) != NULL;
}

HWND Child(HWND hParent, int id)
{
    for (HWND h = GetWindow(hParent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
        if (GetDlgCtrlID(h) == id) return h;
    return NULL;
}

namespace {

struct FindData {
    DWORD pid;
    const char* className;
    std::vector<int> childIds;
    HWND found;
};

BOOL CALLBACK FindProc(HWND hWnd, LPARAM lParam)
{
    FindData& data = *reinterpret_cast<FindData*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(hWnd, &pid);
    if (data.pid && pid != data.pid) return TRUE;
    if (data.className && ClassName(hWnd) != data.className) return TRUE;
    for (int id : data.childIds)
        if (!Child(hWnd, id)) return TRUE;
    data.found = hWnd;
    return FALSE;
}

} // namespace

HWND FindTopLevel(DWORD pid, const char* className, std::vector<int> childIds)
{
    FindData data = {pid, className, std::move(childIds), NULL};
    EnumWindows(FindProc, reinterpret_cast<LPARAM>(&data));
    return data.found;
}

void Click(HWND hButton)
{
    PostMessageA(hButton, BM_CLICK, 0, 0);
}

bool IsMessageBox(HWND hWnd)
{
    return ClassName(hWnd) == "#32770" && Child(hWnd, 0xFFFF) && Child(hWnd, 1088) && IsWindowVisible(hWnd);
}

MessageBoxWatcher::MessageBoxWatcher(DWORD pid) : m_pid(pid), m_thread([this] { Run(); }) {}

MessageBoxWatcher::~MessageBoxWatcher()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_thread.join();
}

std::vector<MessageBoxSeen> MessageBoxWatcher::Seen()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_seen;
}

void MessageBoxWatcher::Clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_seen.clear();
}

void MessageBoxWatcher::SetAnswering(bool answer)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_answer = answer;
    if (!answer) return;
    // Answer the boxes left open meanwhile.
    for (HWND hWnd : m_handled)
        if (IsWindow(hWnd)) Click(Child(hWnd, IDOK) ? Child(hWnd, IDOK) : FindWindowExA(hWnd, NULL, "Button", NULL));
}

void MessageBoxWatcher::Run()
{
    for (;;) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_stop) return;
        }
        struct Ctx {
            MessageBoxWatcher* self;
        } ctx{this};
        EnumWindows(
            [](HWND hWnd, LPARAM lParam) -> BOOL {
                MessageBoxWatcher* self = reinterpret_cast<Ctx*>(lParam)->self;
                DWORD pid = 0;
                GetWindowThreadProcessId(hWnd, &pid);
                if ((self->m_pid && pid != self->m_pid) || !IsMessageBox(hWnd)) return TRUE;
                std::lock_guard<std::mutex> lock(self->m_mutex);
                for (HWND h : self->m_handled)
                    if (h == hWnd) return TRUE;
                self->m_handled.push_back(hWnd);
                MessageBoxSeen seen = {GetWindow(hWnd, GW_OWNER), Text(hWnd), Text(Child(hWnd, 0xFFFF)),
                                       reinterpret_cast<HICON>(SendMessageA(Child(hWnd, 1088), STM_GETICON, 0, 0))};
                self->m_seen.push_back(seen);
                if (self->m_answer) {
                    HWND hButton = Child(hWnd, IDOK);
                    if (!hButton) hButton = FindWindowExA(hWnd, NULL, "Button", NULL);
                    Click(hButton);
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&ctx));
        Sleep(20);
    }
}

DWORD RunAndWait(const std::string& commandLine, DWORD timeoutMs)
{
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    std::string cmd = commandLine;
    if (!CreateProcessA(NULL, &cmd[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi)) return static_cast<DWORD>(-1);
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_OBJECT_0) GetExitCodeProcess(pi.hProcess, &code);
    else TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return code;
}

std::string BuildPath(const std::string& relative)
{
    char build[MAX_PATH] = {};
    GetEnvironmentVariableA("QX710_BUILD", build, MAX_PATH);
    std::string path = std::string("Z:") + build + "/" + relative;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

std::string ReadFileBytes(const std::string& path)
{
    std::string bytes;
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING, 0, NULL);
    if (h == INVALID_HANDLE_VALUE) return bytes;
    char buffer[65536];
    DWORD got = 0;
    while (::ReadFile(h, buffer, sizeof(buffer), &got, NULL) && got) bytes.append(buffer, got);
    CloseHandle(h);
    return bytes;
}

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    DWORD written = 0;
    WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, NULL);
    CloseHandle(h);
}

} // namespace wintest
