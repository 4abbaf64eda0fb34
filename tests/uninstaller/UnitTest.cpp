// The uninstaller's decisions, by tables: which printers go and in what order,
// which files in which order, the text language, the string tables, the
// self-deletion command line, the completion message, the dialog template,
// and the built file inside the installer. Run on an English and a Chinese system.

#include "Language.h"
#include "Product.h"
#include "Removal.h"
#include "SelfDelete.h"
#include "UninstallDlg.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <winspool.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

std::string Show(LPCSTR psz)
{
    return psz ? std::string("\"") + psz + "\"" : "NULL";
}

// ---------------------------------------------------------------------------
// Printer names

TEST(PrinterName, TokenAnywhereCaseSensitive)
{
    const struct {
        LPCSTR name;
        BOOL model;
    } cases[] = {
        {"QX710", TRUE},
        {"QX710(Copy 1)", TRUE},
        {"QX710(\xB8\xB1\xB1\xBE 2)", TRUE},  // the installer's GBK copy name
        {"Office QX710", TRUE},
        {"My QX710 printer", TRUE},
        {"qx710", FALSE},
        {"Qx710", FALSE},
        {"QX-710", FALSE},
        {"QX 710", FALSE},
        {"QX71", FALSE},
        {"", FALSE},
        {nullptr, FALSE},
    };
    for (const auto& c : cases) EXPECT_EQ(c.model, IsModelPrinter(c.name)) << Show(c.name);
}

TEST(PrinterName, TrailByteIsNeverTakenForTheToken)
{
    // 0x81 0x51 is one character in GBK (and Big5 and Shift-JIS): its trail byte is 'Q'.
    const BOOL dbcs = IsDBCSLeadByte(0x81);
    EXPECT_EQ(!dbcs, IsModelPrinter("\x81QX710")) << "code page " << GetACP();
    EXPECT_TRUE(IsModelPrinter("\x81\x51QX710"));
}

// ---------------------------------------------------------------------------
// The printer step against a spooler that the test controls

class FakeSpooler : public CPrinterAccess {
public:
    std::vector<std::string> names;
    std::set<std::string> unopenable, undeletable;
    bool allocationFails = false, listFails = false;
    DWORD extraCount = 0;  // reported beyond the records written
    std::vector<std::string> log;
    int allocated = 0, released = 0;

    DWORD ListSize() override
    {
        if (names.empty()) return 0;
        DWORD cb = static_cast<DWORD>(names.size() * sizeof(PRINTER_INFO_2A));
        for (const std::string& n : names) cb += static_cast<DWORD>(n.size() + 1);
        return cb;
    }
    LPBYTE Allocate(DWORD cb) override
    {
        if (allocationFails) return nullptr;
        ++allocated;
        return static_cast<LPBYTE>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, cb));
    }
    void Release(LPBYTE p) override
    {
        ++released;
        HeapFree(GetProcessHeap(), 0, p);
    }
    BOOL List(LPBYTE p, DWORD cb, DWORD* pCount) override
    {
        log.push_back("list");
        if (listFails || cb < ListSize()) return FALSE;
        auto* info = reinterpret_cast<PRINTER_INFO_2A*>(p);
        char* text = reinterpret_cast<char*>(p + names.size() * sizeof(PRINTER_INFO_2A));
        for (size_t i = 0; i < names.size(); ++i) {
            std::memcpy(text, names[i].c_str(), names[i].size() + 1);
            info[i].pPrinterName = text;
            text += names[i].size() + 1;
        }
        *pCount = static_cast<DWORD>(names.size()) + extraCount;
        return TRUE;
    }
    BOOL Open(LPSTR pszName, HANDLE* ph) override
    {
        log.push_back(std::string("open ") + pszName);
        if (unopenable.count(pszName)) return FALSE;
        m_open.push_back(pszName);
        *ph = reinterpret_cast<HANDLE>(m_open.size());
        return TRUE;
    }
    BOOL Delete(HANDLE h) override
    {
        const std::string& name = m_open.at(reinterpret_cast<size_t>(h) - 1);
        log.push_back("delete " + name);
        return !undeletable.count(name);
    }
    void Close(HANDLE h) override { log.push_back("close " + m_open.at(reinterpret_cast<size_t>(h) - 1)); }

