#pragma once
// The "ERROR" box: the system's own text for an error code.

#include <windows.h>

// The system's text for an error code; "Error <code>." when the system has none.
// The caller frees the text with LocalFree.
LPSTR SystemErrorText(DWORD dwError);

// Shows the system's text for the error in a box captioned "ERROR", with no owner.
void ShowSystemError(DWORD dwError);
