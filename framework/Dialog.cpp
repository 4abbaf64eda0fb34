#include "Dialog.h"

#include "WinApp.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
{
}

CDialog::~CDialog()
{
    if (m_hWnd && ::IsWindow(m_hWnd)) DestroyWindow();
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG) return FALSE;
    CDialog* pDlg = reinterpret_cast<CDialog*>(lParam);
    pDlg->SubclassWindow(hWnd);
    return pDlg->OnInitDialog();
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    m_nIDTemplate = nIDTemplate;
    if (pParentWnd) m_pParentWnd = pParentWnd;
    HWND hWnd = ::CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(LOWORD(nIDTemplate)),
                                     m_pParentWnd ? m_pParentWnd->m_hWnd : NULL, DialogProc,
                                     reinterpret_cast<LPARAM>(this));
    return hWnd != NULL;
}

INT_PTR CDialog::DoModal()
{
    // The owner: the given parent, else the application's main window (when it is another
    // window that exists), taken up to its top-level window.
    HWND hOwner = m_pParentWnd ? m_pParentWnd->m_hWnd : NULL;
    if (!hOwner) {
        CWnd* pMain = AfxGetApp() ? AfxGetApp()->m_pMainWnd : nullptr;
        if (pMain && pMain != this) hOwner = pMain->m_hWnd;
    }
    if (hOwner && !::IsWindow(hOwner)) hOwner = NULL;
    if (hOwner) hOwner = ::GetAncestor(hOwner, GA_ROOT);

    const BOOL bEnableOwner = hOwner && ::IsWindowEnabled(hOwner);
    if (bEnableOwner) ::EnableWindow(hOwner, FALSE);

    m_bContinueModal = TRUE;
    m_nModalResult = -1;
    HWND hWnd = ::CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(LOWORD(m_nIDTemplate)),
                                     hOwner, DialogProc, reinterpret_cast<LPARAM>(this));
    INT_PTR result = -1;
    if (hWnd && m_bContinueModal) result = RunModalLoop();
    else if (hWnd) result = m_nModalResult;

    if (m_hWnd)
        ::SetWindowPos(m_hWnd, NULL, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    if (bEnableOwner) ::EnableWindow(hOwner, TRUE);
    if (hOwner && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(hOwner);
    if (m_hWnd) DestroyWindow();
    m_bContinueModal = FALSE;
    return result;
}

INT_PTR CDialog::RunModalLoop()
{
    if (!::IsWindowVisible(m_hWnd)) ShowWindow(SW_SHOWNORMAL);
    MSG msg;
    while (m_bContinueModal) {
        const BOOL got = ::GetMessageA(&msg, NULL, 0, 0);
        if (got == 0 || got == -1) {
            // WM_QUIT: end this loop and leave the quit for any loop outside it.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return -1;
        }
        // Offer the message to the window objects from its target up to this dialog.
        BOOL handled = FALSE;
        for (HWND h = msg.hwnd; h && !handled; h = ::GetParent(h)) {
            if (CWnd* pWnd = FromHandlePermanent(h)) handled = pWnd->PreTranslateMessage(&msg);
            if (h == m_hWnd) break;
        }
        if (!handled) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        MSG peek;
        if (!::PeekMessageA(&peek, NULL, 0, 0, PM_NOREMOVE)) DeleteTempMap();
    }
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    if (m_bContinueModal) {
        m_nModalResult = nResult;
        m_bContinueModal = FALSE;
    }
    ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    const UINT m = pMsg->message;
    const bool input = (m >= WM_KEYFIRST && m <= WM_KEYLAST) || (m >= WM_MOUSEFIRST && m <= WM_MOUSELAST);
    return input && ::IsDialogMessageA(m_hWnd, pMsg);
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (!rControl.m_hWnd) rControl.SubclassWindow(pDX->PrepareCtrl(nIDC));
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!hWndCtrl) return;
    if (pDX->m_bSaveAndValidate) value = -1;
    int iButton = 0;
    do {
        if (::SendMessageA(hWndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
            if (pDX->m_bSaveAndValidate) {
                if (::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0) != BST_UNCHECKED) value = iButton;
            } else {
                ::SendMessageA(hWndCtrl, BM_SETCHECK, iButton == value ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            ++iButton;
        }
        hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
    } while (hWndCtrl && !(::GetWindowLongPtrA(hWndCtrl, GWL_STYLE) & WS_GROUP));
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!hWndCtrl) return;
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0));
    else
        ::SendMessageA(hWndCtrl, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!hWndCtrl) return;
    CWnd* pCtrl = CWnd::FromHandle(hWndCtrl);
    if (pDX->m_bSaveAndValidate) {
        pCtrl->GetWindowText(value);
    } else {
        CString current;
        pCtrl->GetWindowText(current);
        if (current != value) pCtrl->SetWindowText(value);
    }
}
