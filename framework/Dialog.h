#pragma once
// CDialog: a dialog created from a template in the program's resources,
// either modal (DoModal) or modeless (Create).
//
// DoModal runs the framework's own modal loop: each message is first offered
// to the permanent window objects from its target up to the dialog
// (PreTranslateMessage; a dialog uses IsDialogMessage for keyboard and mouse
// input), so that keys pressed inside a child dialog reach that child dialog.
// DoModal returns the value given to EndDialog, or -1 when the loop ends
// through WM_QUIT (which it posts again for any outer loop) or the dialog
// cannot be created.

#include "Wnd.h"

class CDataExchange;

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    ~CDialog() override;

    virtual INT_PTR DoModal();
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);
    // TRUE reads the controls into the members, FALSE writes the members into the controls.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR RunModalLoop();

    BOOL m_bContinueModal = FALSE;
    INT_PTR m_nModalResult = -1;

    DECLARE_MESSAGE_MAP()
};

// Dialog data exchange: moves values between members and the controls of a dialog.
class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}
    HWND PrepareCtrl(int nIDC) const { return ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC); }

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};

// Binds a control object to control nIDC of the dialog (once).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// The index of the checked button in the radio group that starts at nIDC, -1 for none.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
// The check state of a check box: 0 clear, 1 checked, 2 indeterminate.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
