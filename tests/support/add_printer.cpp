// Adds a printer for a registered driver: "add_printer.exe NAME DRIVER".
// Used by tests whose own process cannot (Wine ties a process that pretends
// to be Windows 9x to the 9x spooler environment).
#include "Spooler.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: add_printer NAME DRIVER\n");
        return 2;
    }
    return wintest::AddTestPrinter(argv[1], argv[2]) ? 0 : 1;
}
