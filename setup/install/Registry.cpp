#include "Registry.h"

BOOL CRegistry::CreateKey(LPCSTR pszKey)
{
    HKEY hKey;
    DWORD disposition = 0;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, pszKey, 0, NULL, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, NULL, &hKey,
                        &disposition) != ERROR_SUCCESS)
        return FALSE;
    RegCloseKey(hKey);
    return TRUE;
}

BOOL CRegistry::SetValue(LPCSTR pszKey, LPCSTR pszValueName, DWORD dwType, const void* pData, DWORD cbData)
{
    HKEY hKey;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, pszKey, 0, KEY_ALL_ACCESS, &hKey) != ERROR_SUCCESS) return FALSE;
    const LONG result = RegSetValueExA(hKey, pszValueName, 0, dwType, static_cast<const BYTE*>(pData), cbData);
    RegCloseKey(hKey);
    return result == ERROR_SUCCESS;
}
