#pragma once
// A small registry object for keys under HKEY_LOCAL_MACHINE. It keeps no key
// open between calls: each operation opens, uses and closes its own handle.

#include "Framework.h"

class CRegistry : public CObject {
public:
    BOOL CreateKey(LPCSTR pszKey);
    BOOL SetValue(LPCSTR pszKey, LPCSTR pszValueName, DWORD dwType, const void* pData, DWORD cbData);
};
