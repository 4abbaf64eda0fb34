#pragma once
// The uninstaller's dialog: one button removes the installation, the other
// closes the program.

#include "Framework.h"
#include "resource.h"

class CUninstallDlg : public CDialog {
public:
    enum { IDD = IDD_UNINSTALL };

    explicit CUninstallDlg(CWnd* pParent = NULL);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    // Sets the thread locale from the system's default language and the
    // caption and button texts in that language.
    void ApplyLanguage();

    void OnUninstallButton();
    void OnCancelButton();

protected:
    HICON m_hIcon;

    DECLARE_MESSAGE_MAP()
};

// Set once the removal has deleted the uninstall entry; the program then
// deletes its own executable as it ends.
extern bool removalCompleted;
