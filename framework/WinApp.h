#pragma once
// CWinApp: the application object. The program defines exactly one, as a
// global; the framework's WinMain finds it with AfxGetApp, names it after the
// executable (file name without extension, the caption of AfxMessageBox),
// and runs InitInstance. When InitInstance answers FALSE the program ends
// with ExitInstance; otherwise Run pumps messages until WM_QUIT.

#include "Object.h"
#include "Wnd.h"

#include <windows.h>

class CWinApp : public CObject {
public:
    explicit CWinApp(LPCSTR pszAppName = NULL);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    virtual int Run();

    // The wait cursor, counted: the arrow comes back when every Begin has its End.
    void BeginWaitCursor();
    void EndWaitCursor();

    // A message box captioned with the application's title, owned by the active
    // window of the program (or its main window).
    virtual int DoMessageBox(LPCSTR pszPrompt, UINT nType);

    HINSTANCE m_hInstance = NULL;
    LPCSTR m_pszAppName = nullptr;
    CWnd* m_pMainWnd = nullptr;

private:
    char m_szTitle[MAX_PATH] = {};
    int m_nWaitCursorCount = 0;
    HCURSOR m_hcurRestore = NULL;

    friend int AfxWinMain(HINSTANCE hInstance);
    void SetUpInstance(HINSTANCE hInstance);
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
int AfxMessageBox(LPCSTR pszText, UINT nType = MB_OK);
// Runs the application object; called by the program's WinMain.
int AfxWinMain(HINSTANCE hInstance);

// Start-up switches of the classic framework. This framework hosts no ActiveX
// controls and every control already has the system's 3-D look, so both only
// make sure that the common controls are registered.
void AfxEnableControlContainer();
BOOL Enable3dControlsStatic();

// A wait cursor for the lifetime of a scope.
class CWaitCursor {
public:
    CWaitCursor() { AfxGetApp()->BeginWaitCursor(); }
    ~CWaitCursor() { AfxGetApp()->EndWaitCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};
