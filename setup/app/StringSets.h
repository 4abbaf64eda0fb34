#pragma once
// String sets: INI-style files holding the dialog texts of one language,
// keyed "IDD<dialog>_Title" and "IDD<dialog>_<control>" in section [String].

#include "Framework.h"
#include "resource.h"

// The string set that start-up picks for a system default language.
struct StringSetChoice {
    LPCSTR pszFile;      // "\Multi_....dll" after the language folder; nullptr: none
    LPCSTR pszLanguage;  // the language name passed to LoadLanguage
};
StringSetChoice ChooseStringSet(LANGID langSystem);

// The two string sets written on a first run, English first.
struct StringSetFile {
    UINT nResource;
    LPCSTR pszFile;
};
struct StringSetPair {
    StringSetFile files[2];
};
StringSetPair StringSetsToWrite(LANGID langSystem);

// Replaces the caption and the texts of the direct children of a dialog by the
// values of the active string set; on an English system every child also gets
// the program's Arial font.
void g_SetDialogStrings(CWnd* pDlg, int nDialogID);
