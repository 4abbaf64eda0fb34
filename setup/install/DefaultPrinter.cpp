#include "DefaultPrinter.h"

#include <cstdio>
#include <cstring>

namespace {

typedef BOOL(WINAPI* SetDefaultPrinterProc)(LPCSTR);

// The change of the default printer, told to every top-level window.
void BroadcastChange(LPCSTR pszSection)
{
    SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(pszSection), SMTO_NORMAL,
                        1000, NULL);
}

// An open printer and its PRINTER_INFO_2 in a fixed memory block.
struct PrinterRecord {
    HANDLE hPrinter = NULL;
    PRINTER_INFO_2A* pInfo = nullptr;

    BOOL Read(LPCSTR pszName)
    {
        if (!OpenPrinterA(const_cast<LPSTR>(pszName), &hPrinter, NULL) || !hPrinter) {
            hPrinter = NULL;
            return FALSE;
        }
        DWORD needed = 0;
        SetLastError(0);
        if (!GetPrinterA(hPrinter, 2, NULL, 0, &needed) &&
            (GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed == 0))
            return FALSE;
        pInfo = static_cast<PRINTER_INFO_2A*>(GlobalAlloc(GPTR, needed));
        if (!pInfo) return FALSE;
        return GetPrinterA(hPrinter, 2, reinterpret_cast<LPBYTE>(pInfo), needed, &needed);
    }
    ~PrinterRecord()
    {
        if (hPrinter) ClosePrinter(hPrinter);
        if (pInfo) GlobalFree(pInfo);
    }
};

int UseSpoolerCall(LPCSTR pszPrinterName)
{
    HMODULE hSpooler = LoadLibraryA("winspool.drv");
    if (!hSpooler) return 0;
    auto pfnSetDefault = reinterpret_cast<SetDefaultPrinterProc>(
        reinterpret_cast<void (*)()>(GetProcAddress(hSpooler, "SetDefaultPrinterA")));
    if (!pfnSetDefault) {
        FreeLibrary(hSpooler);
        return 0;
    }
    const BOOL ok = pfnSetDefault(pszPrinterName);
    FreeLibrary(hSpooler);
    if (!ok) return 0;
    BroadcastChange(NULL);
    return 1;
}

int UseProfileEntry(LPCSTR pszPrinterName)
{
    PrinterRecord record;
    if (!record.Read(pszPrinterName)) return 0;
    if (!record.pInfo->pDriverName || !record.pInfo->pPortName) return 0;
    const size_t size = std::strlen(pszPrinterName) + std::strlen(record.pInfo->pDriverName) +
                        std::strlen(record.pInfo->pPortName) + 3;
    char* pszValue = static_cast<char*>(GlobalAlloc(GPTR, size));
    if (!pszValue) return 0;
    int result = 0;
    if (FormatDeviceValue(pszValue, size, pszPrinterName, record.pInfo->pDriverName, record.pInfo->pPortName) &&
        WriteProfileStringA("windows", "device", pszValue)) {
        BroadcastChange(NULL);
        result = 1;
    }
    GlobalFree(pszValue);
    return result;
}

int UsePrinterAttribute(LPCSTR pszPrinterName)
{
    PrinterRecord record;
    if (!record.Read(pszPrinterName)) return 0;
    record.pInfo->Attributes |= PRINTER_ATTRIBUTE_DEFAULT;
    if (!SetPrinterA(record.hPrinter, 2, reinterpret_cast<LPBYTE>(record.pInfo), 0)) return 0;
    BroadcastChange("windows");
    return 1;
}

} // namespace

DefaultPrinterMethod ChooseDefaultPrinterMethod(DWORD dwPlatformId, DWORD dwMajorVersion)
{
    if (dwPlatformId == VER_PLATFORM_WIN32_NT)
        return dwMajorVersion >= 5 ? DefaultPrinterMethod::SpoolerCall : DefaultPrinterMethod::ProfileEntry;
    if (dwPlatformId == VER_PLATFORM_WIN32_WINDOWS) return DefaultPrinterMethod::PrinterAttribute;
    return DefaultPrinterMethod::None;
}

BOOL FormatDeviceValue(char* pszOut, size_t cbOut, LPCSTR pszPrinter, LPCSTR pszDriver, LPCSTR pszPort)
{
    const int length = std::snprintf(pszOut, cbOut, "%s,%s,%s", pszPrinter, pszDriver, pszPort);
    return length >= 0 && static_cast<size_t>(length) < cbOut;
}

int MakeDefaultPrinter(LPCSTR pszPrinterName)
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    GetVersionExA(&version);
    if (!pszPrinterName) return 0;

    switch (ChooseDefaultPrinterMethod(version.dwPlatformId, version.dwMajorVersion)) {
    case DefaultPrinterMethod::SpoolerCall: return UseSpoolerCall(pszPrinterName);
    case DefaultPrinterMethod::ProfileEntry: return UseProfileEntry(pszPrinterName);
    case DefaultPrinterMethod::PrinterAttribute: return UsePrinterAttribute(pszPrinterName);
    case DefaultPrinterMethod::None: break;
    }
    return 1;
}
