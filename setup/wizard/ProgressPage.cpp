#include "ProgressPage.h"

#include "AppState.h"
#include "SetupApp.h"
#include "StringSets.h"

namespace {

constexpr UINT_PTR INSTALL_TIMER = 1;
constexpr UINT INSTALL_DELAY_MS = 500;

} // namespace

BEGIN_MESSAGE_MAP(CProgressPage, CWizardPage)
    ON_WM_CTLCOLOR()
    ON_WM_TIMER()
    ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

CProgressPage::CProgressPage(CWnd* pParentWnd) : CWizardPage(IDD_PROGRESS_PAGE, pParentWnd) {}

CProgressPage::~CProgressPage() = default;

void CProgressPage::DoDataExchange(CDataExchange* pDX)
{
    CWizardPage::DoDataExchange(pDX);
    DDX_Control(pDX, 1065, m_staticBitmap);
    DDX_Control(pDX, 1035, m_progress);
    DDX_Control(pDX, 1040, m_groupHeader);
}

BOOL CProgressPage::OnInitDialog()
{
    CWizardPage::OnInitDialog();
    m_brushHeader.Attach(CreateSolidBrush(RGB(255, 255, 255)));
    g_SetDialogStrings(this, IDD_PROGRESS_PAGE);
    LayoutHeader(&m_groupHeader, &m_staticBitmap);
    return TRUE;
}

HBRUSH CProgressPage::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    HBRUSH hBrush = CWizardPage::OnCtlColor(pDC, pWnd, nCtlColor);
    if (pWnd && pWnd->m_hWnd == m_groupHeader.m_hWnd) {
        pDC->SetBkColor(RGB(255, 255, 255));
        return m_brushHeader;
    }
    return hBrush;
}

void CProgressPage::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CWizardPage::OnShowWindow(bShow, nStatus);
    if (!bShow) return;
    // The page is painted first; the installation starts when the timer fires.
    if (!g_bInstalled) SetTimer(INSTALL_TIMER, INSTALL_DELAY_MS, NULL);
    LayoutHeader(&m_groupHeader, &m_staticBitmap);
}

void CProgressPage::OnTimer(UINT_PTR nIDEvent)
{
    CWaitCursor wait;
    KillTimer(INSTALL_TIMER);
    m_progress.SetPos(50);
    static_cast<CSetupApp*>(AfxGetApp())->Install();
    m_progress.SetPos(100);
    g_bInstalled = TRUE;
    CWizardPage::OnTimer(nIDEvent);
}
