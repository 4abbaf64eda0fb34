#include "AboutDlg.h"

#include "StringSets.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // No string set has texts for the About box; English systems still get their font.
    g_SetDialogStrings(this, IDD_ABOUTBOX);
    return TRUE;
}

void CAboutDlg::OnOK()
{
    CDialog::OnOK();
}
