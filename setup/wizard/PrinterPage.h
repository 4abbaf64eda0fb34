#pragma once
// The third page: the printer series, a default-printer check box and the
// read-only name field. Next stays disabled until a series is selected.

#include "WizardPage.h"

class CPrinterPage : public CWizardPage {
public:
    explicit CPrinterPage(CWnd* pParentWnd = NULL);
    ~CPrinterPage() override;

    CListBox m_listSeries;
    BOOL m_bDefault;
    CString m_strName;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnSelchangeSeries();
    void OnShowWindow(BOOL bShow, UINT nStatus);

private:
    // The wizard frame: this page's parent window.
    CWizardFrame* Frame() const;

    DECLARE_MESSAGE_MAP()
};
