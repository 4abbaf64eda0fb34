#include "SetupDlg.h"

#include "AboutDlg.h"
#include "StringSets.h"

BEGIN_MESSAGE_MAP(CSetupDlg, CWizardFrame)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_BN_CLICKED(1061, OnCancel)
END_MESSAGE_MAP()

CSetupDlg::CSetupDlg(CWnd* pParentWnd)
    : CWizardFrame(IDD_SETUP_DIALOG, pParentWnd),
      m_hIcon(LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME)))
{
}

CSetupDlg::~CSetupDlg() = default;

void CSetupDlg::DoDataExchange(CDataExchange* pDX)
{
    CWizardFrame::DoDataExchange(pDX);
}

BOOL CSetupDlg::OnInitDialog()
{
    SetPlaceholderID(1000);
    CWizardFrame::OnInitDialog();

    // "About" at the end of the system menu; its text is the same in every language.
    if (CMenu* pSysMenu = GetSystemMenu(FALSE)) {
        char szAbout[256] = {};
        LoadStringA(AfxGetResourceHandle(), IDS_ABOUTBOX, szAbout, sizeof(szAbout));
        if (szAbout[0]) {
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, szAbout);
        }
    }
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    g_SetDialogStrings(this, IDD_SETUP_DIALOG);
    return TRUE;
}

void CSetupDlg::OnCancel()
{
    CWizardFrame::OnCancel();
}

void CSetupDlg::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
    } else {
        CWizardFrame::OnSysCommand(nID, lParam);
    }
}

void CSetupDlg::OnPaint()
{
    if (!IsIconic()) {
        CWizardFrame::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    RECT rect;
    GetClientRect(&rect);
    const int x = (rect.right - rect.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (rect.bottom - rect.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CSetupDlg::OnQueryDragIcon()
{
    return reinterpret_cast<HCURSOR>(m_hIcon);
}
