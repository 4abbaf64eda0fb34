#include "WizardDriver.h"

#include "Spooler.h"

namespace wizardtest {

namespace {

// A control that only one page has: it tells which page a child dialog is.
struct PageMark {
    Page page;
    int control;
};
constexpr PageMark PAGE_MARKS[] = {{WELCOME, 1042}, {SYSTEM, 1051}, {PRINTER, 1006}, {PROGRESS, 1035}};

} // namespace

void PrepareAppFolder(bool fresh)
{
    if (fresh) {
        wintest::ClearFolder(std::string(APP_FOLDER) + "\\Language");
        RemoveDirectoryA((std::string(APP_FOLDER) + "\\Language").c_str());
        wintest::ClearFolder(APP_FOLDER);
    }
    CreateDirectoryA(APP_FOLDER, NULL);
    CopyFileA(wintest::BuildPath("setup/setup.exe").c_str(), (std::string(APP_FOLDER) + "\\setup.exe").c_str(),
              FALSE);
}

void SetSetupVersion(const std::string& version)
{
    const char* key = "Software\\Wine\\AppDefaults\\setup.exe";
    HKEY hKey;
    if (RegCreateKeyA(HKEY_CURRENT_USER, key, &hKey) != ERROR_SUCCESS) return;
    if (version.empty())
        RegDeleteValueA(hKey, "Version");
    else
        RegSetValueExA(hKey, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version.c_str()),
                       static_cast<DWORD>(version.size() + 1));
    RegCloseKey(hKey);
}

Wizard::Wizard(const std::string& exePath)
{
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    std::string cmd = exePath;
    const std::string folder = exePath.substr(0, exePath.rfind('\\') + 1);
    if (!CreateProcessA(NULL, &cmd[0], NULL, NULL, FALSE, 0, NULL, folder.c_str(), &si, &m_pi)) return;
    m_boxes.reset(new wintest::MessageBoxWatcher(m_pi.dwProcessId));
    m_hFrame = wintest::WaitFor([this] { return wintest::FindTopLevel(m_pi.dwProcessId, "#32770", {BACK, NEXT}); });
    if (m_hFrame) wintest::WaitUntil([this] { return CurrentPage() != NO_PAGE; });
}

Wizard::~Wizard()
{
    if (Running()) {
        TerminateProcess(m_pi.hProcess, 1);
        WaitForSingleObject(m_pi.hProcess, 5000);
    }
    m_boxes.reset();
    if (m_pi.hProcess) CloseHandle(m_pi.hProcess);
    if (m_pi.hThread) CloseHandle(m_pi.hThread);
}

HWND Wizard::PageWindow(Page page) const
{
    for (const PageMark& mark : PAGE_MARKS) {
        if (mark.page != page) continue;
        for (HWND h = GetWindow(m_hFrame, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
            if (wintest::ClassName(h) == "#32770" && wintest::Child(h, mark.control)) return h;
    }
    return NULL;
}

Page Wizard::CurrentPage() const
{
    for (const PageMark& mark : PAGE_MARKS) {
        HWND h = PageWindow(mark.page);
        if (h && IsWindowVisible(h)) return mark.page;
    }
    return NO_PAGE;
}

HWND Wizard::Control(Page page, int id) const
{
    return wintest::Child(page == NO_PAGE ? m_hFrame : PageWindow(page), id);
}

std::string Wizard::Text(Page page, int id) const
{
    return wintest::Text(Control(page, id));
}

bool Wizard::Enabled(Button button) const
{
    return IsWindowEnabled(Control(NO_PAGE, button)) != FALSE;
}

std::string Wizard::ButtonStates() const
{
    auto state = [this](Button b) { return Enabled(b) ? std::string("on") : std::string("off"); };
    return state(BACK) + " " + state(NEXT) + " " + state(FINISH);
}

bool Wizard::PostClick(Button button)
{
    HWND h = Control(NO_PAGE, button);
    if (!h || !IsWindowEnabled(h)) return false;
    wintest::Click(h);
    return true;
}

bool Wizard::Click(Button button)
{
    if (!PostClick(button)) return false;
    Sync();
    return true;
}

void Wizard::ClickControl(Page page, int id)
{
    wintest::Click(Control(page, id));
    Sync();
}

void Wizard::SelectListEntry(Page page, int id, int index)
{
    HWND hList = Control(page, id);
    RECT item = {};
    SendMessageA(hList, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    PostMessageA(hList, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(hList, WM_LBUTTONUP, 0, at);
    Sync();
}

void Wizard::PressKey(HWND hWnd, WPARAM vk)
{
    PostMessageA(hWnd, WM_KEYDOWN, vk, 1);
    PostMessageA(hWnd, WM_KEYUP, vk, 0xC0000001);
    Sync();
}

void Wizard::SysCommand(WPARAM command)
{
    PostMessageA(m_hFrame, WM_SYSCOMMAND, command, 0);
    Sync();
}

void Wizard::Sync() const
{
    // The program is idle again once its queue is empty and it waits for input;
    // a sent message then comes back only after it has been handled.
    for (int i = 0; i < 2; ++i) {
        WaitForInputIdle(m_pi.hProcess, 2000);
        DWORD_PTR result = 0;
        SendMessageTimeoutA(m_hFrame, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &result);
        Sleep(10);
    }
}

bool Wizard::Running() const
{
    return m_pi.hProcess && WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT;
}

int Wizard::WaitForExit(DWORD timeoutMs)
{
    if (!m_pi.hProcess || WaitForSingleObject(m_pi.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(m_pi.hProcess, &code);
    return static_cast<int>(code);
}

} // namespace wizardtest
