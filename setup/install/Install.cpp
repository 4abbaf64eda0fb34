#include "AppState.h"
#include "DriverDescription.h"
#include "DriverDirectory.h"
#include "ErrorBox.h"
#include "PathFormat.h"
#include "PayloadCatalogue.h"
#include "PrinterCreation.h"
#include "Product.h"
#include "ResourceStore.h"
#include "SetupApp.h"
#include "SystemVersion.h"
#include "resource.h"

#include <cstdlib>

namespace {

constexpr size_t DEPENDENT_FILES_SIZE = 13000;

// Positions in DRIVER_FILES of the maker files that the spooler keeps in its "3" folder.
bool ClearedFromVersionDir(int position)
{
    return position == 1 || position == 2 || position == 3 || position == 4 || position == 6;
}

// Removes the staged and copied files of an earlier run.
void ClearOldFiles(LPCSTR pszDriverDir)
{
    char path[MAX_PATH];
    for (int i = 0; i < DRIVER_FILE_COUNT; ++i) {
        if (FormatPath(path, "%s\\%s", STAGING_FOLDER, DRIVER_FILES[i])) DeleteFileA(path);
        if (FormatPath(path, "%s\\%s", pszDriverDir, DRIVER_FILES[i])) DeleteFileA(path);
        if (ClearedFromVersionDir(i) && FormatPath(path, "%s\\3\\%s", pszDriverDir, DRIVER_FILES[i]))
            DeleteFileA(path);
    }
}

// Writes one file into the staging folder. FALSE only when the file could not
// be written completely (a full disk): the run must not go on with it.
BOOL Stage(UINT nResource, LPCSTR pszName)
{
    char path[MAX_PATH];
    if (!FormatPath(path, "%s\\%s", STAGING_FOLDER, pszName)) return TRUE;
    return WriteResourceFile(nResource, path) != ResourceWrite::WriteFailed;
}

// The full path of a driver file, or "" when the name is empty or the path would not fit.
void DriverPath(char (&path)[MAX_PATH], LPCSTR pszDir, LPCSTR pszName)
{
    path[0] = '\0';
    if (*pszName) FormatPath(path, "%s\\%s", pszDir, pszName);
}

} // namespace

void CSetupApp::Install()
{
    const LANGID langSystem = GetSystemDefaultLangID();
    RegisterUninstall();

    // Nothing can be installed without the driver directory.
    char szDriverDir[MAX_PATH];
    if (!GetDriverDirectory(szDriverDir)) {
        ShowSystemError(GetLastError());
        return;
    }
    FillDriverDescription(&g_driverDesc, g_osVersion);

    char* pDependentFiles = static_cast<char*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, DEPENDENT_FILES_SIZE));
    if (!pDependentFiles) {
        ShowSystemError(ERROR_NOT_ENOUGH_MEMORY);
        return;
    }
    BuildDependentFiles(szDriverDir, g_driverDesc.szDependentFiles, pDependentFiles, DEPENDENT_FILES_SIZE);

    char szDriverPath[MAX_PATH], szConfigPath[MAX_PATH], szDataPath[MAX_PATH], szHelpPath[MAX_PATH];
    DriverPath(szDriverPath, szDriverDir, g_driverDesc.szDriverFile);
    DriverPath(szConfigPath, szDriverDir, g_driverDesc.szConfigFile);
    DriverPath(szDataPath, szDriverDir, g_driverDesc.szDataFile);
    DriverPath(szHelpPath, szDriverDir, g_driverDesc.szHelpFile);

    ClearOldFiles(szDriverDir);
    CreateDirectoryA(STAGING_FOLDER, NULL);

    // The uninstaller goes with every system; then the payload of the system's set.
    BOOL bStaged = Stage(IDR_UNINSTALLER, UNINSTALLER_FILE);
    if (bStaged) CopyToDriverDir(UNINSTALLER_FILE, FALSE);
    const PayloadSelection payload = SelectPayload(g_osVersion, langSystem, SetupChoices.language);
    for (int i = 0; bStaged && i < payload.count; ++i) bStaged = Stage(payload.files[i].nResource, payload.files[i].pszName);
    if (!bStaged) {
        // A full disk: nothing half-written stays, and nothing is registered.
        ShowSystemError(GetLastError());
        HeapFree(GetProcessHeap(), 0, pDependentFiles);
        return;
    }
    if (payload.count > 0)
        for (LPCSTR pszName : COPY_ORDER) CopyToDriverDir(pszName, FALSE);

    DRIVER_INFO_3A info = {};
    info.cVersion = static_cast<DWORD>(std::atoi(g_driverDesc.szVersion));
    info.pName = g_driverDesc.szName;
    info.pEnvironment = g_driverDesc.szEnvironment;
    info.pDriverPath = szDriverPath;
    info.pDataFile = szDataPath;
    info.pConfigFile = szConfigPath;
    info.pHelpFile = szHelpPath;
    info.pDependentFiles = pDependentFiles;
    info.pMonitorName = g_driverDesc.szMonitorName;
    info.pDefaultDataType = g_driverDesc.szDefaultDataType;

    const BOOL bRegistered = (g_osVersion == SV_WIN2000 || g_osVersion == SV_WINXP)
                                 ? AddPrinterDriverExA(NULL, 3, reinterpret_cast<LPBYTE>(&info), APD_COPY_NEW_FILES)
                                 : AddPrinterDriverA(NULL, 3, reinterpret_cast<LPBYTE>(&info));
    const DWORD dwError = GetLastError();
    HeapFree(GetProcessHeap(), 0, pDependentFiles);
    if (!bRegistered) {
        ShowSystemError(dwError);
        return;
    }
    CreatePrinterAndFinish(langSystem);
}
