#pragma once
// CWizardFrame: the modal frame that shows one page at a time on its
// placeholder control and moves through the ordered page list with Back,
// Next, Finish and Cancel.

#include "Framework.h"
#include "WizardPage.h"

enum {
    IDC_BACK = 12323,
    IDC_NEXT = 12324,
    IDC_FINISH = 12325,
};

class CWizardFrame : public CDialog {
public:
    CWizardFrame(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    ~CWizardFrame() override;

    void AddPage(CWizardPage* pPage, UINT nID);
    void SetPlaceholderID(UINT nID);

    CWizardPage* GetFirstPage();
    CWizardPage* GetLastPage();
    CWizardPage* GetActivePage();
    CWizardPage* FindPage(UINT nIDD);

    BOOL ShowPage(CWizardPage* pPage);
    BOOL HideActivePage();
    BOOL DestroyPage(CWizardPage* pPage);
    BOOL StartWizard();

    void EnableBack(BOOL bEnable);
    void EnableNext(BOOL bEnable);
    void EnableFinish(BOOL bEnable);

    CPtrList m_pages;
    UINT m_nPlaceholderID = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnCancel() override;
    void OnBack();
    void OnNext();
    void OnFinish();
    void OnDestroy();

private:
    void EnableButton(int nID, BOOL bEnable);
    // The page after (bNext) or before the page in list order, or none.
    CWizardPage* Neighbour(CWizardPage* pPage, bool bNext);

    DECLARE_MESSAGE_MAP()
};
