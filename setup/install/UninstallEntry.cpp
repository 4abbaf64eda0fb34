#include "DriverDirectory.h"
#include "ModelPrinters.h"
#include "PathFormat.h"
#include "Product.h"
#include "Registry.h"
#include "SetupApp.h"

#include <cstring>

namespace {

BOOL SetString(CRegistry& registry, LPCSTR pszName, LPCSTR pszText)
{
    // The size counts the terminating NUL, so that it is stored too.
    return registry.SetValue(UNINSTALL_KEY, pszName, REG_SZ, pszText, static_cast<DWORD>(std::strlen(pszText) + 1));
}

} // namespace

void CSetupApp::RegisterUninstall()
{
    // Without a printer of this model, maker files left by an earlier installation go.
    if (CountNamesWithToken(LocalPrinterNames(), PRINTER_TOKEN) == 0) {
        for (LPCSTR pszName : MAKER_FILES) DeleteFromDriverDir(pszName);
        for (LPCSTR pszName : MAKER_FILES) DeleteFromVersionDir(pszName);
        for (LPCSTR pszName : MAKER_FILES) DeleteFromTemp(pszName);
    }

    CRegistry registry;
    registry.CreateKey(UNINSTALL_KEY);
    SetString(registry, "DisplayName", "QX710 printer driver uninstall");
    // The uninstaller's path only when the driver directory is known and the path fits.
    char dir[MAX_PATH], command[MAX_PATH], icon[MAX_PATH];
    if (GetDriverDirectory(dir) && FormatPath(command, "%s\\%s", dir, UNINSTALLER_FILE)) {
        SetString(registry, "UninstallString", command);
        if (FormatPath(icon, "%s,-0", command)) SetString(registry, "DisplayIcon", icon);
    }
    SetString(registry, "Publisher", "QX710 printer");
}
