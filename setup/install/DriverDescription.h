#pragma once
// The driver's description: what the installation registers with the spooler.

#include <windows.h>

struct DriverDescription {
    char szVersion[MAX_PATH];
    char szName[MAX_PATH];
    char szEnvironment[MAX_PATH];
    char szDriverFile[MAX_PATH];
    char szDataFile[MAX_PATH];
    char szConfigFile[MAX_PATH];
    char szHelpFile[MAX_PATH];
    char szDependentFiles[MAX_PATH];
    char szMonitorName[MAX_PATH];
    char szDefaultDataType[MAX_PATH];
};

// Filled by every installation run.
extern DriverDescription g_driverDesc;

// The spooler's driver version digit for a system version code.
LPCSTR DriverVersionDigit(int osVersion);

// The QX710 driver's description for a system version code.
void FillDriverDescription(DriverDescription* pDesc, int osVersion);

// The eleven driver files, in the order in which old copies are cleared.
constexpr int DRIVER_FILE_COUNT = 11;
extern const LPCSTR DRIVER_FILES[DRIVER_FILE_COUNT];
// The driver files in the order in which they are copied into the driver directory.
extern const LPCSTR COPY_ORDER[DRIVER_FILE_COUNT];

// Splits a list of file names at ";, \t\r\n" (skipping empty names) into a
// list of "<dir>\<name>" strings, each ended by NUL, the list ended by one more
// NUL. FALSE when a path or the list would not fit (the list then holds the
// paths that fitted, properly ended).
BOOL BuildDependentFiles(LPCSTR pszDir, LPCSTR pszNames, char* pList, size_t cbList);
