#pragma once
// The installer's application object.

#include "Framework.h"

class CSetupApp : public CWinApp {
public:
    CSetupApp() = default;

    BOOL InitInstance() override;

    // Makes sure a string set declaring the language exists in the language folder
    // and records the language in the setting file.
    void LoadLanguage(CString strLanguage);

    // Writes OWNER_DATA resource nID to a file. FALSE when the resource is
    // missing or the file could not be written completely.
    BOOL ExtractResource(UINT nID, CString strPath);

    // The whole installation run, started by the wizard's progress page.
    void Install();
    // Writes the entry in the system's list of installed programs.
    void RegisterUninstall();

    // Delete one file from the driver directory, its "3" subfolder, or the staging folder.
    void DeleteFromDriverDir(LPCSTR pszName);
    void DeleteFromVersionDir(LPCSTR pszName);
    void DeleteFromTemp(LPCSTR pszName);
};

extern CSetupApp theApp;
