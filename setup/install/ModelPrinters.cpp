#include "ModelPrinters.h"

#include "String.h"

std::vector<std::string> LocalPrinterNames()
{
    std::vector<std::string> names;
    DWORD needed = 0, count = 0;
    EnumPrintersA(PRINTER_ENUM_LOCAL, NULL, 2, NULL, 0, &needed, &count);
    if (needed == 0) return names;
    BYTE* pBuffer = static_cast<BYTE*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, needed));
    if (!pBuffer) return names;
    if (EnumPrintersA(PRINTER_ENUM_LOCAL, NULL, 2, pBuffer, needed, &needed, &count)) {
        const PRINTER_INFO_2A* pInfo = reinterpret_cast<const PRINTER_INFO_2A*>(pBuffer);
        for (DWORD i = 0; i < count; ++i)
            if (pInfo[i].pPrinterName) names.push_back(pInfo[i].pPrinterName);
    }
    HeapFree(GetProcessHeap(), 0, pBuffer);
    return names;
}

int CountNamesWithToken(const std::vector<std::string>& names, LPCSTR pszToken)
{
    int count = 0;
    for (const std::string& name : names)
        if (CString(name.c_str()).Find(pszToken) >= 0) ++count;
    return count;
}
