#pragma once
// CSetupDlg: this program's wizard frame, with its icon, the About entry of
// the system menu and the texts of the active string set.

#include "WizardFrame.h"

class CSetupDlg : public CWizardFrame {
public:
    explicit CSetupDlg(CWnd* pParentWnd = NULL);
    ~CSetupDlg() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnCancel() override;
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();

    HICON m_hIcon;

    DECLARE_MESSAGE_MAP()
};
