#include "DriverDirectory.h"

#include "PathFormat.h"
#include "Product.h"
#include "SetupApp.h"

#include <cstring>

BOOL GetDriverDirectory(char (&dir)[MAX_PATH])
{
    DWORD needed = 0;
    const BOOL ok = GetPrinterDriverDirectoryA(NULL, const_cast<LPSTR>(SPOOLER_ENVIRONMENT), 1,
                                               reinterpret_cast<LPBYTE>(dir), MAX_PATH, &needed);
    if (!ok || std::memchr(dir, '\0', MAX_PATH) == nullptr) {
        if (ok) SetLastError(ERROR_INSUFFICIENT_BUFFER);
        dir[0] = '\0';
        return FALSE;
    }
    return TRUE;
}

void CopyToDriverDir(LPCSTR pszName, BOOL bFailIfExists)
{
    char dir[MAX_PATH], source[MAX_PATH], target[MAX_PATH];
    if (!GetDriverDirectory(dir)) return;
    if (!FormatPath(source, "%s\\%s", STAGING_FOLDER, pszName)) return;
    if (!FormatPath(target, "%s\\%s", dir, pszName)) return;
    CopyFileA(source, target, bFailIfExists);
}

void CSetupApp::DeleteFromDriverDir(LPCSTR pszName)
{
    char dir[MAX_PATH], path[MAX_PATH];
    if (GetDriverDirectory(dir) && FormatPath(path, "%s\\%s", dir, pszName)) DeleteFileA(path);
}

void CSetupApp::DeleteFromVersionDir(LPCSTR pszName)
{
    char dir[MAX_PATH], path[MAX_PATH];
    if (GetDriverDirectory(dir) && FormatPath(path, "%s\\3\\%s", dir, pszName)) DeleteFileA(path);
}

void CSetupApp::DeleteFromTemp(LPCSTR pszName)
{
    char path[MAX_PATH];
    if (FormatPath(path, "%s\\%s", "c:\\temp", pszName)) DeleteFileA(path);
}
