#pragma once
// The uninstaller's application object.

#include "Framework.h"

class CUninstallApp : public CWinApp {
public:
    CUninstallApp() = default;

    BOOL InitInstance() override;
    int ExitInstance() override;
};

extern CUninstallApp theApp;
