// Drives setup.exe's wizard for scripts (tools/run.sh, tools/screenshots.sh,
// the start-up scenarios):
//   wizard_tool cancel EXE   start the wizard, print the first page's texts, press Cancel
//   wizard_tool walk EXE     walk the default path and install; print the messages shown
//   wizard_tool shots EXE    walk every page; before each, print "SHOT name x y w h" (the
//                            frame's screen rectangle) and wait for a line on stdin
//   wizard_tool report       print the printers, the default printer and the uninstall entry
//   wizard_tool reset        remove printers, driver, driver files, staged files and the entry
// Exit code 0 on success.

#include "Product.h"
#include "Spooler.h"
#include "WizardDriver.h"

#include <cstdio>
#include <iostream>
#include <string>

using namespace wizardtest;

namespace {

// The page's texts in UTF-8, one "id: text" line each.
void PrintTexts(Wizard& wizard, Page page)
{
    for (HWND h = GetWindow(wizard.PageWindow(page), GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
        wchar_t wide[1024] = {};
        SendMessageTimeoutW(h, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(wide), SMTO_ABORTIFHUNG, 5000, NULL);
        char utf8[4096] = {};
        WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, sizeof(utf8), NULL, NULL);
        if (utf8[0]) std::printf("%d: %s\n", GetDlgCtrlID(h), utf8);
    }
}

// A text of the program's code page in UTF-8.
std::string Utf8(const std::string& text)
{
    wchar_t wide[4096] = {};
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide, 4096);
    char utf8[8192] = {};
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, sizeof(utf8), NULL, NULL);
    return utf8;
}

void PrintBoxes(Wizard& wizard)
{
    for (const wintest::MessageBoxSeen& box : wizard.Boxes().Seen())
        std::printf("message box \"%s\": %s\n", Utf8(box.caption).c_str(), Utf8(box.text).c_str());
}

// Prints the shot's name and the rectangle around the frame and any other window
// given (a message box), then waits for the caller.
void Shot(const char* name, HWND hWnd, HWND hOther = NULL)
{
    RECT rc = {};
    GetWindowRect(hWnd, &rc);
    if (hOther) {
        RECT other = {};
        GetWindowRect(hOther, &other);
        UnionRect(&rc, &rc, &other);
    }
    std::printf("SHOT %s %ld %ld %ld %ld\n", name, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
    std::fflush(stdout);
    std::string line;
    std::getline(std::cin, line);
}

bool WalkToProgress(Wizard& wizard, bool shots)
{
    if (shots) Shot("welcome", wizard.Frame());
    if (!wizard.Click(NEXT)) return false;
    if (shots) Shot("system", wizard.Frame());
    if (!wizard.Click(NEXT)) return false;
    wizard.SelectListEntry(PRINTER, 1006, 0);
    if (shots) Shot("printer", wizard.Frame());
    return wizard.Click(NEXT);
}

int Cancel(const std::string& exe)
{
    Wizard wizard(exe);
    if (!wizard.Started()) return 1;
    PrintTexts(wizard, wizard.CurrentPage());
    wizard.Click(CANCEL);
    return wizard.WaitForExit();
}

int Walk(const std::string& exe)
{
    Wizard wizard(exe);
    if (!wizard.Started() || !WalkToProgress(wizard, false)) return 1;
    const int code = wizard.WaitForExit(60000);
    PrintBoxes(wizard);
    return code == 0 ? 0 : 1;
}

int Shots(const std::string& exe)
{
    Wizard wizard(exe);
    if (!wizard.Started()) return 1;
    // The About box first, over the welcome page.
    PostMessageA(wizard.Frame(), WM_SYSCOMMAND, 16, 0);
    HWND hAbout = wintest::WaitFor([&] { return wintest::FindTopLevel(wizard.ProcessId(), "#32770", {1062, IDOK}); });
    if (hAbout) {
        Shot("about", wizard.Frame());
        wintest::Click(wintest::Child(hAbout, IDOK));
        wintest::WaitUntil([&] { return !IsWindow(hAbout); });
    }
    // The installation's message stays open for the last shot.
    wizard.Boxes().SetAnswering(false);
    if (!WalkToProgress(wizard, true)) return 1;
    if (!wintest::WaitUntil([&] { return !wizard.Boxes().Seen().empty(); }, 60000)) return 1;
    Sleep(200);
    Shot("progress", wizard.Frame(), wintest::FindTopLevel(wizard.ProcessId(), "#32770", {0xFFFF, 1088}));
    wizard.Boxes().SetAnswering(true);
    const int code = wizard.WaitForExit(60000);
    PrintBoxes(wizard);
    return code == 0 ? 0 : 1;
}

int Report()
{
    std::printf("printers:\n");
    for (const wintest::PrinterState& p : wintest::Printers())
        std::printf("  %s  (driver %s, port %s, %s)\n", p.name.c_str(), p.driver.c_str(), p.port.c_str(),
                    p.printProcessor.c_str());
    std::printf("default printer: %s\n", wintest::DefaultPrinter().c_str());
    wintest::DriverState driver;
    if (wintest::FindDriver(SPOOLER_ENVIRONMENT, PRINTER_TOKEN, &driver))
        std::printf("driver: %s (%s, version %lu)\n", driver.name.c_str(), driver.environment.c_str(),
                    driver.version);
    std::printf("uninstall entry HKLM\\%s:\n", UNINSTALL_KEY);
    for (const auto& value : wintest::RegValues(HKEY_LOCAL_MACHINE, UNINSTALL_KEY))
        std::printf("  %s = %s\n", value.first.c_str(), value.second.bytes.c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    const std::string exe = argc > 2 ? argv[2] : std::string(APP_FOLDER) + "\\setup.exe";
    if (command == "cancel") return Cancel(exe);
    if (command == "walk") return Walk(exe);
    if (command == "shots") return Shots(exe);
    if (command == "report") return Report();
    if (command == "reset") {
        wintest::ResetMachine(SPOOLER_ENVIRONMENT, PRINTER_TOKEN);
        return 0;
    }
    std::fprintf(stderr, "usage: wizard_tool cancel|walk|shots [EXE] | report | reset\n");
    return 2;
}