private:
    std::vector<std::string> m_open;
};

std::vector<std::string> Removed(std::initializer_list<const char*> names)
{
    std::vector<std::string> log{"list"};
    for (const char* n : names) {
        log.push_back(std::string("open ") + n);
        log.push_back(std::string("delete ") + n);
        log.push_back(std::string("close ") + n);
    }
    return log;
}

TEST(PrinterStep, DeletesModelPrintersFromLastToFirst)
{
    FakeSpooler spooler;
    spooler.names = {"QX710", "qx710", "Office QX710", "QX-710", "QX710(Copy 1)"};
    std::vector<std::string> left;
    EXPECT_EQ(PRINTERS_DONE, RemoveModelPrinters(spooler, &left));
    EXPECT_EQ(Removed({"QX710(Copy 1)", "Office QX710", "QX710"}), spooler.log);
    EXPECT_TRUE(left.empty());
    EXPECT_EQ(1, spooler.allocated);
    EXPECT_EQ(1, spooler.released);
}

TEST(PrinterStep, StopsAtAPrinterThatCannotBeOpened)
{
    FakeSpooler spooler;
    spooler.names = {"A QX710", "B QX710", "C QX710", "D QX710"};
    spooler.unopenable = {"B QX710"};
    std::vector<std::string> left;
    EXPECT_EQ(PRINTERS_STOPPED, RemoveModelPrinters(spooler, &left));
    std::vector<std::string> expected = Removed({"D QX710", "C QX710"});
    expected.push_back("open B QX710");
    EXPECT_EQ(expected, spooler.log);  // A is never touched
    EXPECT_EQ(1, spooler.released);
}

TEST(PrinterStep, RefusedDeletionIsReportedAndTheWalkGoesOn)
{
    FakeSpooler spooler;
    spooler.names = {"QX710", "Office QX710", "QX710(Copy 1)"};
    spooler.undeletable = {"Office QX710"};
    std::vector<std::string> left;
    EXPECT_EQ(PRINTERS_DONE, RemoveModelPrinters(spooler, &left));
    EXPECT_EQ(Removed({"QX710(Copy 1)", "Office QX710", "QX710"}), spooler.log);
    EXPECT_EQ(std::vector<std::string>{"Office QX710"}, left);
}

