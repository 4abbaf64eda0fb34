#pragma once
// CWizardPage: the base of every wizard page. A page is a modeless child
// dialog of the frame; the frame creates it when it is first reached, then
// only hides and shows it, and asks it through eight hooks whether and where
// the wizard may move. Pages share their colours and the header band layout.

#include "Framework.h"

class CWizardFrame;

class CWizardPage : public CDialog {
public:
    explicit CWizardPage(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    ~CWizardPage() override;

    // Hooks the frame calls.
    virtual BOOL OnCreatePage();      // right after the window exists; FALSE: the page is not shown
    virtual void OnDestroyPage();     // before the window is destroyed with the frame
    virtual BOOL OnKillActive();      // before the page is hidden; FALSE keeps it
    virtual void OnSetActive();       // after the page has been shown
    virtual BOOL OnQueryCancel();     // on Cancel; FALSE keeps the wizard open
    virtual LRESULT OnWizardBack();   // 0 the previous page, -1 stay, else a dialog number
    virtual LRESULT OnWizardNext();   // 0 the next page, -1 stay, else a dialog number
    virtual BOOL OnWizardFinish();    // on Finish; FALSE keeps the wizard open

    CWizardFrame* m_pFrame = nullptr;
    BOOL m_bCreated = FALSE;
    BOOL m_bActive = FALSE;
    UINT m_nIDD;
    CBrush m_brushBkgnd;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Escape inside a page ends nothing: cancelling is the frame's business.
    void OnCancel() override;
    // Enter inside a page neither: the dialog's default OK would end (hide) the
    // page and leave the frame empty.
    void OnOK() override;

    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    BOOL OnEraseBkgnd(CDC* pDC);

    // Stretches the header group box over the frame's whole width (only its
    // bottom edge stays visible) and puts the header picture at its right end.
    void LayoutHeader(CWnd* pGroupBox, CWnd* pPicture);

    DECLARE_MESSAGE_MAP()
};
