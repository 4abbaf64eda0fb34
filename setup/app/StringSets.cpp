#include "StringSets.h"

#include "AppState.h"
#include "SetupApp.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr LANGID LANG_CHINESE_PRC = 0x0804;
constexpr int VALUE_BUFFER = 1000;

BOOL IsPrimaryLanguage(LANGID lang, BYTE primary)
{
    return LOBYTE(lang) == primary;
}

// The font that English systems give every dialog control. Created once and
// kept for the life of the process, since controls keep using it.
HFONT EnglishDialogFont()
{
    static HFONT hFont;
    if (!hFont)
        hFont = CreateFontA(13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial");
    return hFont;
}

CString LanguageFolder()
{
    return g_strAppPath + "Language";
}

} // namespace

StringSetChoice ChooseStringSet(LANGID langSystem)
{
    if (IsPrimaryLanguage(langSystem, LANG_CHINESE))
        return {langSystem == LANG_CHINESE_PRC ? "\\Multi_ch.dll" : "\\Multi_ch_BIG5.dll", "Chinese"};
    if (IsPrimaryLanguage(langSystem, LANG_ENGLISH)) return {"\\Multi_eng.dll", "English"};
    return {nullptr, nullptr};
}

StringSetPair StringSetsToWrite(LANGID langSystem)
{
    if (IsPrimaryLanguage(langSystem, LANG_CHINESE) && langSystem != LANG_CHINESE_PRC)
        return {{{IDR_STRINGS_ENGLISH, "\\Multi_eng.dll"}, {IDR_STRINGS_BIG5, "\\Multi_ch_BIG5.dll"}}};
    return {{{IDR_STRINGS_ENGLISH, "\\Multi_eng.dll"}, {IDR_STRINGS_GBK, "\\Multi_ch.dll"}}};
}

void CSetupApp::LoadLanguage(CString strLanguage)
{
    // Is there a string set that declares the language?
    BOOL bFound = FALSE;
    CFileFind finder;
    BOOL bMore = finder.FindFile(g_strAppPath + "Language\\*.dll");
    while (bMore && !bFound) {
        bMore = finder.FindNextFile();
        if (finder.IsDots() || finder.IsDirectory()) continue;
        char value[VALUE_BUFFER] = {};
        const DWORD length =
            GetPrivateProfileStringA("Setting", "Language", "", value, VALUE_BUFFER, finder.GetFilePath());
        bFound = length > 0 && strLanguage == value;
    }
    finder.Close();

    if (!bFound) {
        // First run (or edited files): write the sets anew and show English this time.
        CreateDirectoryA(LanguageFolder(), NULL);
        const StringSetPair pair = StringSetsToWrite(GetSystemDefaultLangID());
        for (const StringSetFile& file : pair.files) ExtractResource(file.nResource, LanguageFolder() + file.pszFile);
        g_strLanguageFile = LanguageFolder() + "\\Multi_eng.dll";
        strLanguage = "English";
    }
    WritePrivateProfileStringA("Setting", "Language", strLanguage, g_strSettingFile);
}

void g_SetDialogStrings(CWnd* pDlg, int nDialogID)
{
    const BOOL bEnglishSystem = IsPrimaryLanguage(GetSystemDefaultLangID(), LANG_ENGLISH);
    HFONT hFont = bEnglishSystem ? EnglishDialogFont() : NULL;
    // With no active set every lookup finds nothing; never hand the profile
    // functions an empty file name, which they would resolve elsewhere.
    const BOOL bHaveSet = !g_strLanguageFile.IsEmpty();
    char key[64];
    char value[VALUE_BUFFER];

    std::snprintf(key, sizeof(key), "IDD%d_Title", nDialogID);
    if (bHaveSet && GetPrivateProfileStringA("String", key, "", value, VALUE_BUFFER, g_strLanguageFile) > 0)
        pDlg->SetWindowText(value);

    for (HWND hChild = GetWindow(pDlg->m_hWnd, GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT)) {
        std::memset(value, 0, sizeof(value));
        const int nControlID = GetDlgCtrlID(hChild);
        std::snprintf(key, sizeof(key), "IDD%d_%d", nDialogID, nControlID);
        if (bEnglishSystem && IsWindow(hChild))
            SendMessageA(hChild, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), TRUE);
        // The printer-name field is filled by its page, never from the set.
        if (nControlID == 1019) continue;
        if (bHaveSet && GetPrivateProfileStringA("String", key, "", value, VALUE_BUFFER, g_strLanguageFile) > 0)
            SetWindowTextA(hChild, value);
    }
}
