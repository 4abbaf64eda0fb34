#include "SystemVersion.h"

int g_osVersion = GetSystemVersionCode();

int ClassifySystemVersion(DWORD dwGetVersion, const OSVERSIONINFOA* pInfo)
{
    const bool isNt = (dwGetVersion & 0x80000000) == 0;
    if (isNt) {
        if (!pInfo) return SV_NT_OTHER;
        const DWORD major = pInfo->dwMajorVersion, minor = pInfo->dwMinorVersion;
        if (major == 4) return SV_NT4;
        if (major == 5 && minor == 0) return SV_WIN2000;
        if (major == 5 && minor == 1) return SV_WINXP;
        if (major == 5 && minor == 2) return SV_WIN2003;
        if (major == 6 && minor == 0) return SV_VISTA;
        if (major == 6 && minor == 1) return SV_WIN7;
        return SV_NT_OTHER;
    }
    if (LOBYTE(LOWORD(dwGetVersion)) < 4) return SV_WIN32S;
    if (!pInfo) return SV_WIN95;
    if (pInfo->dwMajorVersion == 4 && pInfo->dwMinorVersion == 10) return SV_WIN98;
    if (pInfo->dwMajorVersion == 4 && pInfo->dwMinorVersion == 90) return SV_WINME;
    return SV_WIN95;
}

int GetSystemVersionCode()
{
    const DWORD v = GetVersion();
    const bool isNt = (v & 0x80000000) == 0;
    // Win32s is told by GetVersion alone.
    if (!isNt && LOBYTE(LOWORD(v)) < 4) return ClassifySystemVersion(v, nullptr);

    auto* pInfo = static_cast<OSVERSIONINFOA*>(
        HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(OSVERSIONINFOA)));
    if (!pInfo) return ClassifySystemVersion(v, nullptr);
    pInfo->dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
    GetVersionExA(pInfo);  // a failure leaves 0.0, which classifies as "other"
    const int code = ClassifySystemVersion(v, pInfo);
    HeapFree(GetProcessHeap(), 0, pInfo);
    return code;
}
