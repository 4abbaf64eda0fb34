#pragma once
// Fixed values that the installer and the uninstaller agree on.

// The spooler environment of the driver. A 64-bit spooler creates printers
// only for its own environment, so the 64-bit build registers "Windows x64";
// the 32-bit product registers "Windows NT x86".
#ifdef _WIN64
constexpr char SPOOLER_ENVIRONMENT[] = "Windows x64";
#else
constexpr char SPOOLER_ENVIRONMENT[] = "Windows NT x86";
#endif

// The driver name, base of every printer name, and the token looked for
// (case-sensitively, anywhere) in printer names.
constexpr char PRINTER_TOKEN[] = "QX710";

// The entry in the system's list of installed programs, under HKEY_LOCAL_MACHINE.
constexpr char UNINSTALL_KEY[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\QX710 printer";

// The uninstaller's file name in the driver directory.
constexpr char UNINSTALLER_FILE[] = "uninstallvelt.exe";

// The maker's driver files removed before a fresh installation and by the uninstaller.
constexpr const char* MAKER_FILES[] = {"CONVELT.GPD", "DRVVELT.INI", "RESVELT.DLL", "VELTD.dll", "VELTF.dll"};
constexpr int MAKER_FILE_COUNT = sizeof(MAKER_FILES) / sizeof(MAKER_FILES[0]);
