#pragma once
// The second page: the detected Windows version (preselected, informative
// only) and the language of the installation's messages.

#include "WizardPage.h"

class CSystemPage : public CWizardPage {
public:
    explicit CSystemPage(CWnd* pParentWnd = NULL);
    ~CSystemPage() override;

    CStatic m_staticBitmap;
    CButton m_groupHeader;
    int m_nLanguage;  // 0 Chinese, 1 English, -1 none
    int m_nSystem;    // 0 Windows 2000 .. 4 Windows 7, -1 none

    // The target-system button for a system version code, -1 for none.
    static int SystemButtonFor(int osVersion);
    // The language button for a system default language, -1 for none.
    static int LanguageButtonFor(LANGID langSystem);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnLanguageClicked();
    void OnShowWindow(BOOL bShow, UINT nStatus);

    DECLARE_MESSAGE_MAP()
};
