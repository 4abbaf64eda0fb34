#include "Language.h"

LANGID ChooseTextLanguage(LANGID langSystem)
{
    switch (langSystem) {
    case MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED):
        return MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);
    case MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_TRADITIONAL):
    case MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_HONGKONG):
        return MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_TRADITIONAL);
    }
    if (PRIMARYLANGID(langSystem) == LANG_ENGLISH) return MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
    return 0;
}

BOOL FindStringInBlock(const void* pBlock, DWORD cbBlock, UINT nIndex, const WCHAR** ppsz, UINT* pcch)
{
    if (!pBlock || nIndex > 15) return FALSE;
    const WCHAR* p = static_cast<const WCHAR*>(pBlock);
    const DWORD cchBlock = cbBlock / sizeof(WCHAR);
    DWORD pos = 0;
    for (UINT i = 0;; ++i) {
        if (pos >= cchBlock) return FALSE;
        const DWORD cch = p[pos++];
        if (cch > cchBlock - pos) return FALSE;
        if (i == nIndex) {
            if (cch == 0) return FALSE;
            *ppsz = p + pos;
            *pcch = cch;
            return TRUE;
        }
        pos += cch;
    }
}

BOOL LoadStringInLanguage(HMODULE hModule, UINT nID, LANGID langid, CString& str)
{
    // Strings are stored sixteen to a block; block n holds ids 16(n-1) to 16n-1.
    HRSRC hRes = ::FindResourceExA(hModule, reinterpret_cast<LPCSTR>(RT_STRING),
                                   MAKEINTRESOURCEA((nID >> 4) + 1), langid);
    if (!hRes) return FALSE;
    HGLOBAL hData = ::LoadResource(hModule, hRes);
    const void* pBlock = hData ? ::LockResource(hData) : nullptr;
    const WCHAR* psz = nullptr;
    UINT cch = 0;
    if (!FindStringInBlock(pBlock, ::SizeofResource(hModule, hRes), nID & 15, &psz, &cch)) return FALSE;

    const int cb = ::WideCharToMultiByte(CP_ACP, 0, psz, static_cast<int>(cch), NULL, 0, NULL, NULL);
    if (cb <= 0) return FALSE;
    CString text;
    LPSTR pBuf = text.GetBuffer(cb);
    const int written = ::WideCharToMultiByte(CP_ACP, 0, psz, static_cast<int>(cch), pBuf, cb, NULL, NULL);
    text.ReleaseBuffer(written > 0 ? written : 0);
    if (text.IsEmpty()) return FALSE;
    str = text;
    return TRUE;
}

CString LoadText(UINT nID)
{
    CString str;
    const LANGID langText = ChooseTextLanguage(::GetSystemDefaultLangID());
    if (langText && LoadStringInLanguage(AfxGetResourceHandle(), nID, langText, str)) return str;
    char buffer[1024] = {};
    ::LoadStringA(AfxGetResourceHandle(), nID, buffer, sizeof(buffer));
    return buffer;
}
