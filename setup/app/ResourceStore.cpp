#include "ResourceStore.h"

#include "SetupApp.h"

ResourceWrite WriteResourceFile(UINT nID, LPCSTR pszPath)
{
    HRSRC hResource = FindResourceA(NULL, MAKEINTRESOURCEA(LOWORD(nID)), "OWNER_DATA");
    if (!hResource) return ResourceWrite::NoResource;
    HGLOBAL hData = LoadResource(NULL, hResource);
    if (!hData) return ResourceWrite::NoResource;
    const BYTE* pBytes = static_cast<const BYTE*>(LockResource(hData));
    const DWORD size = SizeofResource(NULL, hResource);
    if (!pBytes && size > 0) return ResourceWrite::NoResource;

    HANDLE hFile = CreateFileA(pszPath, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE) return ResourceWrite::NotCreated;

    // A full disk may accept part of a write and report success: keep writing
    // the rest until it is all on disk or the system refuses.
    DWORD done = 0;
    DWORD error = ERROR_SUCCESS;
    while (done < size) {
        DWORD written = 0;
        if (!WriteFile(hFile, pBytes + done, size - done, &written, NULL)) {
            error = GetLastError();
            break;
        }
        if (written == 0) {
            error = ERROR_DISK_FULL;
            break;
        }
        done += written;
    }
    CloseHandle(hFile);
    if (error == ERROR_SUCCESS) return ResourceWrite::Written;

    DeleteFileA(pszPath);
    SetLastError(error);
    return ResourceWrite::WriteFailed;
}

BOOL CSetupApp::ExtractResource(UINT nID, CString strPath)
{
    const ResourceWrite result = WriteResourceFile(nID, strPath);
    return result == ResourceWrite::Written || result == ResourceWrite::NotCreated;
}
