// The installation's decisions: names, lists, paths and methods.

#include "DefaultPrinter.h"
#include "InstallerTexts.h"
#include "DriverDescription.h"
#include "PathFormat.h"
#include "PrinterCreation.h"
#include "SystemVersion.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// The NUL-separated list as "a|b|c".
std::string Joined(const char* list)
{
    std::string text;
    for (const char* p = list; *p; p += std::strlen(p) + 1) text += (text.empty() ? "" : "|") + std::string(p);
    return text;
}

TEST(DependentFiles, SplitsAtEverySeparatorAndSkipsEmptyNames)
{
    struct Case {
        const char* names;
        const char* expected;
    } cases[] = {
        {"UNIRES.DLL;STDNAMES.GPD;ZIKUVELT.UFM;DRVVELT.INI;RESVELT.DLL;VELTD.dll;VELTF.dll",
         "D\\UNIRES.DLL|D\\STDNAMES.GPD|D\\ZIKUVELT.UFM|D\\DRVVELT.INI|D\\RESVELT.DLL|D\\VELTD.dll|D\\VELTF.dll"},
        {"a,b c\td\re\nf", "D\\a|D\\b|D\\c|D\\d|D\\e|D\\f"},
        {";;a;, ;b;;", "D\\a|D\\b"},
        {"", ""},
        {" ;,", ""},
    };
    for (const Case& c : cases) {
        char list[13000];
        std::memset(list, 'x', sizeof(list));
        EXPECT_TRUE(BuildDependentFiles("D", c.names, list, sizeof(list))) << c.names;
        EXPECT_EQ(c.expected, Joined(list)) << c.names;
        // The list ends with an extra NUL (two for an empty list).
        size_t end = 0;
        while (list[end] || list[end + 1]) ++end;
        EXPECT_EQ('\0', list[end + 1]);
    }
}

TEST(DependentFiles, NeverWritesPastTheBuffer)
{
    // Three entries of 10 bytes and the final NUL need 31 bytes; given 30, two fit.
    char list[40];
    std::memset(list, 'x', sizeof(list));
    EXPECT_FALSE(BuildDependentFiles("DIR", "file1;file2;file3", list, 30));
    EXPECT_EQ("DIR\\file1|DIR\\file2", Joined(list));
    EXPECT_EQ(std::string(10, 'x'), std::string(list + 30, 10)) << "nothing written past the given size";
    EXPECT_TRUE(BuildDependentFiles("DIR", "file1;file2;file3", list, 31));

    const std::string longDir(MAX_PATH - 3, 'd');
    char big[13000];
    EXPECT_FALSE(BuildDependentFiles(longDir.c_str(), "abc", big, sizeof(big))) << "a path over MAX_PATH";
    EXPECT_EQ("", Joined(big));
}

TEST(PathFormatting, RefusesWhatDoesNotFit)
{
    char path[MAX_PATH];
    EXPECT_TRUE(FormatPath(path, "%s\\%s", "C:\\TEMP", "VELTF.dll"));
    EXPECT_STREQ("C:\\TEMP\\VELTF.dll", path);
    const std::string dir(MAX_PATH - 10, 'd');  // dir + "\" + 9 characters + NUL = 261
    EXPECT_FALSE(FormatPath(path, "%s\\%s", dir.c_str(), "VELTF.dll"));
    EXPECT_STREQ("", path);
    EXPECT_TRUE(FormatPath(path, "%s\\%s", dir.c_str(), "VELTF.dl"));
}

TEST(DriverDescriptionTest, VersionDigitBySystem)
{
    const std::pair<int, const char*> table[] = {
        {SV_WIN32S, "3"}, {SV_WIN95, "3"},    {SV_WIN98, "0"},  {SV_WINME, "3"},  {SV_NT_OTHER, "1"}, {SV_NT4, "2"},
        {SV_WIN2000, "3"}, {SV_WINXP, "3"}, {SV_WIN2003, "3"}, {SV_VISTA, "3"}, {SV_WIN7, "3"},
    };
    for (const auto& row : table) EXPECT_STREQ(row.second, DriverVersionDigit(row.first)) << row.first;

    DriverDescription desc;
    FillDriverDescription(&desc, SV_NT4);
    EXPECT_STREQ("2", desc.szVersion);
    EXPECT_STREQ("QX710", desc.szName);
    EXPECT_STREQ("", desc.szMonitorName);
    EXPECT_STREQ("", desc.szDefaultDataType);
}

