#include "WelcomePage.h"

#include "StringSets.h"

CWelcomePage::CWelcomePage(CWnd* pParentWnd) : CWizardPage(IDD_WELCOME_PAGE, pParentWnd) {}

CWelcomePage::~CWelcomePage() = default;

void CWelcomePage::DoDataExchange(CDataExchange* pDX)
{
    CWizardPage::DoDataExchange(pDX);
}

BOOL CWelcomePage::OnInitDialog()
{
    CWizardPage::OnInitDialog();
    g_SetDialogStrings(this, IDD_WELCOME_PAGE);
    return TRUE;
}
