#pragma once
// The first page: the welcome picture and four lines of greeting.

#include "WizardPage.h"

class CWelcomePage : public CWizardPage {
public:
    explicit CWelcomePage(CWnd* pParentWnd = NULL);
    ~CWelcomePage() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
};
