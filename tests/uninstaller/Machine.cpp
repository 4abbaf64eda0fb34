#include "Machine.h"

#include "Product.h"
#include "Removal.h"
#include "Spooler.h"
#include "WinTest.h"

#include <winspool.h>

#include <algorithm>
#include <cstring>

namespace uninst {

namespace {

const char* const kUnidrvFiles[] = {"UNIDRV.DLL", "UNIDRVUI.DLL", "UNIRES.DLL", "STDNAMES.GPD", "UNIDRV.HLP"};

void WriteStandIn(const std::string& folder, const std::string& name)
{
    wintest::WriteFileBytes(folder + "\\" + name, "stand-in " + name + "\r\n");
}

void SetString(HKEY hKey, const char* name, const std::string& value)
{
    RegSetValueExA(hKey, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
}

} // namespace

std::string BuiltUninstaller()
{
    std::string path = std::string("Z:") + UNINSTALLER_EXE;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

Folders InstallFolders()
{
    const std::string driver = wintest::DriverDirectory(SPOOLER_ENVIRONMENT);
    return {driver, driver + "\\3", "C:\\TEMP"};
}

void BuildInstalledMachine()
{
    wintest::ResetMachine(SPOOLER_ENVIRONMENT, PRINTER_TOKEN);
    const Folders f = InstallFolders();
    CreateDirectoryA(f.staging.c_str(), NULL);

    std::vector<std::string> files(std::begin(kUnidrvFiles), std::end(kUnidrvFiles));
    files.insert(files.end(), std::begin(MAKER_FILES), std::end(MAKER_FILES));
    files.push_back("ZIKUVELT.UFM");
    for (const std::string& folder : {f.driver, f.version, f.staging})
        for (const std::string& name : files) WriteStandIn(folder, name);

    // Dependent files: a list of names, each ended by NUL, the list by another.
    std::string dependent;
    for (const char* name : {"UNIRES.DLL", "STDNAMES.GPD", "ZIKUVELT.UFM", "DRVVELT.INI", "RESVELT.DLL",
                             "VELTD.dll", "VELTF.dll"})
        dependent.append(name).append(1, '\0');
    dependent.append(1, '\0');
    DRIVER_INFO_3A info = {};
    info.cVersion = 3;
    info.pName = const_cast<LPSTR>(PRINTER_TOKEN);
    info.pEnvironment = const_cast<LPSTR>(SPOOLER_ENVIRONMENT);
    info.pDriverPath = const_cast<LPSTR>("UNIDRV.DLL");
    info.pDataFile = const_cast<LPSTR>("CONVELT.GPD");
    info.pConfigFile = const_cast<LPSTR>("UNIDRVUI.DLL");
    info.pHelpFile = const_cast<LPSTR>("UNIDRV.HLP");
    info.pDependentFiles = &dependent[0];
    info.pDefaultDataType = const_cast<LPSTR>("RAW");
    AddPrinterDriverA(NULL, 3, reinterpret_cast<LPBYTE>(&info));
    wintest::AddTestPrinter(PRINTER_TOKEN, PRINTER_TOKEN);

    const std::string exe = f.driver + "\\" + UNINSTALLER_FILE;
    CopyFileA(BuiltUninstaller().c_str(), exe.c_str(), FALSE);
    CopyFileA(BuiltUninstaller().c_str(), (f.staging + "\\" + UNINSTALLER_FILE).c_str(), FALSE);

    HKEY hKey;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, UNINSTALL_KEY, 0, NULL, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, NULL,
                        &hKey, NULL) == ERROR_SUCCESS) {
        SetString(hKey, "DisplayName", "QX710 printer driver uninstall");
        SetString(hKey, "UninstallString", exe);
        SetString(hKey, "DisplayIcon", exe + ",-0");
        SetString(hKey, "Publisher", "QX710 printer");
        RegCloseKey(hKey);
    }
}

void AddUnopenablePrinter(const std::string& name)
{
    HKEY hKey;
    const std::string key = "System\\CurrentControlSet\\Control\\Print\\Printers\\" + name;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, NULL, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, NULL,
                        &hKey, NULL) != ERROR_SUCCESS)
        return;
    SetString(hKey, "Name", name);
    SetString(hKey, "Port", "LPT1:");
    SetString(hKey, "Print Processor", "WinPrint");
    SetString(hKey, "Printer Driver", PRINTER_TOKEN);
    RegCloseKey(hKey);
}

bool MachineState::operator==(const MachineState& o) const
{
    return printers == o.printers && driverFiles == o.driverFiles && versionFiles == o.versionFiles &&
           stagingFiles == o.stagingFiles && entry == o.entry && driverRegistered == o.driverRegistered;
}