TEST(PrinterNaming, CopyNamesByCountLanguageAndFreeNames)
{
    const std::string GBK_COPY = expected::COPY_GBK;
    const std::string BIG5_COPY = expected::COPY_BIG5;
    struct Case {
        std::vector<std::string> existing;
        short language;
        LANGID lang;
        std::string expected;
    } cases[] = {
        {{}, 1, 0x0409, "QX710"},
        {{"HP LaserJet", "qx710"}, 0, 0x0804, "QX710"},  // "qx710" does not count
        {{"QX710"}, 1, 0x0409, "QX710(Copy 1)"},
        {{"QX710"}, 0, 0x0804, std::string("QX710(") + GBK_COPY + " 1)"},
        {{"QX710"}, 0, 0x0404, std::string("QX710(") + BIG5_COPY + " 1)"},
        {{"QX710"}, 0, 0x0409, std::string("QX710(") + BIG5_COPY + " 1)"},
        {{"QX710", "QX710(Copy 1)"}, 1, 0x0804, "QX710(Copy 2)"},
        {{"QX710", "Office QX710"}, 1, 0x0409, "QX710(Copy 2)"},
        {{"My QX710 printer"}, 1, 0x0409, "QX710(Copy 1)"},
        // The only one left is copy 1: its name is taken, so the next free number.
        {{"QX710(Copy 1)"}, 1, 0x0409, "QX710(Copy 2)"},
        {{"QX710(copy 1)"}, 1, 0x0409, "QX710(Copy 2)"},  // names ignore case
        {{"QX710(Copy 2)", "QX710(Copy 3)"}, 1, 0x0409, "QX710(Copy 4)"},
        // No language chosen: the English form.
        {{"QX710"}, -1, 0x0804, "QX710(Copy 1)"},
        {{"QX710"}, 7, 0x0411, "QX710(Copy 1)"},
    };
    for (const Case& c : cases) {
        char name[MAX_PATH];
        ASSERT_TRUE(ChoosePrinterName(name, "QX710", c.existing, c.language, c.lang));
        EXPECT_EQ(c.expected, name) << "language " << c.language << " with " << c.existing.size() << " printers";
    }
}

TEST(PrinterNaming, CompletionMessagesByLanguage)
{
    EXPECT_STREQ(expected::DONE_ENGLISH, CompletionMessage(1, 0x0804));
    EXPECT_STREQ(expected::DONE_GBK, CompletionMessage(0, 0x0804));
    EXPECT_STREQ(expected::DONE_BIG5, CompletionMessage(0, 0x0C04));
    EXPECT_EQ(nullptr, CompletionMessage(-1, 0x0804));
    EXPECT_EQ(nullptr, CompletionMessage(2, 0x0409));
}

TEST(DefaultPrinterChoice, MethodByPlatformAndVersion)
{
    struct Case {
        DWORD platform, major;
        DefaultPrinterMethod expected;
    } cases[] = {
        {VER_PLATFORM_WIN32_NT, 5, DefaultPrinterMethod::SpoolerCall},
        {VER_PLATFORM_WIN32_NT, 6, DefaultPrinterMethod::SpoolerCall},
        {VER_PLATFORM_WIN32_NT, 10, DefaultPrinterMethod::SpoolerCall},
        {VER_PLATFORM_WIN32_NT, 4, DefaultPrinterMethod::ProfileEntry},
        {VER_PLATFORM_WIN32_NT, 3, DefaultPrinterMethod::ProfileEntry},
        {VER_PLATFORM_WIN32_WINDOWS, 4, DefaultPrinterMethod::PrinterAttribute},
        {VER_PLATFORM_WIN32s, 3, DefaultPrinterMethod::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, ChooseDefaultPrinterMethod(c.platform, c.major)) << c.platform << " " << c.major;

    char value[18];
    EXPECT_TRUE(FormatDeviceValue(value, sizeof(value), "QX710", "QX710", "LPT1:"));
    EXPECT_STREQ("QX710,QX710,LPT1:", value);
    EXPECT_FALSE(FormatDeviceValue(value, sizeof(value) - 1, "QX710", "QX710", "LPT1:"));
    EXPECT_EQ(0, MakeDefaultPrinter(nullptr));
}

} // namespace
