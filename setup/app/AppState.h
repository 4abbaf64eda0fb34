#pragma once
// Process-wide state of the installer that start-up, the wizard and the
// installation share.

#include "String.h"

// Folder of the running executable, with its trailing backslash.
extern CString g_strAppPath;
// g_strAppPath + "setting.dll": records the language of the dialog texts.
extern CString g_strSettingFile;
// Full path of the active string-set file; empty when no string set applies.
extern CString g_strLanguageFile;

// The choices that the installation reads from the wizard.
struct SETUPCHOICES {
    // Language of the installation's messages: 0 Chinese, 1 English, -1 none chosen.
    short language;
};
extern SETUPCHOICES SetupChoices;

// The installation has run since the progress page was last reached; cleared
// by the wizard's Back so that the next visit installs again.
extern BYTE g_bInstalled;
