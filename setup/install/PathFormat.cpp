#include "PathFormat.h"

#include <cstdarg>
#include <cstdio>

BOOL FormatPath(char (&out)[MAX_PATH], const char* pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    const int length = std::vsnprintf(out, MAX_PATH, pszFormat, args);
    va_end(args);
    if (length < 0 || length >= MAX_PATH) {
        out[0] = '\0';
        return FALSE;
    }
    return TRUE;
}
