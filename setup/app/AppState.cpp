#include "AppState.h"

CString g_strAppPath;
CString g_strSettingFile;
CString g_strLanguageFile;
SETUPCHOICES SetupChoices = {0};
BYTE g_bInstalled = FALSE;
