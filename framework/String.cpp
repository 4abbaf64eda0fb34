#include "String.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

// Byte offsets of the characters of s, walking lead and trail bytes as pairs.
template <typename F>
void ForEachCharOffset(const std::string& s, F f)
{
    for (size_t i = 0; i < s.size();) {
        if (!f(i)) return;
        i += (IsDBCSLeadByte(static_cast<BYTE>(s[i])) && i + 1 < s.size()) ? 2 : 1;
    }
}

} // namespace

CString& CString::operator=(LPCSTR psz)
{
    m_str = psz ? psz : "";
    return *this;
}

CString& CString::operator+=(LPCSTR psz)
{
    if (psz) m_str += psz;
    return *this;
}

CString operator+(const CString& a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}

CString operator+(const CString& a, LPCSTR b)
{
    CString r(a);
    r += b;
    return r;
}

CString operator+(LPCSTR a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}

int CString::Compare(LPCSTR psz) const
{
    return std::strcmp(m_str.c_str(), psz ? psz : "");
}

int CString::ReverseFind(char ch) const
{
    int found = -1;
    ForEachCharOffset(m_str, [&](size_t i) {
        if (m_str[i] == ch) found = static_cast<int>(i);
        return true;
    });
    return found;
}

int CString::Find(LPCSTR pszSub, int nStart) const
{
    if (!pszSub || nStart < 0) return -1;
    const size_t len = std::strlen(pszSub);
    int found = -1;
    ForEachCharOffset(m_str, [&](size_t i) {
        if (static_cast<int>(i) >= nStart && m_str.compare(i, len, pszSub) == 0) {
            found = static_cast<int>(i);
            return false;
        }
        return true;
    });
    return found;
}

CString CString::Left(int nCount) const
{
    if (nCount < 0) nCount = 0;
    return CString(m_str.substr(0, static_cast<size_t>(nCount)).c_str());
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength() - nFirst);
}

CString CString::Mid(int nFirst, int nCount) const
{
    if (nFirst < 0) nFirst = 0;
    if (nCount < 0 || nFirst >= GetLength()) return CString();
    return CString(m_str.substr(static_cast<size_t>(nFirst), static_cast<size_t>(nCount)).c_str());
}

void CString::Format(LPCSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(nullptr, 0, pszFormat, copy);
    va_end(copy);
    if (needed < 0) {
        m_str.clear();
    } else {
        std::string text(static_cast<size_t>(needed) + 1, '\0');
        std::vsnprintf(&text[0], text.size(), pszFormat, args);
        text.resize(static_cast<size_t>(needed));
        m_str.swap(text);
    }
    va_end(args);
}

LPSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength > GetLength()) m_str.resize(static_cast<size_t>(nMinBufLength));
    return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0) nNewLength = static_cast<int>(std::strlen(m_str.c_str()));
    m_str.resize(static_cast<size_t>(nNewLength));
}
