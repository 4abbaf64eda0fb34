#include "WizardAssembly.h"

#include "PrinterPage.h"
#include "ProgressPage.h"
#include "SetupApp.h"
#include "SetupDlg.h"
#include "SystemPage.h"
#include "WelcomePage.h"
#include "resource.h"

void RunWizard()
{
    CSetupDlg dlg;
    CWelcomePage welcome;
    CSystemPage system;
    CPrinterPage printer;
    CProgressPage progress;
    dlg.AddPage(&welcome, IDD_WELCOME_PAGE);
    dlg.AddPage(&system, IDD_SYSTEM_PAGE);
    dlg.AddPage(&printer, IDD_PRINTER_PAGE);
    dlg.AddPage(&progress, IDD_PROGRESS_PAGE);

    theApp.m_pMainWnd = &dlg;
    // Finish (12325), Cancel, or -1 when a successful installation posted WM_QUIT.
    if (dlg.DoModal() == IDC_FINISH) {
        theApp.BeginWaitCursor();
        theApp.EndWaitCursor();
    }
    theApp.m_pMainWnd = nullptr;
}
