// Further installations: the names of the printers they add.

#include "InstallFixture.h"
#include "InstallerTexts.h"

namespace installtest {
namespace {

std::string CopyName(short language, int n)
{
    return expected::CopyName(language, SystemLanguage(), n);
}

std::vector<std::string> Sorted(std::vector<std::string> names)
{
    std::sort(names.begin(), names.end());
    return names;
}

void DeletePrinterNamed(const char* name)
{
    HANDLE h = NULL;
    PRINTER_DEFAULTSA access = {NULL, NULL, PRINTER_ALL_ACCESS};
    ASSERT_TRUE(OpenPrinterA(const_cast<LPSTR>(name), &h, &access)) << name;
    DeletePrinter(h);
    ClosePrinter(h);
}

class FurtherInstalls : public InstallTest, public ::testing::WithParamInterface<short> {};

TEST_P(FurtherInstalls, NameCopiesByTheCountOfModelPrinters)
{
    const short language = GetParam();
    Install(language);
    Install(language);
    Install(language);
    EXPECT_EQ(Sorted({"QX710", CopyName(language, 1), CopyName(language, 2)}), wintest::PrinterNames());
    EXPECT_EQ(CopyName(language, 2), wintest::DefaultPrinter()) << "the newest printer is the default";
}

TEST_P(FurtherInstalls, PrintersHoldingTheTokenCountOthersDoNot)
{
    const short language = GetParam();
    Install(language);
    DeletePrinterNamed("QX710");
    // Printer names ignore case: "qx710" is a printer of its own only once QX710 is gone.
    ASSERT_TRUE(wintest::AddTestPrinter("qx710", "QX710"));
    ASSERT_TRUE(wintest::AddTestPrinter("QX-710", "QX710"));
    ASSERT_TRUE(wintest::AddTestPrinter("Office QX710", "QX710"));
    Install(language);
    // Only Office QX710 counts: the new printer is copy 1.
    EXPECT_EQ(Sorted({"Office QX710", "qx710", "QX-710", CopyName(language, 1)}), wintest::PrinterNames());
}

TEST_P(FurtherInstalls, TakenCopyNameMovesToTheNextFreeNumber)
{
    const short language = GetParam();
    Install(language);
    Install(language);
    // The user removed QX710: one printer of the model is left, and its name is copy 1.
    DeletePrinterNamed("QX710");
    m_boxes.Clear();

    Install(language);
    EXPECT_EQ(Sorted({CopyName(language, 1), CopyName(language, 2)}), wintest::PrinterNames())
        << "a second printer, not the first one overwritten";
    ASSERT_EQ(1u, Boxes().size()) << "default " << wintest::DefaultPrinter();
    EXPECT_NE("ERROR", Boxes()[0].caption);
}

INSTANTIATE_TEST_SUITE_P(Languages, FurtherInstalls, ::testing::Values(short(0), short(1)));

TEST_F(InstallTest, NoLanguageChosenShowsNothingAndKeepsTheWizard)
{
    Install(-1);
    EXPECT_EQ(std::vector<std::string>{"QX710"}, wintest::PrinterNames());
    EXPECT_EQ("QX710", wintest::DefaultPrinter());
    EXPECT_TRUE(Boxes().empty());
    EXPECT_FALSE(QuitPosted());

    // With printers of the model present, the English copy name.
    Install(-1);
    EXPECT_EQ(Sorted({"QX710", "QX710(Copy 1)"}), wintest::PrinterNames());
    EXPECT_TRUE(Boxes().empty());
}

} // namespace
} // namespace installtest
