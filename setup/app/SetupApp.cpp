#include "SetupApp.h"

#include "AppState.h"
#include "StringSets.h"
#include "WizardAssembly.h"

CSetupApp theApp;

BOOL CSetupApp::InitInstance()
{
    AfxEnableControlContainer();
    Enable3dControlsStatic();

    // The program's folder, with its trailing backslash.
    char szModule[MAX_PATH + 1] = {};  // one spare byte: a cut-off path still ends in NUL
    GetModuleFileNameA(NULL, szModule, MAX_PATH);
    CString strModule(szModule);
    g_strAppPath = strModule.Left(strModule.ReverseFind('\\') + 1);

    const CString strLanguageFolder = g_strAppPath + "Language";
    CreateDirectoryA(strLanguageFolder, NULL);
    g_strSettingFile = g_strAppPath + "setting.dll";

    // The dialog texts follow the system's default language.
    const StringSetChoice choice = ChooseStringSet(GetSystemDefaultLangID());
    if (choice.pszFile) {
        g_strLanguageFile = strLanguageFolder + choice.pszFile;
        LoadLanguage(choice.pszLanguage);
    }

    // An existing setting file is kept whatever it holds.
    CFileFind finder;
    if (!finder.FindFile(g_strSettingFile)) ExtractResource(IDR_DEFAULT_SETTING, g_strSettingFile);
    finder.Close();

    RunWizard();
    return FALSE;
}
