#pragma once
// The local printers of this model: those whose name holds the driver's name.

#include <windows.h>

#include <string>
#include <vector>

// Names of all local printers; empty when the spooler lists none or cannot list them.
std::vector<std::string> LocalPrinterNames();

// How many names hold pszToken (case-sensitively, anywhere in the name, as whole characters).
int CountNamesWithToken(const std::vector<std::string>& names, LPCSTR pszToken);
