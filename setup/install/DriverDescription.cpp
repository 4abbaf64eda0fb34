#include "DriverDescription.h"

#include "PathFormat.h"
#include "Product.h"
#include "SystemVersion.h"

#include <cstring>

DriverDescription g_driverDesc;

const LPCSTR DRIVER_FILES[DRIVER_FILE_COUNT] = {
    "STDNAMES.GPD", "CONVELT.GPD", "DRVVELT.INI", "VELTD.dll",  "VELTF.dll", "ZIKUVELT.UFM",
    "RESVELT.DLL",  "UNIDRV.DLL",  "UNIDRV.HLP",  "UNIDRVUI.DLL", "UNIRES.DLL",
};

const LPCSTR COPY_ORDER[DRIVER_FILE_COUNT] = {
    "UNIDRV.DLL",   "CONVELT.GPD", "UNIDRVUI.DLL", "UNIDRV.HLP", "UNIRES.DLL", "STDNAMES.GPD",
    "ZIKUVELT.UFM", "DRVVELT.INI", "RESVELT.DLL",  "VELTD.dll",  "VELTF.dll",
};

LPCSTR DriverVersionDigit(int osVersion)
{
    switch (osVersion) {
    case SV_WIN98: return "0";
    case SV_NT_OTHER: return "1";
    case SV_NT4: return "2";
    default: return "3";
    }
}

void FillDriverDescription(DriverDescription* pDesc, int osVersion)
{
    std::memset(pDesc, 0, sizeof(*pDesc));
    lstrcpynA(pDesc->szVersion, DriverVersionDigit(osVersion), MAX_PATH);
    lstrcpynA(pDesc->szName, PRINTER_TOKEN, MAX_PATH);
    lstrcpynA(pDesc->szEnvironment, SPOOLER_ENVIRONMENT, MAX_PATH);
    lstrcpynA(pDesc->szDriverFile, "UNIDRV.DLL", MAX_PATH);
    lstrcpynA(pDesc->szDataFile, "CONVELT.GPD", MAX_PATH);
    lstrcpynA(pDesc->szConfigFile, "UNIDRVUI.DLL", MAX_PATH);
    lstrcpynA(pDesc->szHelpFile, "UNIDRV.HLP", MAX_PATH);
    lstrcpynA(pDesc->szDependentFiles,
              "UNIRES.DLL;STDNAMES.GPD;ZIKUVELT.UFM;DRVVELT.INI;RESVELT.DLL;VELTD.dll;VELTF.dll", MAX_PATH);
}

BOOL BuildDependentFiles(LPCSTR pszDir, LPCSTR pszNames, char* pList, size_t cbList)
{
    static const char SEPARATORS[] = ";, \t\r\n";
    if (cbList < 2) return FALSE;
    std::memset(pList, 0, cbList);
    size_t used = 0;  // bytes of complete entries; the final NUL comes after them
    for (LPCSTR p = pszNames; *p;) {
        const size_t length = std::strcspn(p, SEPARATORS);
        if (length > 0) {
            char path[MAX_PATH];
            if (!FormatPath(path, "%s\\%.*s", pszDir, static_cast<int>(length), p)) return FALSE;
            const size_t size = std::strlen(path) + 1;
            if (used + size + 1 > cbList) return FALSE;
            std::memcpy(pList + used, path, size);
            used += size;
        }
        p += length;
        if (*p) ++p;
    }
    return TRUE;
}
