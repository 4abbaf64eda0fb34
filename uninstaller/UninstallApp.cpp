#include "UninstallApp.h"

#include "Product.h"
#include "SelfDelete.h"
#include "UninstallDlg.h"

CUninstallApp theApp;

BOOL CUninstallApp::InitInstance()
{
    CUninstallDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    // No message loop of our own: the program ends through ExitInstance.
    return FALSE;
}

int CUninstallApp::ExitInstance()
{
    if (removalCompleted) {
        ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, UNINSTALL_KEY);
        DeleteSelf();
    }
    return CWinApp::ExitInstance();
}
