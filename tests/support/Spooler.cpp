#include "Spooler.h"

#include <algorithm>
#include <cstring>

namespace wintest {

namespace {

std::string Str(LPCSTR psz)
{
    return psz ? psz : "";
}

template <typename Info>
std::vector<BYTE> Enumerate(DWORD level, DWORD* pCount)
{
    DWORD needed = 0, count = 0;
    EnumPrintersA(PRINTER_ENUM_LOCAL, NULL, level, NULL, 0, &needed, &count);
    std::vector<BYTE> buffer(needed ? needed : 1);
    if (!EnumPrintersA(PRINTER_ENUM_LOCAL, NULL, level, buffer.data(), needed, &needed, &count)) count = 0;
    *pCount = count;
    return buffer;
}

} // namespace

std::vector<PrinterState> Printers()
{
    DWORD count = 0;
    std::vector<BYTE> buffer = Enumerate<PRINTER_INFO_2A>(2, &count);
    std::vector<PrinterState> printers;
    auto* info = reinterpret_cast<PRINTER_INFO_2A*>(buffer.data());
    for (DWORD i = 0; i < count; ++i)
        printers.push_back({Str(info[i].pPrinterName), Str(info[i].pPortName), Str(info[i].pDriverName),
                            Str(info[i].pPrintProcessor), Str(info[i].pDatatype), info[i].Attributes});
    return printers;
}

std::vector<std::string> PrinterNames()
{
    std::vector<std::string> names;
    for (const PrinterState& p : Printers()) names.push_back(p.name);
    std::sort(names.begin(), names.end());
    return names;
}

std::string DefaultPrinter()
{
    char name[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    return GetDefaultPrinterA(name, &size) ? name : "";
}

bool FindDriver(const char* environment, const char* name, DriverState* pState)
{
    DWORD needed = 0, count = 0;
    EnumPrinterDriversA(NULL, const_cast<LPSTR>(environment), 3, NULL, 0, &needed, &count);
    std::vector<BYTE> buffer(needed ? needed : 1);
    if (!EnumPrinterDriversA(NULL, const_cast<LPSTR>(environment), 3, buffer.data(), needed, &needed, &count))
        return false;
    auto* info = reinterpret_cast<DRIVER_INFO_3A*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) {
        if (Str(info[i].pName) != name) continue;
        if (pState) {
            *pState = {info[i].cVersion,         Str(info[i].pName),       Str(info[i].pEnvironment),
                       Str(info[i].pDriverPath), Str(info[i].pDataFile),   Str(info[i].pConfigFile),
                       Str(info[i].pHelpFile),   {},                       Str(info[i].pMonitorName),
                       Str(info[i].pDefaultDataType)};
            for (LPCSTR p = info[i].pDependentFiles; p && *p; p += std::strlen(p) + 1)
                pState->dependentFiles.push_back(p);
        }
        return true;
    }
    return false;
}

std::string DriverDirectory(const char* environment)
{
    char dir[MAX_PATH] = {};
    DWORD needed = 0;
    GetPrinterDriverDirectoryA(NULL, const_cast<LPSTR>(environment), 1, reinterpret_cast<LPBYTE>(dir), MAX_PATH,
                               &needed);
    return dir;
}

bool AddTestPrinter(const std::string& name, const char* driver, const char* port)
{
    PRINTER_INFO_2A info = {};
    info.pPrinterName = const_cast<LPSTR>(name.c_str());
    info.pPortName = const_cast<LPSTR>(port);
    info.pDriverName = const_cast<LPSTR>(driver);
    info.pPrintProcessor = const_cast<LPSTR>("WinPrint");
    info.pDatatype = const_cast<LPSTR>("RAW");
    HANDLE h = AddPrinterA(NULL, 2, reinterpret_cast<LPBYTE>(&info));
    if (!h) return false;
    ClosePrinter(h);
    return true;
}

std::map<std::string, RegValue> RegValues(HKEY root, const char* subKey)
{
    std::map<std::string, RegValue> values;
    HKEY hKey;
    if (RegOpenKeyExA(root, subKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS) return values;
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD nameSize = sizeof(name), type = 0, dataSize = 0;
        if (RegEnumValueA(hKey, i, name, &nameSize, NULL, &type, NULL, &dataSize) != ERROR_SUCCESS) break;
        std::string data(dataSize, '\0');
        nameSize = sizeof(name);
        RegEnumValueA(hKey, i, name, &nameSize, NULL, &type, reinterpret_cast<LPBYTE>(&data[0]), &dataSize);
        data.resize(dataSize);
        values[name] = {type, data};
    }
    RegCloseKey(hKey);
    return values;
}

bool RegKeyExists(HKEY root, const char* subKey)
{
    HKEY hKey;
    if (RegOpenKeyExA(root, subKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS) return false;
    RegCloseKey(hKey);
    return true;
}

void RegDeleteTree(HKEY root, const char* subKey)
{
    HKEY hKey;
    if (RegOpenKeyExA(root, subKey, 0, KEY_ALL_ACCESS, &hKey) != ERROR_SUCCESS) return;
    for (;;) {
        char child[256];
        DWORD size = sizeof(child);
        if (RegEnumKeyExA(hKey, 0, child, &size, NULL, NULL, NULL, NULL) != ERROR_SUCCESS) break;
        RegDeleteTree(hKey, child);
    }
    RegCloseKey(hKey);
    RegDeleteKeyA(root, subKey);
}

bool MakeKeyVolatile(HKEY root, const char* subKey)
{
    RegDeleteTree(root, subKey);
    HKEY hKey;
    DWORD disposition = 0;
    if (RegCreateKeyExA(root, subKey, 0, NULL, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, NULL, &hKey, &disposition) !=
        ERROR_SUCCESS)
        return false;
    RegCloseKey(hKey);
    return true;
}

void RestoreKey(HKEY root, const char* subKey)
{
    RegDeleteTree(root, subKey);
    HKEY hKey;
    if (RegCreateKeyExA(root, subKey, 0, NULL, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, NULL, &hKey, NULL) ==
        ERROR_SUCCESS)
        RegCloseKey(hKey);
}

KeyLockout::KeyLockout(HKEY root, const char* subKey)
{
    // The handle keeps the right to write the access list back.
    if (RegOpenKeyExA(root, subKey, 0, READ_CONTROL | WRITE_DAC, &m_hKey) != ERROR_SUCCESS) return;
    DWORD size = 0;
    RegGetKeySecurity(m_hKey, DACL_SECURITY_INFORMATION, NULL, &size);
    m_saved.resize(size ? size : 1);
    if (RegGetKeySecurity(m_hKey, DACL_SECURITY_INFORMATION, m_saved.data(), &size) != ERROR_SUCCESS) return;
    SECURITY_DESCRIPTOR sd;
    ACL acl;
    InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION);
    InitializeAcl(&acl, sizeof(acl), ACL_REVISION);
    SetSecurityDescriptorDacl(&sd, TRUE, &acl, FALSE);
    m_locked = RegSetKeySecurity(m_hKey, DACL_SECURITY_INFORMATION, &sd) == ERROR_SUCCESS;
}

KeyLockout::~KeyLockout()
{
    if (m_locked) RegSetKeySecurity(m_hKey, DACL_SECURITY_INFORMATION, m_saved.data());
    if (m_hKey) RegCloseKey(m_hKey);
}

std::vector<std::string> FilesIn(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(data.cFileName);
    } while (FindNextFileA(h, &data));
    FindClose(h);
    std::sort(names.begin(), names.end());
    return names;
}

