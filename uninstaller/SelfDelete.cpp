#include "SelfDelete.h"

#include <cstring>
#include <string>

namespace {

// The characters at which the command interpreter splits a command or its arguments.
const char kNeedsQuotes[] = " \t&|<>^(),;=";

// Appends a name as one word of the command line; FALSE for a name that no
// quoting keeps whole (quotation marks; '%', which the interpreter expands).
BOOL AppendPart(std::string& line, LPCSTR psz)
{
    if (!*psz || std::strpbrk(psz, "\"%")) return FALSE;
    if (std::strpbrk(psz, kNeedsQuotes)) line.append("\"").append(psz).append("\"");
    else line.append(psz);
    return TRUE;
}

} // namespace

BOOL FormSelfDeleteCommand(LPCSTR pszInterpreter, LPCSTR pszPath, LPSTR pszCommand, size_t cchCommand)
{
    if (!pszInterpreter || !pszPath || !pszCommand) return FALSE;
    std::string line;
    if (!AppendPart(line, pszInterpreter)) return FALSE;
    line += " /c del ";
    if (!AppendPart(line, pszPath)) return FALSE;
    if (line.size() >= cchCommand) return FALSE;
    std::memcpy(pszCommand, line.c_str(), line.size() + 1);
    return TRUE;
}

int DeleteSelf()
{
    char szModule[MAX_PATH] = {};
    const DWORD cchModule = ::GetModuleFileNameA(NULL, szModule, MAX_PATH);
    if (cchModule == 0 || cchModule >= MAX_PATH) return -1;

    char szComspec[MAX_PATH] = {};
    const DWORD cchComspec = ::GetEnvironmentVariableA("COMSPEC", szComspec, MAX_PATH);
    if (cchComspec == 0 || cchComspec >= MAX_PATH) return -1;

    const DWORD cchShort = ::GetShortPathNameA(szModule, szModule, MAX_PATH);
    if (cchShort == 0 || cchShort >= MAX_PATH) return -1;

    char szCommand[SELF_DELETE_COMMAND_SIZE];
    if (!FormSelfDeleteCommand(szComspec, szModule, szCommand, sizeof(szCommand))) return -1;

    STARTUPINFOA si;
    std::memset(&si, 0, sizeof(si));
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessA(NULL, szCommand, NULL, NULL, FALSE, CREATE_SUSPENDED, NULL, NULL, &si, &pi))
        return static_cast<int>(::GetLastError());

    // The shell runs only when this process no longer holds the processor,
    // that is once it has ended and its executable is free.
    ::SetPriorityClass(::GetCurrentProcess(), HIGH_PRIORITY_CLASS);
    ::SetFileAttributesA(szModule, FILE_ATTRIBUTE_NORMAL);
    ::SetPriorityClass(pi.hProcess, IDLE_PRIORITY_CLASS);
    ::ResumeThread(pi.hThread);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return 0;
}
