#pragma once
// CString: an 8-bit string in the system's ANSI code page.
// Searches that look for a single byte are DBCS-aware, so a trail byte of a
// double-byte character (GBK and Big5 trail bytes can be 0x5C, '\') is never
// taken for the character searched for.

#include <windows.h>
#include <string>

class CString {
public:
    CString() = default;
    CString(LPCSTR psz) : m_str(psz ? psz : "") {}
    CString(LPCSTR pch, int nLength) : m_str(pch, nLength > 0 ? nLength : 0) {}
    CString(const CString&) = default;
    CString& operator=(const CString&) = default;
    CString& operator=(LPCSTR psz);

    operator LPCSTR() const { return m_str.c_str(); }
    LPCSTR GetString() const { return m_str.c_str(); }
    int GetLength() const { return static_cast<int>(m_str.size()); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    char GetAt(int nIndex) const { return m_str[nIndex]; }

    CString& operator+=(LPCSTR psz);
    CString& operator+=(const CString& str) { m_str += str.m_str; return *this; }
    CString& operator+=(char ch) { m_str += ch; return *this; }
    friend CString operator+(const CString& a, const CString& b);
    friend CString operator+(const CString& a, LPCSTR b);
    friend CString operator+(LPCSTR a, const CString& b);

    // Byte-wise, case-sensitive comparison.
    int Compare(LPCSTR psz) const;
    friend bool operator==(const CString& a, LPCSTR b) { return a.Compare(b) == 0; }
    friend bool operator!=(const CString& a, LPCSTR b) { return a.Compare(b) != 0; }

    // Index of the last occurrence of ch, or -1 (DBCS-aware).
    int ReverseFind(char ch) const;
    // Index of the first occurrence of pszSub at or after nStart, or -1 (DBCS-aware).
    int Find(LPCSTR pszSub, int nStart = 0) const;
    CString Left(int nCount) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;

    // printf-style formatting of any length.
    void Format(LPCSTR pszFormat, ...);

    // Direct access to a buffer of at least nMinBufLength characters plus a terminator.
    LPSTR GetBuffer(int nMinBufLength);
    // Ends direct access: nNewLength -1 takes the text up to the first NUL.
    void ReleaseBuffer(int nNewLength = -1);

private:
    std::string m_str;
};