void ClearFolder(const std::string& folder, const std::vector<std::string>& keep)
{
    for (const std::string& name : FilesIn(folder)) {
        bool kept = false;
        for (const std::string& k : keep) kept = kept || lstrcmpiA(k.c_str(), name.c_str()) == 0;
        if (kept) continue;
        const std::string path = folder + "\\" + name;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
    }
}

void ResetMachine(const char* environment, const char* driverName)
{
    for (const std::string& name : PrinterNames()) {
        HANDLE h = NULL;
        PRINTER_DEFAULTSA defaults = {NULL, NULL, PRINTER_ALL_ACCESS};
        if (OpenPrinterA(const_cast<LPSTR>(name.c_str()), &h, &defaults)) {
            DeletePrinter(h);
            ClosePrinter(h);
        } else {
            // A printer the spooler cannot open: remove its key directly.
            RegDeleteTree(HKEY_LOCAL_MACHINE,
                          ("System\\CurrentControlSet\\Control\\Print\\Printers\\" + name).c_str());
        }
    }
    DeletePrinterDriverA(NULL, const_cast<LPSTR>(environment), const_cast<LPSTR>(driverName));
    const std::string dir = DriverDirectory(environment);
    if (!dir.empty()) {
        ClearFolder(dir);
        ClearFolder(dir + "\\3", {"wineps.drv"});
    }
    ClearFolder("C:\\TEMP");
    RegDeleteTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\QX710 printer");
}

} // namespace wintest
