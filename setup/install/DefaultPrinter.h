#pragma once
// Making a printer the system's default printer, by the method that fits the
// running Windows family and version.

#include <windows.h>

enum class DefaultPrinterMethod {
    SpoolerCall,        // NT 5 and later: SetDefaultPrinterA
    ProfileEntry,       // NT 4 and earlier: [windows] device= in the profile
    PrinterAttribute,   // Windows 95, 98, Me: PRINTER_ATTRIBUTE_DEFAULT
    None,               // any other platform: nothing to change
};

DefaultPrinterMethod ChooseDefaultPrinterMethod(DWORD dwPlatformId, DWORD dwMajorVersion);

// The [windows] device value: "<printer>,<driver>,<port>".
BOOL FormatDeviceValue(char* pszOut, size_t cbOut, LPCSTR pszPrinter, LPCSTR pszDriver, LPCSTR pszPort);

// Makes the named printer the default printer and tells running programs.
// 1 on success, 0 on failure (nothing is reported).
int MakeDefaultPrinter(LPCSTR pszPrinterName);
