#pragma once
// The decisions of the removal: which printers go, which files in which
// order, and what the completion message says.

#include "Framework.h"

#include <functional>
#include <string>
#include <vector>

// A printer of this model: its name holds the token (case-sensitively, anywhere).
BOOL IsModelPrinter(LPCSTR pszName);

// What the printer step needs from the spooler. The program uses the local
// spooler; the list is the spooler's array of PRINTER_INFO_2A records.
class CPrinterAccess {
public:
    virtual ~CPrinterAccess() = default;
    // Bytes needed for the list of local printers; 0 when there is none.
    virtual DWORD ListSize() = 0;
    // A zero-filled buffer, or NULL when memory is short.
    virtual LPBYTE Allocate(DWORD cb) = 0;
    virtual void Release(LPBYTE pBuffer) = 0;
    virtual BOOL List(LPBYTE pBuffer, DWORD cb, DWORD* pCount) = 0;
    // Opens with full access.
    virtual BOOL Open(LPSTR pszName, HANDLE* phPrinter) = 0;
    virtual BOOL Delete(HANDLE hPrinter) = 0;
    virtual void Close(HANDLE hPrinter) = 0;
};

class CLocalSpooler : public CPrinterAccess {
public:
    DWORD ListSize() override;
    LPBYTE Allocate(DWORD cb) override;
    void Release(LPBYTE pBuffer) override;
    BOOL List(LPBYTE pBuffer, DWORD cb, DWORD* pCount) override;
    BOOL Open(LPSTR pszName, HANDLE* phPrinter) override;
    BOOL Delete(HANDLE hPrinter) override;
    void Close(HANDLE hPrinter) override;
};

enum PrinterStep {
    PRINTERS_DONE,     // every printer of this model was dealt with (or there was no list)
    PRINTERS_STOPPED,  // one could not be opened: the removal must stop here
};

// Deletes the printers of this model, from the last listed to the first. Stops
// at the first one that cannot be opened; those deleted before stay deleted.
// Names of printers the spooler refused to delete are added to pNotDeleted.
PrinterStep RemoveModelPrinters(CPrinterAccess& spooler, std::vector<std::string>* pNotDeleted);

// The folders the maker's files are deleted from, in order.
enum RemovalFolder {
    FOLDER_DRIVER,   // the driver directory
    FOLDER_VERSION,  // its "3" subfolder
    FOLDER_STAGING,  // "c:\temp"
    FOLDER_COUNT
};

// The path of one maker file in one folder, into a buffer of cchPath bytes.
// FALSE when the folder needs the driver directory and pszDriverDir is NULL or
// empty, or when the path does not fit (nothing is written then).
BOOL FormRemovalPath(RemovalFolder folder, LPCSTR pszDriverDir, LPCSTR pszFile, LPSTR pszPath, size_t cchPath);

// Fills a MAX_PATH buffer with the driver directory; FALSE when it cannot be obtained.
typedef std::function<BOOL(LPSTR pszDir, size_t cchDir)> DriverDirectorySource;

// Calls visit with the path of every maker file to delete, folder by folder
// and file by file in removal order. The driver directory is asked afresh for
// every file; paths that cannot be formed are left out.
void ForEachRemovalPath(const DriverDirectorySource& driverDirectory, const std::function<void(LPCSTR)>& visit);

// The spooler's driver directory for the program's environment.
BOOL GetDriverDirectory(LPSTR pszDir, size_t cchDir);

// The completion message: strDone when nothing is left, otherwise strIncomplete
// with its "%s" replaced by the items left, separated by commas.
CString CompletionText(const CString& strDone, const CString& strIncomplete, const std::vector<std::string>& left);
