#pragma once
// Reading and resetting the machine state that an installation changes: the
// spooler's printers and drivers, the driver files, the staging folder and
// the registry.

#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace wintest {

struct PrinterState {
    std::string name, port, driver, printProcessor, datatype;
    DWORD attributes;
};

std::vector<PrinterState> Printers();
std::vector<std::string> PrinterNames();
std::string DefaultPrinter();

struct DriverState {
    DWORD version;
    std::string name, environment, driverPath, dataFile, configFile, helpFile;
    std::vector<std::string> dependentFiles;
    std::string monitorName, defaultDataType;
};
// The driver of that name in the environment, if registered.
bool FindDriver(const char* environment, const char* name, DriverState* pState);

// The spooler's driver directory for an environment (no trailing backslash).
std::string DriverDirectory(const char* environment);

// Adds a printer for an already registered driver (RAW datatype, WinPrint).
bool AddTestPrinter(const std::string& name, const char* driver, const char* port = "LPT1:");

// A registry value as stored: type and raw bytes.
struct RegValue {
    DWORD type;
    std::string bytes;
};
// Every value of an HKEY_LOCAL_MACHINE (or given root) key; empty when the key is missing.
std::map<std::string, RegValue> RegValues(HKEY root, const char* subKey);
bool RegKeyExists(HKEY root, const char* subKey);
// Deletes a key with everything below it.
void RegDeleteTree(HKEY root, const char* subKey);

// Replaces an (empty) registry key by a volatile one, so that the spooler's
// attempts to create permanent keys below it fail. Undo with RestoreKey.
bool MakeKeyVolatile(HKEY root, const char* subKey);
void RestoreKey(HKEY root, const char* subKey);

// Takes every access right away from a registry key (an empty access list)
// until the object is destroyed, which gives the key its old rights back.
class KeyLockout {
public:
    KeyLockout(HKEY root, const char* subKey);
    ~KeyLockout();
    bool Locked() const { return m_locked; }

private:
    HKEY m_hKey = NULL;
    std::vector<BYTE> m_saved;
    bool m_locked = false;
};

// Removes every printer, the driver of that name, all files in the driver
// directory and its "3" subfolder (but the spooler's own), the staging folder's
// files and the uninstall entry, so that each case starts from a clean machine.
void ResetMachine(const char* environment, const char* driverName);

// Deletes every file of a folder (not subfolders); keep lists names to leave.
void ClearFolder(const std::string& folder, const std::vector<std::string>& keep = {});
std::vector<std::string> FilesIn(const std::string& folder);

} // namespace wintest