TEST(PrinterStep, NoListMeansNoPrinterWork)
{
    const struct {
        const char* what;
        std::vector<std::string> names;
        bool allocationFails, listFails;
        std::vector<std::string> log;
    } cases[] = {
        {"no printer", {}, false, false, {}},
        {"list buffer cannot be allocated", {"QX710"}, true, false, {}},
        {"second enumeration fails", {"QX710"}, false, true, {"list"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeSpooler spooler;
        spooler.names = c.names;
        spooler.allocationFails = c.allocationFails;
        spooler.listFails = c.listFails;
        std::vector<std::string> left;
        EXPECT_EQ(PRINTERS_DONE, RemoveModelPrinters(spooler, &left));
        EXPECT_EQ(c.log, spooler.log);
        EXPECT_EQ(spooler.allocated, spooler.released);
    }
}

TEST(PrinterStep, CountBeyondTheBufferIsNotFollowed)
{
    FakeSpooler spooler;
    spooler.names = {"QX710", "Office QX710"};
    spooler.extraCount = 1000;
    std::vector<std::string> left;
    EXPECT_EQ(PRINTERS_DONE, RemoveModelPrinters(spooler, &left));
    EXPECT_EQ(Removed({"Office QX710", "QX710"}), spooler.log);
}

// ---------------------------------------------------------------------------
// Files: which paths, in which order

const char kDriverDir[] = "C:\\windows\\system32\\spool\\drivers\\w32x86";

std::vector<std::string> PathsFor(const DriverDirectorySource& source)
{
    std::vector<std::string> paths;
    ForEachRemovalPath(source, [&](LPCSTR p) { paths.push_back(p); });
    return paths;
}

DriverDirectorySource DirectoryIs(const std::string& dir)
{
    return [dir](LPSTR psz, size_t cch) {
        if (dir.size() >= cch) return FALSE;
        std::memcpy(psz, dir.c_str(), dir.size() + 1);
        return TRUE;
    };
}

std::vector<std::string> MakerFilesIn(const std::string& prefix, std::vector<std::string> names = {})
{
    if (names.empty()) names.assign(std::begin(MAKER_FILES), std::end(MAKER_FILES));
    std::vector<std::string> paths;
    for (const std::string& n : names) paths.push_back(prefix + n);
    return paths;
}

std::vector<std::string> Concat(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

TEST(RemovalPaths, FolderByFolderFileByFile)
{
    const std::string d = kDriverDir;
    const std::vector<std::string> expected = {
        d + "\\CONVELT.GPD",    d + "\\DRVVELT.INI",    d + "\\RESVELT.DLL",    d + "\\VELTD.dll",
        d + "\\VELTF.dll",      d + "\\3\\CONVELT.GPD", d + "\\3\\DRVVELT.INI", d + "\\3\\RESVELT.DLL",
        d + "\\3\\VELTD.dll",   d + "\\3\\VELTF.dll",   "c:\\temp\\CONVELT.GPD", "c:\\temp\\DRVVELT.INI",
        "c:\\temp\\RESVELT.DLL", "c:\\temp\\VELTD.dll", "c:\\temp\\VELTF.dll",
    };
    EXPECT_EQ(expected, PathsFor(DirectoryIs(d)));
}

TEST(RemovalPaths, DriverDirectoryBounds)
{
    const std::vector<std::string> staging = MakerFilesIn("c:\\temp\\");
    // 247 characters: "\" + an 11-character name ends at 259, the most a
    // 260-byte buffer holds; "\3\" + that name does not fit, "\3\" + 9 characters does.
    const std::string d247 = "C:\\" + std::string(244, 'd');
    const struct {
        const char* what;
        DriverDirectorySource source;
        std::vector<std::string> expected;
    } cases[] = {
        {"directory not available", [](LPSTR, size_t) { return FALSE; }, staging},
        {"empty directory", DirectoryIs(""), staging},
        {"directory without terminator",
         [](LPSTR psz, size_t cch) {
             std::memset(psz, 'A', cch);
             return TRUE;
         },
         staging},
        {"longest directory a buffer holds", DirectoryIs("C:\\" + std::string(256, 'd')), staging},
        {"paths at the limit",
         DirectoryIs(d247),
         Concat({MakerFilesIn(d247 + "\\"), MakerFilesIn(d247 + "\\3\\", {"VELTD.dll", "VELTF.dll"}), staging})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<std::string> paths = PathsFor(c.source);
        EXPECT_EQ(c.expected, paths);
        for (const std::string& p : paths) EXPECT_LT(p.size(), static_cast<size_t>(MAX_PATH));
    }
}

TEST(RemovalPaths, PathThatDoesNotFitLeavesTheBufferAlone)
{
    const struct {
        RemovalFolder folder;
        LPCSTR dir;
        size_t cch;
        const char* path;  // nullptr: not formed
    } cases[] = {
        {FOLDER_DRIVER, "C:\\dd", 16, "C:\\dd\\VELTD.dll"},
        {FOLDER_DRIVER, "C:\\ddd", 16, nullptr},
        {FOLDER_VERSION, "C:", 16, "C:\\3\\VELTD.dll"},
        {FOLDER_VERSION, "C:\\d", 16, nullptr},
        {FOLDER_VERSION, nullptr, 16, nullptr},
        {FOLDER_VERSION, "", 16, nullptr},
        {FOLDER_STAGING, nullptr, 18, "c:\\temp\\VELTD.dll"},
        {FOLDER_STAGING, nullptr, 17, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Show(c.dir) + " in " + std::to_string(c.cch) + " bytes");
        char buffer[32];
        std::memset(buffer, '#', sizeof(buffer));
        const BOOL formed = FormRemovalPath(c.folder, c.dir, "VELTD.dll", buffer, c.cch);
        EXPECT_EQ(c.path != nullptr, formed != FALSE);
        if (formed && c.path) { EXPECT_STREQ(c.path, buffer); }
        for (size_t i = formed ? std::strlen(buffer) + 1 : 0; i < sizeof(buffer); ++i)
            ASSERT_EQ('#', buffer[i]) << "byte " << i;
    }
}

// ---------------------------------------------------------------------------
// Language

TEST(TextLanguage, ChosenFromTheSystemLanguage)
{
    const struct {
        LANGID system, text;  // 0: the system's choice stays
    } cases[] = {
        {0x0804, 0x0804},  // Chinese, PRC
        {0x0404, 0x0404},  // Chinese, Taiwan
        {0x0C04, 0x0404},  // Chinese, Hong Kong
        {0x1004, 0},       // Chinese, Singapore
        {0x1404, 0},       // Chinese, Macao
        {0x0004, 0},       // Chinese, no sublanguage
        {0x0409, 0x0409},  // English, United States
        {0x0809, 0x0409},  // English, United Kingdom
        {0x0C09, 0x0409},  // English, Australia
        {0x0009, 0x0409},  // English, no sublanguage
        {0x0411, 0},       // Japanese
        {0x0407, 0},       // German
        {0x0000, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, ChooseTextLanguage(c.system)) << std::hex << "system 0x" << c.system;
}

TEST(StringBlock, CountedStringsAndTruncatedBlocks)
{
    // Three strings: "abc", an empty one, "xy"; the rest of the block is cut off.
    const WCHAR block[] = {3, L'a', L'b', L'c', 0, 2, L'x', L'y', 5, L'q'};
    const struct {
        const char* what;
        DWORD cb;
        UINT index;
        const wchar_t* expected;  // nullptr: not found
    } cases[] = {
        {"first", sizeof(block), 0, L"abc"},
        {"empty string", sizeof(block), 1, nullptr},
        {"after an empty one", sizeof(block), 2, L"xy"},
        {"length beyond the block", sizeof(block), 3, nullptr},
        {"beyond the block", sizeof(block), 4, nullptr},
        {"index beyond a block", sizeof(block), 16, nullptr},
        {"string cut by the size", 7 * sizeof(WCHAR), 2, nullptr},
        {"odd size", 4 * sizeof(WCHAR) + 1, 0, L"abc"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const WCHAR* psz = nullptr;
        UINT cch = 0;
        const BOOL found = FindStringInBlock(block, c.cb, c.index, &psz, &cch);
        EXPECT_EQ(c.expected != nullptr, found != FALSE);
        if (found && c.expected) { EXPECT_EQ(std::wstring(c.expected), std::wstring(psz, cch)); }
    }
    const WCHAR* psz = nullptr;
    UINT cch = 0;
    EXPECT_FALSE(FindStringInBlock(nullptr, 100, 0, &psz, &cch));
}

std::wstring StoredString(UINT id, LANGID lang)
{
    HMODULE h = GetModuleHandleA(NULL);
    HRSRC hRes = FindResourceExA(h, reinterpret_cast<LPCSTR>(RT_STRING), MAKEINTRESOURCEA((id >> 4) + 1), lang);
    if (!hRes) return L"(no table)";
    const WCHAR* psz = nullptr;
    UINT cch = 0;
    if (!FindStringInBlock(LockResource(LoadResource(h, hRes)), SizeofResource(h, hRes), id & 15, &psz, &cch))
        return L"(no string)";
    return std::wstring(psz, cch);
}

TEST(StringTables, TextsInTheFourLanguages)
{
    // The resource script goes through GBK and Big5 on its way to UTF-16;
    // this checks what arrives.
    const wchar_t* const chs[] = {L"卸载打印驱动程序", L"取消", L"打印驱动程序已成功卸载。",
                                  L"打印驱动程序未能完全卸载，以下项目仍然存在：%s"};
    const wchar_t* const cht[] = {L"卸載打印驅動程序", L"取消", L"打印驅動程序已順利卸載。",
                                  L"打印驅動程序未能完全卸載，以下項目仍然存在：%s"};
    const wchar_t* const eng[] = {L"Uninstall Printer Driver", L"Cancel",
                                  L"The printer driver has been removed successfully.",
                                  L"The printer driver was not removed completely; these items are still present: %s"};
    const UINT ids[] = {IDS_UNINSTALL, IDS_CANCEL, IDS_REMOVED, IDS_INCOMPLETE};
    const struct {
        LANGID lang;
        const wchar_t* const* texts;
    } tables[] = {{0x0409, eng}, {0x0804, chs}, {0x0404, cht}, {0x0C04, cht}};
    for (const auto& t : tables)
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(std::wstring(t.texts[i]), StoredString(ids[i], t.lang))
                << std::hex << "language 0x" << t.lang << std::dec << ", string " << ids[i];
}

TEST(StringTables, LoadedInTheAnsiCodePage)
{
    CString str;
    ASSERT_TRUE(LoadStringInLanguage(GetModuleHandleA(NULL), IDS_UNINSTALL, 0x0409, str));
    EXPECT_STREQ("Uninstall Printer Driver", str);
    if (GetACP() == 936) {
        ASSERT_TRUE(LoadStringInLanguage(GetModuleHandleA(NULL), IDS_CANCEL, 0x0804, str));
        EXPECT_STREQ("\xC8\xA1\xCF\xFB", str);
    }
    // A language without a table, and a number without a string: no text, so
    // the caller falls back to the usual lookup.
    EXPECT_FALSE(LoadStringInLanguage(GetModuleHandleA(NULL), IDS_UNINSTALL, 0x0411, str));
    EXPECT_FALSE(LoadStringInLanguage(GetModuleHandleA(NULL), 3, 0x0409, str));
    EXPECT_FALSE(LoadStringInLanguage(GetModuleHandleA(NULL), 4000, 0x0409, str));
}

// ---------------------------------------------------------------------------
// Self-deletion command line

TEST(SelfDeleteCommand, FormsAndBounds)
{
    const std::string cmd = "C:\\windows\\system32\\cmd.exe";
    const std::string shortPath = "C:\\PROG~FBU\\QX710U~1\\UNINST~1.EXE";
    // A path that makes the line exactly 519 characters, the most 520 bytes hold.
    const std::string fill519 = "C:\\" + std::string(519 - cmd.size() - 8 - 3, 'p');
    const std::string fill520 = fill519 + "p";
    const struct {
        const char* what;
        LPCSTR interpreter, path;
        BOOL formed;
        std::string line;
    } cases[] = {
        {"short path", cmd.c_str(), shortPath.c_str(), TRUE, cmd + " /c del " + shortPath},
        {"path with a blank", cmd.c_str(), "C:\\Program Files\\u.exe", TRUE, cmd + " /c del \"C:\\Program Files\\u.exe\""},
        {"interpreter with a blank", "C:\\Program Files\\cmd.exe", shortPath.c_str(), TRUE,
         "\"C:\\Program Files\\cmd.exe\" /c del " + shortPath},
        {"path with a command separator", cmd.c_str(), "C:\\A&B\\u.exe", TRUE, cmd + " /c del \"C:\\A&B\\u.exe\""},
        {"path with an argument separator", cmd.c_str(), "C:\\A,B\\u.exe", TRUE, cmd + " /c del \"C:\\A,B\\u.exe\""},
        {"path with a percent sign", cmd.c_str(), "C:\\%TEMP%\\u.exe", FALSE, ""},
        {"path with a quotation mark", cmd.c_str(), "C:\\a\"b\\u.exe", FALSE, ""},
        {"empty interpreter", "", shortPath.c_str(), FALSE, ""},
        {"no interpreter", nullptr, shortPath.c_str(), FALSE, ""},
        {"no path", cmd.c_str(), nullptr, FALSE, ""},
        {"519 characters", cmd.c_str(), fill519.c_str(), TRUE, cmd + " /c del " + fill519},
        {"520 characters", cmd.c_str(), fill520.c_str(), FALSE, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        char buffer[SELF_DELETE_COMMAND_SIZE + 16];
        std::memset(buffer, '#', sizeof(buffer));
        const BOOL formed = FormSelfDeleteCommand(c.interpreter, c.path, buffer, SELF_DELETE_COMMAND_SIZE);
        EXPECT_EQ(c.formed, formed);
        if (formed) { EXPECT_EQ(c.line, std::string(buffer)); }
        const size_t untouchedFrom = formed ? c.line.size() + 1 : 0;
        for (size_t i = untouchedFrom; i < sizeof(buffer); ++i) ASSERT_EQ('#', buffer[i]) << "byte " << i;
    }
}

// ---------------------------------------------------------------------------
// Completion message

TEST(CompletionMessage, NamesWhatIsLeft)
{
    const CString done = "Removed.";
    const struct {
        const char* incomplete;
        std::vector<std::string> left;
        const char* expected;
    } cases[] = {
        {"Left: %s", {}, "Removed."},
        {"Left: %s", {"C:\\temp\\VELTD.dll"}, "Left: C:\\temp\\VELTD.dll"},
        {"Left: %s.", {"Office QX710", "C:\\temp\\VELTD.dll"}, "Left: Office QX710, C:\\temp\\VELTD.dll."},
        {"Left:", {"QX710"}, "Left: QX710"},
        {"\xCE\xB4\xC4\xDC\xA3\xBA%s", {"a%sb"}, "\xCE\xB4\xC4\xDC\xA3\xBA" "a%sb"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.expected, CompletionText(done, c.incomplete, c.left)) << c.incomplete;
}

// ---------------------------------------------------------------------------
// The dialog template and the icon, as this program (which links the
// uninstaller's resources) loads them

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

TEST(DialogTemplate, LayoutAndStyles)
{
    HWND hDlg = CreateDialogParamA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDD_UNINSTALL), NULL,
                                   PlainDialogProc, 0);
    ASSERT_NE(nullptr, hDlg);
    const DWORD style = GetWindowLongA(hDlg, GWL_STYLE);
    const DWORD required[] = {WS_POPUP, WS_CAPTION, WS_SYSMENU, DS_MODALFRAME, DS_CENTER};
    for (DWORD bit : required) EXPECT_EQ(bit, style & bit) << std::hex << bit;
    EXPECT_EQ(0u, style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_EQ(DWORD(WS_EX_APPWINDOW), GetWindowLongA(hDlg, GWL_EXSTYLE) & WS_EX_APPWINDOW);

    LOGFONTA lf = {};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(hDlg, WM_GETFONT, 0, 0)), sizeof(lf), &lf);
    EXPECT_STREQ("MS Sans Serif", lf.lfFaceName);

    RECT client, size = {0, 0, 305, 59};
    GetClientRect(hDlg, &client);
    MapDialogRect(hDlg, &size);
    EXPECT_EQ(size.right, client.right);
    EXPECT_EQ(size.bottom, client.bottom);

    const struct {
        int id;
        RECT place;  // dialog units: x, y, width, height
    } buttons[] = {{IDC_UNINSTALL_BUTTON, {41, 15, 113, 25}}, {IDC_CANCEL_BUTTON, {201, 15, 63, 25}}};
    int children = 0;
    for (HWND h = GetWindow(hDlg, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) ++children;
    EXPECT_EQ(2, children);
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.id);
        HWND hButton = GetDlgItem(hDlg, b.id);
        ASSERT_NE(nullptr, hButton);
        RECT expected = b.place, actual;
        MapDialogRect(hDlg, &expected);  // maps each of the four values on its own
        GetWindowRect(hButton, &actual);
        MapWindowPoints(NULL, hDlg, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(expected.left, actual.left);
        EXPECT_EQ(expected.top, actual.top);
        EXPECT_EQ(expected.right, actual.right - actual.left);
        EXPECT_EQ(expected.bottom, actual.bottom - actual.top);
        const DWORD bs = GetWindowLongA(hButton, GWL_STYLE);
        EXPECT_EQ(DWORD(BS_PUSHBUTTON), bs & BS_TYPEMASK);  // not the default button
        EXPECT_EQ(DWORD(WS_TABSTOP | WS_VISIBLE), bs & (WS_TABSTOP | WS_VISIBLE));
    }
    DestroyWindow(hDlg);
}

TEST(DialogTemplate, IconHasBothSizes)
{
    HMODULE h = GetModuleHandleA(NULL);
    HRSRC hRes = FindResourceA(h, MAKEINTRESOURCEA(IDI_UNINSTALL), reinterpret_cast<LPCSTR>(RT_GROUP_ICON));
    ASSERT_NE(nullptr, hRes);
    const BYTE* p = static_cast<const BYTE*>(LockResource(LoadResource(h, hRes)));
    const DWORD cb = SizeofResource(h, hRes);
    ASSERT_GE(cb, 6u);
    const WORD count = *reinterpret_cast<const WORD*>(p + 4);
    ASSERT_GE(cb, 6u + 14u * count);
    std::set<int> sizes;
    for (WORD i = 0; i < count; ++i) sizes.insert(p[6 + 14 * i] == 0 ? 256 : p[6 + 14 * i]);
    EXPECT_EQ((std::set<int>{16, 32}), sizes);
}

TEST(DialogTemplate, OpensWithIconAndTextsOfTheSystemLanguage)
{
    CUninstallDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_UNINSTALL));
    // Icon 2000, big and small (a shared icon: loading it again gives the same handle).
    const LRESULT hIcon = reinterpret_cast<LRESULT>(LoadIconA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDI_UNINSTALL)));
    ASSERT_NE(0, hIcon);
    EXPECT_EQ(hIcon, dlg.SendMessage(WM_GETICON, ICON_BIG));
    EXPECT_EQ(hIcon, dlg.SendMessage(WM_GETICON, ICON_SMALL));

    const bool chinese = GetSystemDefaultLangID() == 0x0804;
    const char* title = chinese ? "\xD0\xB6\xD4\xD8\xB4\xF2\xD3\xA1\xC7\xFD\xB6\xAF\xB3\xCC\xD0\xF2"
                                : "Uninstall Printer Driver";
    char text[256];
    GetWindowTextA(dlg.m_hWnd, text, sizeof(text));
    EXPECT_STREQ(title, text);
    GetDlgItemTextA(dlg.m_hWnd, IDC_UNINSTALL_BUTTON, text, sizeof(text));
    EXPECT_STREQ(title, text);
    GetDlgItemTextA(dlg.m_hWnd, IDC_CANCEL_BUTTON, text, sizeof(text));
    EXPECT_STREQ(chinese ? "\xC8\xA1\xCF\xFB" : "Cancel", text);
    dlg.DestroyWindow();
}

// ---------------------------------------------------------------------------
// The installer carries the built uninstaller

std::string HostFile(const char* unixPath)
{
    std::string path = std::string("Z:") + unixPath;
    for (char& ch : path)
        if (ch == '/') ch = '\\';
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(Installer, CarriesTheBuiltUninstallerAs255)
{
    const std::string built = HostFile(UNINSTALLER_EXE);
    ASSERT_FALSE(built.empty()) << UNINSTALLER_EXE;
    std::string setup = std::string("Z:") + SETUP_EXE;
    for (char& ch : setup)
        if (ch == '/') ch = '\\';
    HMODULE h = LoadLibraryExA(setup.c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, h) << setup;
    HRSRC hRes = FindResourceA(h, MAKEINTRESOURCEA(255), "OWNER_DATA");
    ASSERT_NE(nullptr, hRes);
    const std::string carried(static_cast<const char*>(LockResource(LoadResource(h, hRes))), SizeofResource(h, hRes));
    EXPECT_TRUE(carried == built) << "resource 255 holds " << carried.size() << " bytes, the built file "
                                  << built.size();
    FreeLibrary(h);
}

} // namespace
