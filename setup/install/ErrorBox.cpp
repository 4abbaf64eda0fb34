#include "ErrorBox.h"

#include <cstdio>

LPSTR SystemErrorText(DWORD dwError)
{
    LPSTR pszText = NULL;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_FROM_SYSTEM, NULL,
                   dwError, 0, reinterpret_cast<LPSTR>(&pszText), 0, NULL);
    if (!pszText) {
        pszText = static_cast<LPSTR>(LocalAlloc(LPTR, 32));
        if (pszText) std::snprintf(pszText, 32, "Error %lu.", static_cast<unsigned long>(dwError));
    }
    return pszText;
}

void ShowSystemError(DWORD dwError)
{
    LPSTR pszText = SystemErrorText(dwError);
    MessageBoxA(NULL, pszText ? pszText : "", "ERROR", MB_OK | MB_ICONINFORMATION);
    if (pszText) LocalFree(pszText);
}
