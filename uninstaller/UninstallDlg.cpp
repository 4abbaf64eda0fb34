#include "UninstallDlg.h"

#include "Language.h"
#include "Product.h"
#include "Removal.h"

#include <string>
#include <vector>

bool removalCompleted = false;

BEGIN_MESSAGE_MAP(CUninstallDlg, CDialog)
    ON_BN_CLICKED(IDC_UNINSTALL_BUTTON, OnUninstallButton)
    ON_BN_CLICKED(IDC_CANCEL_BUTTON, OnCancelButton)
END_MESSAGE_MAP()

CUninstallDlg::CUninstallDlg(CWnd* pParent) : CDialog(IDD, pParent)
{
    m_hIcon = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_UNINSTALL));
}

void CUninstallDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
}

BOOL CUninstallDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    ApplyLanguage();
    // The focus goes to the first tab stop, button 1001.
    return TRUE;
}

void CUninstallDlg::ApplyLanguage()
{
    // Up to Windows XP the thread locale picks the string table; later
    // versions ignore it, so LoadText also asks for the language itself.
    const LANGID langText = ChooseTextLanguage(::GetSystemDefaultLangID());
    if (langText) ::SetThreadLocale(MAKELCID(langText, SORT_DEFAULT));

    const CString strUninstall = LoadText(IDS_UNINSTALL);
    const CString strCancel = LoadText(IDS_CANCEL);
    ::SetDlgItemTextA(m_hWnd, IDC_UNINSTALL_BUTTON, strUninstall);
    ::SetDlgItemTextA(m_hWnd, IDC_CANCEL_BUTTON, strCancel);
    SetWindowText(strUninstall);
}

void CUninstallDlg::OnUninstallButton()
{
    CWinApp* pApp = AfxGetApp();
    pApp->BeginWaitCursor();

    // What could not be removed, for the completion message.
    std::vector<std::string> left;

    CLocalSpooler spooler;
    if (RemoveModelPrinters(spooler, &left) == PRINTERS_STOPPED) {
        // A printer of this model cannot be opened (typically: no administrator
        // rights). Nothing else is touched; the user may retry or cancel.
        pApp->EndWaitCursor();
        return;
    }

    ForEachRemovalPath(GetDriverDirectory, [&left](LPCSTR pszPath) {
        if (!::DeleteFileA(pszPath) && ::GetFileAttributesA(pszPath) != INVALID_FILE_ATTRIBUTES)
            left.push_back(pszPath);
    });

    ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, UNINSTALL_KEY);
    removalCompleted = true;

    const CString strMessage = CompletionText(LoadText(IDS_REMOVED), LoadText(IDS_INCOMPLETE), left);
    ::MessageBoxA(m_hWnd, strMessage, pApp->m_pszAppName, MB_OK | MB_ICONEXCLAMATION);

    EndDialog(IDOK);
    pApp->EndWaitCursor();
}

void CUninstallDlg::OnCancelButton()
{
    EndDialog(IDCANCEL);
}
