#include "WizardPage.h"

namespace {

constexpr int IDC_PRINTER_NAME = 1019;
constexpr int IDC_HEADER_GROUP = 1040;
constexpr COLORREF BLACK = RGB(0, 0, 0);
constexpr COLORREF WHITE = RGB(255, 255, 255);

// The white brush behind the printer-name field, shared by all pages for the
// rest of the run.
HBRUSH NameFieldBrush()
{
    static HBRUSH hBrush;
    if (!hBrush) hBrush = CreateSolidBrush(WHITE);
    return hBrush;
}

} // namespace

BEGIN_MESSAGE_MAP(CWizardPage, CDialog)
    ON_WM_CTLCOLOR()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CWizardPage::CWizardPage(UINT nIDTemplate, CWnd* pParentWnd) : CDialog(nIDTemplate, pParentWnd), m_nIDD(nIDTemplate)
{
}

CWizardPage::~CWizardPage() = default;

BOOL CWizardPage::OnCreatePage()
{
    return TRUE;
}

void CWizardPage::OnDestroyPage() {}

BOOL CWizardPage::OnKillActive()
{
    return TRUE;
}

void CWizardPage::OnSetActive() {}

BOOL CWizardPage::OnQueryCancel()
{
    return TRUE;
}

LRESULT CWizardPage::OnWizardBack()
{
    return 0;
}

LRESULT CWizardPage::OnWizardNext()
{
    return 0;
}

BOOL CWizardPage::OnWizardFinish()
{
    return TRUE;
}

void CWizardPage::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
}

BOOL CWizardPage::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_brushBkgnd.CreateSolidBrush(WHITE);
    return TRUE;
}

void CWizardPage::OnCancel() {}

void CWizardPage::OnOK() {}

HBRUSH CWizardPage::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    HBRUSH hBrush = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    const int id = pWnd ? pWnd->GetDlgCtrlID() : 0;
    switch (nCtlColor) {
    case CTLCOLOR_EDIT:
    case CTLCOLOR_STATIC:  // read-only edits come as statics
        pDC->SetTextColor(BLACK);
        if (id == IDC_PRINTER_NAME) {
            pDC->SetBkColor(WHITE);
            return NameFieldBrush();
        }
        if (nCtlColor == CTLCOLOR_STATIC) pDC->SetBkColor(WHITE);
        pDC->SetBkMode(TRANSPARENT);
        return hBrush;
    case CTLCOLOR_LISTBOX:
    case CTLCOLOR_SCROLLBAR:
        pDC->SetTextColor(BLACK);
        pDC->SetBkMode(TRANSPARENT);
        return hBrush;
    case CTLCOLOR_BTN:
        pDC->SetTextColor(BLACK);
        pDC->SetBkColor(WHITE);
        return id == IDC_HEADER_GROUP ? static_cast<HBRUSH>(m_brushBkgnd) : hBrush;
    case CTLCOLOR_DLG:
        return m_brushBkgnd;
    default:
        return hBrush;
    }
}

BOOL CWizardPage::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CWizardPage::LayoutHeader(CWnd* pGroupBox, CWnd* pPicture)
{
    CWinApp* pApp = AfxGetApp();
    CWnd* pFrame = pApp ? pApp->m_pMainWnd : nullptr;
    if (!pFrame || !pFrame->m_hWnd || !pGroupBox->m_hWnd || !pPicture->m_hWnd) return;

    RECT frame, group, picture;
    pFrame->GetWindowRect(&frame);
    pFrame->ScreenToClient(&frame);
    pGroupBox->GetWindowRect(&group);
    ScreenToClient(&group);
    pGroupBox->MoveWindow(frame.left, frame.top, frame.right - frame.left, group.bottom - frame.top, TRUE);

    pPicture->GetWindowRect(&picture);
    const int width = picture.right - picture.left, height = picture.bottom - picture.top;
    pPicture->MoveWindow(frame.right - 5 - width, 18, width, height, TRUE);
}
