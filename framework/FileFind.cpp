#include "FileFind.h"

#include <cstring>

CFileFind::~CFileFind()
{
    Close();
}

BOOL CFileFind::FindFile(LPCSTR pszPattern)
{
    Close();
    CString pattern(pszPattern ? pszPattern : "*.*");
    const int slash = pattern.ReverseFind('\\');
    m_strRoot = slash >= 0 ? pattern.Left(slash + 1) : CString();

    m_hFind = FindFirstFileA(pattern, &m_next);
    m_bHasNext = m_hFind != INVALID_HANDLE_VALUE;
    return m_bHasNext;
}

BOOL CFileFind::FindNextFile()
{
    if (!m_bHasNext) return FALSE;
    m_found = m_next;
    m_bHasFound = TRUE;
    m_bHasNext = ::FindNextFileA(m_hFind, &m_next);
    return m_bHasNext;
}

void CFileFind::Close()
{
    if (m_hFind != INVALID_HANDLE_VALUE) FindClose(m_hFind);
    m_hFind = INVALID_HANDLE_VALUE;
    m_bHasFound = m_bHasNext = FALSE;
}

BOOL CFileFind::IsDots() const
{
    return m_bHasFound && (std::strcmp(m_found.cFileName, ".") == 0 ||
                           std::strcmp(m_found.cFileName, "..") == 0);
}

BOOL CFileFind::IsDirectory() const
{
    return m_bHasFound && (m_found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

CString CFileFind::GetFileName() const
{
    return m_bHasFound ? CString(m_found.cFileName) : CString();
}

CString CFileFind::GetFilePath() const
{
    return m_bHasFound ? m_strRoot + m_found.cFileName : CString();
}
