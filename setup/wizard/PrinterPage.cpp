#include "PrinterPage.h"

#include "StringSets.h"
#include "WizardFrame.h"

namespace {

constexpr char SERIES_76MM[] = "76mm series";

} // namespace

BEGIN_MESSAGE_MAP(CPrinterPage, CWizardPage)
    ON_LBN_SELCHANGE(1006, OnSelchangeSeries)
    ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

CPrinterPage::CPrinterPage(CWnd* pParentWnd) : CWizardPage(IDD_PRINTER_PAGE, pParentWnd), m_bDefault(TRUE) {}

CPrinterPage::~CPrinterPage() = default;

CWizardFrame* CPrinterPage::Frame() const
{
    return static_cast<CWizardFrame*>(CWnd::FromHandlePermanent(::GetParent(m_hWnd)));
}

void CPrinterPage::DoDataExchange(CDataExchange* pDX)
{
    CWizardPage::DoDataExchange(pDX);
    DDX_Control(pDX, 1006, m_listSeries);
    DDX_Check(pDX, 1039, m_bDefault);
    DDX_Text(pDX, 1019, m_strName);
}

BOOL CPrinterPage::OnInitDialog()
{
    CWizardPage::OnInitDialog();
    UpdateData(TRUE);
    m_listSeries.InsertString(-1, SERIES_76MM);
    if (CWizardFrame* pFrame = Frame()) pFrame->EnableNext(m_listSeries.GetCurSel() != LB_ERR);
    g_SetDialogStrings(this, IDD_PRINTER_PAGE);
    return TRUE;
}

void CPrinterPage::OnSelchangeSeries()
{
    if (CWizardFrame* pFrame = Frame()) pFrame->EnableNext(TRUE);
    if (m_listSeries.GetCurSel() == 0) m_strName = SERIES_76MM;
    UpdateData(FALSE);
}

void CPrinterPage::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CWizardPage::OnShowWindow(bShow, nStatus);
    UpdateData(TRUE);
}
