#pragma once
// Deleting the program's own executable once the program has ended.

#include <windows.h>

#include <cstddef>

// The size of the command line's buffer.
constexpr size_t SELF_DELETE_COMMAND_SIZE = 520;

// Forms "<interpreter> /c del <path>" into a buffer of cchCommand bytes. A
// short path holds no blanks; a part that does (a volume without short names,
// an interpreter under "Program Files") or holds another character the
// interpreter splits commands at is put in quotation marks, so that no other
// file is ever named. FALSE, with nothing written, when a part is missing,
// holds '"' or '%', or the line does not fit.
BOOL FormSelfDeleteCommand(LPCSTR pszInterpreter, LPCSTR pszPath, LPSTR pszCommand, size_t cchCommand);

// Starts a hidden command shell, suspended and at idle priority, that deletes
// the executable once this process, raised to high priority, has ended.
// 0 when the shell was started; -1 when the executable's path, "COMSPEC" or
// the short path is not available (or too long); else the system's error code.
int DeleteSelf();
