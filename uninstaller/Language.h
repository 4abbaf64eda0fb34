#pragma once
// The language of the uninstaller's texts.
//
// The thread locale steers string lookup only up to Windows XP, so the texts
// are also loaded explicitly from the string table of the chosen language.

#include "Framework.h"

// The language whose texts the dialog shows on a system with this default
// language, or 0 when the system's choice is left unchanged (the usual
// resource-language lookup then decides).
LANGID ChooseTextLanguage(LANGID langSystem);

// The string at nIndex (0-15) of a string-table block of cbBlock bytes: sixteen
// UTF-16 strings, each preceded by its length. FALSE when the block ends before
// it or the string is empty.
BOOL FindStringInBlock(const void* pBlock, DWORD cbBlock, UINT nIndex, const WCHAR** ppsz, UINT* pcch);

// String nID from the string table of language langid, in the ANSI code page.
// FALSE when that language has no such string.
BOOL LoadStringInLanguage(HMODULE hModule, UINT nID, LANGID langid, CString& str);

// String nID in the language the dialog shows, falling back to the usual lookup.
CString LoadText(UINT nID);
