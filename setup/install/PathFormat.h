#pragma once
// Bounded formatting of paths and names into fixed MAX_PATH buffers.

#include <windows.h>

// Formats into out; FALSE, with out emptied, when the text would not fit.
BOOL FormatPath(char (&out)[MAX_PATH], const char* pszFormat, ...) __attribute__((format(printf, 2, 3)));