MachineState Snapshot()
{
    const Folders f = InstallFolders();
    MachineState s;
    s.printers = wintest::PrinterNames();
    s.driverFiles = wintest::FilesIn(f.driver);
    s.versionFiles = wintest::FilesIn(f.version);
    s.stagingFiles = wintest::FilesIn(f.staging);
    s.entry = wintest::RegKeyExists(HKEY_LOCAL_MACHINE, UNINSTALL_KEY);
    s.driverRegistered = wintest::FindDriver(SPOOLER_ENVIRONMENT, PRINTER_TOKEN, nullptr);
    return s;
}

void PrintTo(const MachineState& s, std::ostream* os)
{
    auto list = [os](const char* what, const std::vector<std::string>& names) {
        *os << "\n  " << what << ":";
        for (const std::string& n : names) *os << " [" << n << "]";
    };
    list("printers", s.printers);
    list("driver directory", s.driverFiles);
    list("3", s.versionFiles);
    list("C:\\TEMP", s.stagingFiles);
    *os << "\n  entry: " << s.entry << ", driver registered: " << s.driverRegistered;
}

std::vector<std::string> Without(std::vector<std::string> names, const std::vector<std::string>& gone)
{
    names.erase(std::remove_if(names.begin(), names.end(),
                               [&](const std::string& n) {
                                   return std::find(gone.begin(), gone.end(), n) != gone.end();
                               }),
                names.end());
    return names;
}

MachineState AfterRemoval(MachineState s)
{
    const std::vector<std::string> maker(std::begin(MAKER_FILES), std::end(MAKER_FILES));
    s.printers.erase(std::remove_if(s.printers.begin(), s.printers.end(),
                                    [](const std::string& n) { return IsModelPrinter(n.c_str()); }),
                     s.printers.end());
    s.driverFiles = Without(Without(s.driverFiles, maker), {UNINSTALLER_FILE});
    s.versionFiles = Without(s.versionFiles, maker);
    s.stagingFiles = Without(s.stagingFiles, maker);
    s.entry = false;
    return s;
}

std::string UninstallString()
{
    const auto values = wintest::RegValues(HKEY_LOCAL_MACHINE, UNINSTALL_KEY);
    const auto it = values.find("UninstallString");
    return it == values.end() ? "" : std::string(it->second.bytes.c_str());
}

Uninstaller::Uninstaller(const std::string& commandLine, const char* environment)
{
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    std::string cmd = commandLine;
    if (!CreateProcessA(NULL, &cmd[0], NULL, NULL, FALSE, 0, const_cast<char*>(environment), NULL, &si, &m_pi))
        m_pi = {};
}

Uninstaller::~Uninstaller()
{
    if (!m_pi.hProcess) return;
    if (WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(m_pi.hProcess, 1);
        WaitForSingleObject(m_pi.hProcess, 5000);
    }
    CloseHandle(m_pi.hThread);
    CloseHandle(m_pi.hProcess);
}

HWND Uninstaller::Dialog()
{
    if (!m_hDlg && m_pi.hProcess) {
        const DWORD pid = Pid();
        m_hDlg = wintest::WaitFor([pid] {
            HWND h = wintest::FindTopLevel(pid, "#32770", {1001, 1002});
            return h && IsWindowVisible(h) ? h : HWND(NULL);
        });
    }
    return m_hDlg;
}

HWND Uninstaller::Button(int id)
{
    return Dialog() ? wintest::Child(m_hDlg, id) : NULL;
}

bool Uninstaller::ClickAndWait(int id)
{
    HWND hButton = Button(id);
    DWORD_PTR result = 0;
    return hButton && SendMessageTimeoutA(hButton, BM_CLICK, 0, 0, SMTO_NORMAL, 60000, &result);
}

bool Uninstaller::WaitForExit(DWORD timeoutMs)
{
    return m_pi.hProcess && WaitForSingleObject(m_pi.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

bool Uninstaller::RemoveAndWaitForExit(std::vector<wintest::MessageBoxSeen>* pSeen)
{
    wintest::MessageBoxWatcher boxes(Pid());
    wintest::Click(Button(1001));
    const bool ended = WaitForExit();
    *pSeen = boxes.Seen();
    return ended;
}

DWORD Uninstaller::ExitCode()
{
    DWORD code = STILL_ACTIVE;
    if (m_pi.hProcess) GetExitCodeProcess(m_pi.hProcess, &code);
    return code;
}

std::string EnvironmentWithout(const char* name)
{
    std::string block;
    LPCH pEnv = GetEnvironmentStringsA();
    const size_t nameLength = std::strlen(name);
    for (LPCSTR p = pEnv; *p; p += std::strlen(p) + 1) {
        if (_strnicmp(p, name, nameLength) == 0 && p[nameLength] == '=') continue;
        block.append(p).append(1, '\0');
    }
    block.append(1, '\0');
    FreeEnvironmentStringsA(pEnv);
    return block;
}

bool FileGoneWithin(const std::string& path, DWORD timeoutMs)
{
    return wintest::WaitUntil([&] { return !wintest::FileExists(path); }, timeoutMs);
}

} // namespace uninst
