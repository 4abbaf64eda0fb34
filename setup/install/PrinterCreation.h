#pragma once
// The closing steps of an installation: the printer for the registered driver,
// made the default printer, and the completion message.

#include <windows.h>

#include <string>
#include <vector>

// The printf format of a further printer's name ("%s" the driver, "%d" the count),
// in the chosen language: GBK or Big5 bytes for Chinese, English otherwise.
LPCSTR CopyNameFormat(short language, LANGID langSystem);

// The completion message in the chosen language; nullptr when no language was chosen.
LPCSTR CompletionMessage(short language, LANGID langSystem);

// The name for a new printer of the driver pszBase, given the names of the
// printers that exist: pszBase when none holds it, else the copy name with
// their count, or the next count whose name is free. FALSE if it would not fit.
BOOL ChoosePrinterName(char (&name)[MAX_PATH], LPCSTR pszBase, const std::vector<std::string>& existing,
                       short language, LANGID langSystem);

// Adds the printer for g_driverDesc on LPT1:, makes it the default printer and
// tells the user; then ends the wizard.
void CreatePrinterAndFinish(LANGID langSystem);
