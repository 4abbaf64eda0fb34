#include "SystemPage.h"

#include "AppState.h"
#include "StringSets.h"
#include "SystemVersion.h"

BEGIN_MESSAGE_MAP(CSystemPage, CWizardPage)
    ON_BN_CLICKED(1037, OnLanguageClicked)
    ON_BN_CLICKED(1038, OnLanguageClicked)
    ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

CSystemPage::CSystemPage(CWnd* pParentWnd)
    : CWizardPage(IDD_SYSTEM_PAGE, pParentWnd), m_nLanguage(-1), m_nSystem(-1)
{
}

CSystemPage::~CSystemPage() = default;

int CSystemPage::SystemButtonFor(int osVersion)
{
    switch (osVersion) {
    case SV_WIN2000: return 0;
    case SV_WINXP: return 1;
    case SV_WIN2003: return 2;
    case SV_VISTA: return 3;
    case SV_WIN7: return 4;
    default: return -1;
    }
}

int CSystemPage::LanguageButtonFor(LANGID langSystem)
{
    switch (LOBYTE(langSystem)) {
    case LANG_CHINESE: return 0;
    case LANG_ENGLISH: return 1;
    default: return -1;
    }
}

void CSystemPage::DoDataExchange(CDataExchange* pDX)
{
    CWizardPage::DoDataExchange(pDX);
    DDX_Control(pDX, 1065, m_staticBitmap);
    DDX_Control(pDX, 1040, m_groupHeader);
    DDX_Radio(pDX, 1037, m_nLanguage);
    DDX_Radio(pDX, 1032, m_nSystem);
}

BOOL CSystemPage::OnInitDialog()
{
    CWizardPage::OnInitDialog();
    m_nLanguage = LanguageButtonFor(GetSystemDefaultLangID());
    SetupChoices.language = static_cast<short>(m_nLanguage);
    m_nSystem = SystemButtonFor(GetSystemVersionCode());
    g_SetDialogStrings(this, IDD_SYSTEM_PAGE);
    LayoutHeader(&m_groupHeader, &m_staticBitmap);
    UpdateData(FALSE);
    return TRUE;
}

void CSystemPage::OnLanguageClicked()
{
    // Only the language of the installation's messages changes.
    UpdateData(TRUE);
    SetupChoices.language = static_cast<short>(m_nLanguage);
}

void CSystemPage::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CWizardPage::OnShowWindow(bShow, nStatus);
    LayoutHeader(&m_groupHeader, &m_staticBitmap);
}
