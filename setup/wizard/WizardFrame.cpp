#include "WizardFrame.h"

#include "AppState.h"

BEGIN_MESSAGE_MAP(CWizardFrame, CDialog)
    ON_WM_DESTROY()
    ON_BN_CLICKED(IDC_FINISH, OnFinish)
    ON_BN_CLICKED(IDC_BACK, OnBack)
    ON_BN_CLICKED(IDC_NEXT, OnNext)
    ON_BN_CLICKED(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CWizardFrame::CWizardFrame(UINT nIDTemplate, CWnd* pParentWnd) : CDialog(nIDTemplate, pParentWnd), m_pages(10) {}

CWizardFrame::~CWizardFrame() = default;

void CWizardFrame::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
}

void CWizardFrame::AddPage(CWizardPage* pPage, UINT nID)
{
    m_pages.AddTail(pPage);
    pPage->m_nIDD = nID;
}

void CWizardFrame::SetPlaceholderID(UINT nID)
{
    m_nPlaceholderID = nID;
}

CWizardPage* CWizardFrame::GetFirstPage()
{
    return static_cast<CWizardPage*>(m_pages.GetHead());
}

CWizardPage* CWizardFrame::GetLastPage()
{
    return static_cast<CWizardPage*>(m_pages.GetTail());
}

CWizardPage* CWizardFrame::GetActivePage()
{
    for (POSITION pos = m_pages.GetHeadPosition(); pos;) {
        auto* pPage = static_cast<CWizardPage*>(m_pages.GetNext(pos));
        if (pPage->m_bActive) return pPage;
    }
    return nullptr;
}

CWizardPage* CWizardFrame::FindPage(UINT nIDD)
{
    for (POSITION pos = m_pages.GetHeadPosition(); pos;) {
        auto* pPage = static_cast<CWizardPage*>(m_pages.GetNext(pos));
        if (pPage->m_nIDD == nIDD) return pPage;
    }
    return nullptr;
}

CWizardPage* CWizardFrame::Neighbour(CWizardPage* pPage, bool bNext)
{
    POSITION pos = m_pages.Find(pPage);
    if (!pos) return nullptr;
    if (bNext) m_pages.GetNext(pos); else m_pages.GetPrev(pos);
    return pos ? static_cast<CWizardPage*>(m_pages.GetAt(pos)) : nullptr;
}

BOOL CWizardFrame::ShowPage(CWizardPage* pPage)
{
    if (!pPage->m_bCreated) {
        // The page's own initialisation runs inside Create, before the shown page leaves.
        if (!pPage->Create(LOWORD(pPage->m_nIDD), this)) return FALSE;
        pPage->m_bCreated = TRUE;
        pPage->m_pFrame = this;
        if (!pPage->OnCreatePage()) return FALSE;
    }
    if (!HideActivePage()) return FALSE;

    // The page's top-left corner goes on the placeholder's.
    RECT rc = {0, 0, 0, 0};
    if (CWnd* pPlaceholder = GetDlgItem(static_cast<int>(m_nPlaceholderID))) {
        pPlaceholder->GetWindowRect(&rc);
        ScreenToClient(&rc);
    }
    pPage->SetWindowPos(NULL, rc.left, rc.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    pPage->EnableWindow(TRUE);
    pPage->ShowWindow(SW_SHOW);
    pPage->Invalidate(TRUE);
    pPage->UpdateWindow();

    pPage->OnSetActive();
    pPage->m_bActive = TRUE;
    return TRUE;
}

BOOL CWizardFrame::HideActivePage()
{
    CWizardPage* pActive = GetActivePage();
    if (!pActive) return TRUE;
    if (!pActive->OnKillActive()) return FALSE;
    pActive->ShowWindow(SW_HIDE);
    pActive->m_bActive = FALSE;
    return TRUE;
}

BOOL CWizardFrame::DestroyPage(CWizardPage* pPage)
{
    if (!pPage->m_bCreated) return TRUE;
    if (!pPage->OnKillActive()) return FALSE;
    pPage->OnDestroyPage();
    pPage->DestroyWindow();
    pPage->m_bCreated = FALSE;
    return TRUE;
}

BOOL CWizardFrame::StartWizard()
{
    CWizardPage* pFirst = GetFirstPage();
    if (!HideActivePage()) return FALSE;
    EnableBack(FALSE);
    if (m_pages.GetCount() > 1) {
        EnableFinish(FALSE);
        EnableNext(TRUE);
    } else {
        EnableFinish(TRUE);
        EnableNext(FALSE);
    }
    return ShowPage(pFirst);
}

void CWizardFrame::EnableButton(int nID, BOOL bEnable)
{
    if (CWnd* pButton = GetDlgItem(nID)) pButton->EnableWindow(bEnable);
}

void CWizardFrame::EnableBack(BOOL bEnable)
{
    EnableButton(IDC_BACK, bEnable);
}

void CWizardFrame::EnableNext(BOOL bEnable)
{
    EnableButton(IDC_NEXT, bEnable);
}

void CWizardFrame::EnableFinish(BOOL bEnable)
{
    EnableButton(IDC_FINISH, bEnable);
}

BOOL CWizardFrame::OnInitDialog()
{
    CDialog::OnInitDialog();
    ModifyStyleEx(0, WS_EX_CONTROLPARENT);
    StartWizard();
    return TRUE;
}

void CWizardFrame::OnNext()
{
    CWizardPage* pActive = GetActivePage();
    if (!pActive) return;
    const LRESULT result = pActive->OnWizardNext();
    if (result == -1) return;
    CWizardPage* pTarget = result == 0 ? Neighbour(pActive, true) : FindPage(static_cast<UINT>(result));
    if (!pTarget || !ShowPage(pTarget)) return;
    if (pTarget == GetLastPage()) {
        EnableNext(FALSE);
        EnableFinish(TRUE);
    }
    EnableBack(TRUE);
}

void CWizardFrame::OnBack()
{
    CWizardPage* pActive = GetActivePage();
    if (!pActive) return;
    const LRESULT result = pActive->OnWizardBack();
    if (result == -1) return;
    CWizardPage* pTarget = result == 0 ? Neighbour(pActive, false) : FindPage(static_cast<UINT>(result));
    if (!pTarget || !ShowPage(pTarget)) return;
    if (pTarget == GetFirstPage()) {
        EnableBack(FALSE);
        EnableFinish(FALSE);
    }
    // Reaching the progress page again installs again.
    g_bInstalled = FALSE;
    EnableNext(TRUE);
}

void CWizardFrame::OnFinish()
{
    CWizardPage* pActive = GetActivePage();
    if (pActive && !pActive->OnKillActive()) return;
    for (POSITION pos = m_pages.GetHeadPosition(); pos;) {
        auto* pPage = static_cast<CWizardPage*>(m_pages.GetNext(pos));
        if (pPage->m_bCreated && !pPage->OnWizardFinish()) return;
    }
    UpdateData(TRUE);
    EndDialog(IDC_FINISH);
}

void CWizardFrame::OnCancel()
{
    for (POSITION pos = m_pages.GetHeadPosition(); pos;) {
        auto* pPage = static_cast<CWizardPage*>(m_pages.GetNext(pos));
        if (pPage->m_bCreated && !pPage->OnQueryCancel()) return;
    }
    CDialog::OnCancel();
}

void CWizardFrame::OnDestroy()
{
    for (POSITION pos = m_pages.GetHeadPosition(); pos;) DestroyPage(static_cast<CWizardPage*>(m_pages.GetNext(pos)));
    CDialog::OnDestroy();
}
