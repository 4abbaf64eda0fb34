#include "PrinterCreation.h"

#include "AppState.h"
#include "DefaultPrinter.h"
#include "DriverDescription.h"
#include "ErrorBox.h"
#include "ModelPrinters.h"
#include "WinApp.h"

#include <cstdio>

namespace {

constexpr LANGID LANG_CHINESE_PRC = 0x0804;

// "%s(副本 %d)" in GBK and in Big5.
constexpr char COPY_FORMAT_GBK[] = "%s(\xB8\xB1\xB1\xBE %d)";
constexpr char COPY_FORMAT_BIG5[] = "%s(\xB0\xC6\xA5\xBB %d)";
constexpr char COPY_FORMAT_ENGLISH[] = "%s(Copy %d)";

// "打印机驱动程序安装成功!" in GBK, "打印機驅動程序安裝成功!" in Big5.
constexpr char DONE_GBK[] = "\xB4\xF2\xD3\xA1\xBB\xFA\xC7\xFD\xB6\xAF\xB3\xCC\xD0\xF2\xB0\xB2\xD7\xB0\xB3\xC9\xB9\xA6!";
constexpr char DONE_BIG5[] = "\xA5\xB4\xA6\x4C\xBE\xF7\xC5\x58\xB0\xCA\xB5\x7B\xA7\xC7\xA6\x77\xB8\xCB\xA6\xA8\xA5\x5C!";
constexpr char DONE_ENGLISH[] = "The Printer Driver has been installed successfully!";

// Printer names are compared as the spooler does: without regard to case.
bool SameName(const std::string& a, LPCSTR b)
{
    return CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE | SORT_STRINGSORT, a.c_str(), -1, b, -1) ==
           CSTR_EQUAL;
}

bool NameTaken(const std::vector<std::string>& existing, LPCSTR pszName)
{
    for (const std::string& name : existing)
        if (SameName(name, pszName)) return true;
    return false;
}

} // namespace

LPCSTR CopyNameFormat(short language, LANGID langSystem)
{
    if (language == 0) return langSystem == LANG_CHINESE_PRC ? COPY_FORMAT_GBK : COPY_FORMAT_BIG5;
    return COPY_FORMAT_ENGLISH;
}

LPCSTR CompletionMessage(short language, LANGID langSystem)
{
    if (language == 0) return langSystem == LANG_CHINESE_PRC ? DONE_GBK : DONE_BIG5;
    if (language == 1) return DONE_ENGLISH;
    return nullptr;
}

BOOL ChoosePrinterName(char (&name)[MAX_PATH], LPCSTR pszBase, const std::vector<std::string>& existing,
                       short language, LANGID langSystem)
{
    const int count = CountNamesWithToken(existing, pszBase);
    if (count == 0) return lstrcpynA(name, pszBase, MAX_PATH) != NULL;

    // The count's copy name, or the next number whose name no printer has.
    // Among count + size + 1 numbers at least one name is free.
    const LPCSTR pszFormat = CopyNameFormat(language, langSystem);
    const int last = count + static_cast<int>(existing.size());
    for (int n = count; n <= last; ++n) {
        const int length = std::snprintf(name, MAX_PATH, pszFormat, pszBase, n);
        if (length < 0 || length >= MAX_PATH) break;
        if (!NameTaken(existing, name)) return TRUE;
    }
    name[0] = '\0';
    return FALSE;
}

void CreatePrinterAndFinish(LANGID langSystem)
{
    const short language = SetupChoices.language;
    char name[MAX_PATH];
    if (!ChoosePrinterName(name, g_driverDesc.szName, LocalPrinterNames(), language, langSystem)) {
        ShowSystemError(ERROR_INVALID_PRINTER_NAME);
        return;
    }

    PRINTER_INFO_2A info = {};
    info.pPrinterName = name;
    info.pPortName = const_cast<LPSTR>("LPT1:");
    info.pDriverName = g_driverDesc.szName;
    info.pPrintProcessor = const_cast<LPSTR>("WinPrint");
    // A spooler that stores no datatype cannot open the new printer: "RAW" is
    // the datatype that WinPrint accepts on every version.
    info.pDatatype = const_cast<LPSTR>("RAW");
    HANDLE hPrinter = AddPrinterA(NULL, 2, reinterpret_cast<LPBYTE>(&info));
    if (!hPrinter) {
        ShowSystemError(GetLastError());
        return;
    }
    ClosePrinter(hPrinter);

    if (!MakeDefaultPrinter(name)) return;

    const LPCSTR pszMessage = CompletionMessage(language, langSystem);
    if (!pszMessage) return;
    AfxMessageBox(pszMessage, MB_OK | MB_ICONEXCLAMATION);
    CWinApp* pApp = AfxGetApp();
    ::PostMessageA(pApp && pApp->m_pMainWnd ? pApp->m_pMainWnd->m_hWnd : NULL, WM_QUIT, 0, 0);
}
