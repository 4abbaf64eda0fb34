#pragma once
// The spooler's driver directory and the file operations that go through it.

#include <windows.h>

// The staging folder that the payload is written to before it is copied.
constexpr char STAGING_FOLDER[] = "C:\\TEMP";

// The driver directory of the local spooler for the driver's environment,
// without a trailing backslash. FALSE (and an empty buffer) when the spooler
// cannot tell it or it would not fit, with GetLastError() telling why.
BOOL GetDriverDirectory(char (&dir)[MAX_PATH]);

// Copies "C:\TEMP\<name>" to "<driver directory>\<name>"; failures are ignored.
void CopyToDriverDir(LPCSTR pszName, BOOL bFailIfExists);
