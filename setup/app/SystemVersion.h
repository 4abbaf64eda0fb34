#pragma once
// Classification of the running Windows version.

#include <windows.h>

enum SystemVersion {
    SV_WIN32S = 0,    // not NT, major version below 4
    SV_WIN95 = 1,     // not NT, 4.0 and any other
    SV_WIN98 = 2,     // not NT, 4.10
    SV_WINME = 3,     // not NT, 4.90
    SV_NT_OTHER = 4,  // NT, none of the versions below
    SV_NT4 = 5,       // NT 4.x
    SV_WIN2000 = 6,   // NT 5.0
    SV_WINXP = 7,     // NT 5.1
    SV_WIN2003 = 8,   // NT 5.2
    SV_VISTA = 9,     // NT 6.0
    SV_WIN7 = 10,     // NT 6.1
};

// The running system's code; the same answer on every call.
int GetSystemVersionCode();

// The classification itself, from GetVersion's answer and the record that
// GetVersionExA filled (nullptr when the record could not be allocated).
int ClassifySystemVersion(DWORD dwGetVersion, const OSVERSIONINFOA* pInfo);

// The running system's code, set once during static initialisation.
extern int g_osVersion;
