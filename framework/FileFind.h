#pragma once
// CFileFind: a file-system search over FindFirstFileA / FindNextFileA.
// As with the classic framework class, FindFile starts the search and every
// FindNextFile moves to the next entry; FindNextFile answers FALSE when the
// entry it moved to is the last one:
//     BOOL more = finder.FindFile(pattern);
//     while (more) { more = finder.FindNextFile(); use(finder); }

#include "Object.h"
#include "String.h"

#include <windows.h>

class CFileFind : public CObject {
public:
    CFileFind() = default;
    ~CFileFind() override;

    BOOL FindFile(LPCSTR pszPattern = NULL);
    BOOL FindNextFile();
    void Close();

    BOOL IsDots() const;
    BOOL IsDirectory() const;
    CString GetFileName() const;
    CString GetFilePath() const;

private:
    HANDLE m_hFind = INVALID_HANDLE_VALUE;
    CString m_strRoot;          // folder of the pattern, with its trailing backslash
    WIN32_FIND_DATAA m_found{};  // the current entry
    WIN32_FIND_DATAA m_next{};   // the entry FindNextFile moves to
    BOOL m_bHasFound = FALSE;
    BOOL m_bHasNext = FALSE;
};
