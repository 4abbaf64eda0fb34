#include "Removal.h"

#include "Product.h"

#include <winspool.h>

#include <cstring>

BOOL IsModelPrinter(LPCSTR pszName)
{
    // DBCS-aware, so the trail byte of a Chinese character is never taken for the 'Q'.
    return pszName && CString(pszName).Find(PRINTER_TOKEN) >= 0;
}

DWORD CLocalSpooler::ListSize()
{
    DWORD cbNeeded = 0, count = 0;
    ::EnumPrintersA(PRINTER_ENUM_LOCAL, NULL, 2, NULL, 0, &cbNeeded, &count);
    return cbNeeded;
}

LPBYTE CLocalSpooler::Allocate(DWORD cb)
{
    return static_cast<LPBYTE>(::HeapAlloc(::GetProcessHeap(), HEAP_ZERO_MEMORY, cb));
}

void CLocalSpooler::Release(LPBYTE pBuffer)
{
    ::HeapFree(::GetProcessHeap(), 0, pBuffer);
}

BOOL CLocalSpooler::List(LPBYTE pBuffer, DWORD cb, DWORD* pCount)
{
    DWORD cbNeeded = 0;
    return ::EnumPrintersA(PRINTER_ENUM_LOCAL, NULL, 2, pBuffer, cb, &cbNeeded, pCount);
}

BOOL CLocalSpooler::Open(LPSTR pszName, HANDLE* phPrinter)
{
    PRINTER_DEFAULTSA defaults = {NULL, NULL, PRINTER_ALL_ACCESS};
    return ::OpenPrinterA(pszName, phPrinter, &defaults);
}

BOOL CLocalSpooler::Delete(HANDLE hPrinter)
{
    return ::DeletePrinter(hPrinter);
}

void CLocalSpooler::Close(HANDLE hPrinter)
{
    ::ClosePrinter(hPrinter);
}

namespace {

// A record's name when it lies inside the list and ends there, else NULL.
LPSTR NameInList(LPSTR pszName, LPBYTE pBuffer, DWORD cb)
{
    const LPBYTE p = reinterpret_cast<LPBYTE>(pszName);
    if (!p || p < pBuffer || p >= pBuffer + cb) return NULL;
    return std::memchr(p, 0, static_cast<size_t>(pBuffer + cb - p)) ? pszName : NULL;
}

} // namespace

PrinterStep RemoveModelPrinters(CPrinterAccess& spooler, std::vector<std::string>* pNotDeleted)
{
    const DWORD cb = spooler.ListSize();
    if (cb == 0) return PRINTERS_DONE;
    LPBYTE pBuffer = spooler.Allocate(cb);
    if (!pBuffer) return PRINTERS_DONE;

    DWORD count = 0;
    if (!spooler.List(pBuffer, cb, &count)) count = 0;
    const DWORD capacity = cb / sizeof(PRINTER_INFO_2A);
    if (count > capacity) count = capacity;

    PRINTER_INFO_2A* pInfo = reinterpret_cast<PRINTER_INFO_2A*>(pBuffer);
    for (DWORD i = count; i-- > 0;) {
        LPSTR pszName = NameInList(pInfo[i].pPrinterName, pBuffer, cb);
        if (!IsModelPrinter(pszName)) continue;
        HANDLE hPrinter = NULL;
        if (!spooler.Open(pszName, &hPrinter)) {
            spooler.Release(pBuffer);
            return PRINTERS_STOPPED;
        }
        if (!spooler.Delete(hPrinter) && pNotDeleted) pNotDeleted->push_back(pszName);
        spooler.Close(hPrinter);
    }
    spooler.Release(pBuffer);
    return PRINTERS_DONE;
}

BOOL FormRemovalPath(RemovalFolder folder, LPCSTR pszDriverDir, LPCSTR pszFile, LPSTR pszPath, size_t cchPath)
{
    if (!pszFile || !pszPath || cchPath == 0) return FALSE;
    LPCSTR pszBase = "c:\\temp";
    LPCSTR pszSeparator = "\\";
    if (folder == FOLDER_DRIVER || folder == FOLDER_VERSION) {
        if (!pszDriverDir || !*pszDriverDir) return FALSE;
        pszBase = pszDriverDir;
        if (folder == FOLDER_VERSION) pszSeparator = "\\3\\";
    } else if (folder != FOLDER_STAGING) {
        return FALSE;
    }
    const size_t cchBase = std::strlen(pszBase), cchSeparator = std::strlen(pszSeparator),
                 cchFile = std::strlen(pszFile);
    if (cchBase + cchSeparator + cchFile >= cchPath) return FALSE;
    std::memcpy(pszPath, pszBase, cchBase);
    std::memcpy(pszPath + cchBase, pszSeparator, cchSeparator);
    std::memcpy(pszPath + cchBase + cchSeparator, pszFile, cchFile + 1);
    return TRUE;
}

void ForEachRemovalPath(const DriverDirectorySource& driverDirectory, const std::function<void(LPCSTR)>& visit)
{
    for (int folder = 0; folder < FOLDER_COUNT; ++folder) {
        for (LPCSTR pszFile : MAKER_FILES) {
            char szDir[MAX_PATH] = {};
            LPCSTR pszDir = NULL;
            if (folder != FOLDER_STAGING && driverDirectory(szDir, sizeof(szDir)) &&
                std::memchr(szDir, 0, sizeof(szDir)))
                pszDir = szDir;
            char szPath[MAX_PATH];
            if (FormRemovalPath(static_cast<RemovalFolder>(folder), pszDir, pszFile, szPath, sizeof(szPath)))
                visit(szPath);
        }
    }
}

BOOL GetDriverDirectory(LPSTR pszDir, size_t cchDir)
{
    DWORD cbNeeded = 0;
    return ::GetPrinterDriverDirectoryA(NULL, const_cast<LPSTR>(SPOOLER_ENVIRONMENT), 1,
                                        reinterpret_cast<LPBYTE>(pszDir), static_cast<DWORD>(cchDir), &cbNeeded);
}

CString CompletionText(const CString& strDone, const CString& strIncomplete, const std::vector<std::string>& left)
{
    if (left.empty()) return strDone;
    CString strLeft;
    for (const std::string& item : left) {
        if (!strLeft.IsEmpty()) strLeft += ", ";
        strLeft += item.c_str();
    }
    const int at = strIncomplete.Find("%s");
    if (at < 0) return strIncomplete + " " + strLeft;
    return strIncomplete.Left(at) + strLeft + strIncomplete.Mid(at + 2);
}
