#pragma once
// The last page: 500 ms after it is shown it runs the installation under a
// wait cursor, with the progress bar at 50 before and 100 after.

#include "WizardPage.h"

class CProgressPage : public CWizardPage {
public:
    explicit CProgressPage(CWnd* pParentWnd = NULL);
    ~CProgressPage() override;

    CBrush m_brushHeader;
    CStatic m_staticBitmap;
    CProgressCtrl m_progress;
    CButton m_groupHeader;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnTimer(UINT_PTR nIDEvent);
    void OnShowWindow(BOOL bShow, UINT nStatus);

    DECLARE_MESSAGE_MAP()
};
