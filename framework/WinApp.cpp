#include "WinApp.h"

#include <commctrl.h>

#include <cstring>

namespace {

CWinApp* g_pApp = nullptr;

void RegisterCommonControls()
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&icc);
}

} // namespace

CWinApp::CWinApp(LPCSTR pszAppName) : m_pszAppName(pszAppName)
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this) g_pApp = nullptr;
}

void CWinApp::SetUpInstance(HINSTANCE hInstance)
{
    m_hInstance = hInstance;
    if (!m_pszAppName) {
        // The title is the executable's file name without its extension.
        char path[MAX_PATH] = {};
        const DWORD length = ::GetModuleFileNameA(hInstance, path, MAX_PATH);
        if (length > 0 && length < MAX_PATH) {
            CString full(path);
            CString name = full.Mid(full.ReverseFind('\\') + 1);
            const int dot = name.ReverseFind('.');
            if (dot > 0) name = name.Left(dot);
            lstrcpynA(m_szTitle, name, MAX_PATH);
        }
        m_pszAppName = m_szTitle;
    }
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return 0;
}

int CWinApp::Run()
{
    MSG msg;
    while (::GetMessageA(&msg, NULL, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return ExitInstance();
}

void CWinApp::BeginWaitCursor()
{
    if (m_nWaitCursorCount++ == 0)
        m_hcurRestore = ::SetCursor(::LoadCursorA(NULL, IDC_WAIT));
}

void CWinApp::EndWaitCursor()
{
    if (m_nWaitCursorCount > 0 && --m_nWaitCursorCount == 0)
        ::SetCursor(m_hcurRestore ? m_hcurRestore : ::LoadCursorA(NULL, IDC_ARROW));
}

int CWinApp::DoMessageBox(LPCSTR pszPrompt, UINT nType)
{
    HWND hOwner = ::GetActiveWindow();
    if (!hOwner && m_pMainWnd) hOwner = m_pMainWnd->m_hWnd;
    if (hOwner) hOwner = ::GetAncestor(hOwner, GA_ROOT);
    return ::MessageBoxA(hOwner, pszPrompt, m_pszAppName, nType);
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

HINSTANCE AfxGetInstanceHandle()
{
    return g_pApp && g_pApp->m_hInstance ? g_pApp->m_hInstance : ::GetModuleHandleA(NULL);
}

HINSTANCE AfxGetResourceHandle()
{
    return AfxGetInstanceHandle();
}

int AfxMessageBox(LPCSTR pszText, UINT nType)
{
    CWinApp* pApp = AfxGetApp();
    return pApp ? pApp->DoMessageBox(pszText, nType) : ::MessageBoxA(NULL, pszText, NULL, nType);
}

int AfxWinMain(HINSTANCE hInstance)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp) return -1;
    RegisterCommonControls();
    pApp->SetUpInstance(hInstance);
    if (!pApp->InitInstance()) return pApp->ExitInstance();
    return pApp->Run();
}

void AfxEnableControlContainer()
{
    RegisterCommonControls();
}

BOOL Enable3dControlsStatic()
{
    RegisterCommonControls();
    return TRUE;
}
