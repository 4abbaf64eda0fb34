// What the pages show and how they react: texts in each language, the system
// page's preselection, the printer page's rules.

#include "WizardFixture.h"

#include <map>

namespace wizardtest {
namespace {

// The controls that have texts in every string set, by dialog.
const std::map<int, std::vector<int>> KEYED_CONTROLS = {
    {WELCOME, {1042, 1043, 1044, 1045}},
    {SYSTEM, {1051, 1052, 1053, 1054, 1037, 1038, 1032, 1033, 1036}},
    {PRINTER, {1055, 1056, 1039, 1057}},
    {PROGRESS, {1058, 1059, 1060, 1035}},
};

void ExpectTextsOfTheSet(Wizard& wizard, Page page)
{
    const std::string set = ActiveSetFile();
    for (int id : KEYED_CONTROLS.at(page)) {
        const std::string key = "IDD" + std::to_string(page) + "_" + std::to_string(id);
        const std::string expected = SetValue(set, key);
        ASSERT_FALSE(expected.empty()) << key;
        EXPECT_EQ(expected, wizard.Text(page, id)) << key;
    }
    // No set has texts for these: they keep the template's in every language.
    if (page == SYSTEM) {
        EXPECT_EQ("Vista", wizard.Text(SYSTEM, 1070));
        EXPECT_EQ("Windows 7", wizard.Text(SYSTEM, 1071));
    }
}

TEST_F(WizardTest, EveryPageShowsTheTextsOfTheSetChosenAtStart)
{
    if (!EnglishSystem() && !ChineseSystem()) GTEST_SKIP() << "no string set applies on this system";
    if (ChineseSystem() && SystemLanguage() != 0x0804 && GetACP() != 950) GTEST_SKIP() << "Big5 needs code page 950";
    RunOnceAndCancel();
    RefuseRegistration();  // the wizard stays on the progress page
    Wizard wizard;
    ASSERT_TRUE(wizard.Started());
    EXPECT_EQ("", wintest::Text(wizard.Frame())) << "the frame's caption stays empty";
    const std::string set = ActiveSetFile();
    for (Button b : {BACK, NEXT, CANCEL, FINISH})
        EXPECT_EQ(SetValue(set, "IDD102_" + std::to_string(b)), wizard.Text(NO_PAGE, b)) << b;

    ExpectTextsOfTheSet(wizard, WELCOME);
    ASSERT_TRUE(wizard.Click(NEXT));
    ExpectTextsOfTheSet(wizard, SYSTEM);
    ASSERT_TRUE(wizard.Click(NEXT));
    ExpectTextsOfTheSet(wizard, PRINTER);
    EXPECT_EQ("", wizard.Text(PRINTER, 1019)) << "the name field takes no text from the set";
    wizard.SelectListEntry(PRINTER, 1006, 0);
    ASSERT_TRUE(wizard.Click(NEXT));
    ExpectTextsOfTheSet(wizard, PROGRESS);

    // Spot checks of the encodings, independent of the set files.
    const char* next = EnglishSystem()                 ? "&Next"
                       : SystemLanguage() == 0x0804    ? "\xCF\xC2\xD2\xBB\xB2\xBD"   // GBK
                                                       : "\xA4\x55\xA4\x40\xA8\x42";  // Big5
    EXPECT_EQ(next, wizard.Text(NO_PAGE, NEXT));
    ASSERT_TRUE(wizard.Click(CANCEL));
    EXPECT_EQ(0, wizard.WaitForExit());
}

TEST_F(WizardTest, SystemsWithoutASetKeepTheTemplateTexts)
{
    if (EnglishSystem() || ChineseSystem()) GTEST_SKIP() << "a string set applies on this system";
    RunOnceAndCancel();
    Wizard wizard;
    ASSERT_TRUE(wizard.Started());
    // Template texts; 8-bit window functions under this code page may turn
    // Chinese characters into "?", but never into a string set's text.
    EXPECT_NE("&Next", wizard.Text(NO_PAGE, NEXT));
    EXPECT_NE(std::string::npos, wizard.Text(WELCOME, 1042).find("QX710"));
    EXPECT_NE(SetValue("Multi_eng.dll", "IDD138_1042"), wizard.Text(WELCOME, 1042));
    ASSERT_TRUE(wizard.Click(NEXT));
    EXPECT_EQ("Windows 2000", wizard.Text(SYSTEM, 1032));
    EXPECT_EQ("Vista", wizard.Text(SYSTEM, 1070));
    ASSERT_TRUE(wizard.Click(CANCEL));
    EXPECT_EQ(0, wizard.WaitForExit());
}

bool Checked(Wizard& wizard, int id)
{
    return SendMessageA(wizard.Control(SYSTEM, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::string CheckedButtons(Wizard& wizard, std::initializer_list<int> ids)
{
    std::string checked;
    for (int id : ids)
        if (Checked(wizard, id)) checked += (checked.empty() ? "" : " ") + std::to_string(id);
    return checked;
}

TEST_F(WizardTest, SystemPagePreselectsTheDetectedSystemAndLanguage)
{
    const std::string language = ChineseSystem() ? "1037" : EnglishSystem() ? "1038" : "";
    const std::pair<const char*, const char*> versions[] = {
        {"win2k", "1032"}, {"winxp", "1033"}, {"win2003", "1036"}, {"vista", "1070"}, {"win7", "1071"},
        {"nt40", ""},      {"win8", ""},      {"win98", ""},
    };
    for (const auto& version : versions) {
        SetSetupVersion(version.first);
        Wizard wizard;
        ASSERT_TRUE(wizard.Started()) << version.first;
        ASSERT_TRUE(wizard.Click(NEXT));
        EXPECT_EQ(version.second, CheckedButtons(wizard, {1032, 1033, 1036, 1070, 1071})) << version.first;
        EXPECT_EQ(language, CheckedButtons(wizard, {1037, 1038})) << version.first;
        ASSERT_TRUE(wizard.Click(CANCEL));
        EXPECT_EQ(0, wizard.WaitForExit());
    }
}

TEST_F(WizardTest, SystemPageKeepsTheUsersClicksWhenVisitedAgain)
{
    Wizard wizard;
    ASSERT_TRUE(wizard.Started());
    ASSERT_TRUE(wizard.Click(NEXT));
    wizard.ClickControl(SYSTEM, 1033);  // Windows XP on a Windows 7 system
    wizard.ClickControl(SYSTEM, 1038);
    const std::string textsBefore = wizard.Text(SYSTEM, 1051);
    ASSERT_TRUE(wizard.Click(BACK));
    ASSERT_TRUE(wizard.Click(NEXT));
    EXPECT_EQ("1033", CheckedButtons(wizard, {1032, 1033, 1036, 1070, 1071}));
    EXPECT_EQ("1038", CheckedButtons(wizard, {1037, 1038}));
    EXPECT_EQ(textsBefore, wizard.Text(SYSTEM, 1051)) << "a language button changes no text";
    ASSERT_TRUE(wizard.Click(CANCEL));
    EXPECT_EQ(0, wizard.WaitForExit());
}

TEST_F(WizardTest, PrinterPageEnablesNextOnceTheSeriesIsSelected)
{
    Wizard wizard;
    ASSERT_TRUE(wizard.Started());
    ASSERT_TRUE(wizard.Click(NEXT));
    ASSERT_TRUE(wizard.Click(NEXT));
    HWND hList = wizard.Control(PRINTER, 1006);
    HWND hCheck = wizard.Control(PRINTER, 1039);
    HWND hName = wizard.Control(PRINTER, 1019);
    EXPECT_EQ(1, SendMessageA(hList, LB_GETCOUNT, 0, 0));
    // Wine does not carry a list entry's text across processes for a list box
    // without LBS_HASSTRINGS; its length, and the name field below, tell the entry.
    EXPECT_EQ(11, SendMessageA(hList, LB_GETTEXTLEN, 0, 0));
    EXPECT_EQ(LB_ERR, SendMessageA(hList, LB_GETCURSEL, 0, 0));
    EXPECT_EQ(BST_CHECKED, SendMessageA(hCheck, BM_GETCHECK, 0, 0));
    EXPECT_EQ("", wintest::Text(hName));
    EXPECT_NE(0, GetWindowLongA(hName, GWL_STYLE) & ES_READONLY) << "the name cannot be edited";
    EXPECT_FALSE(wizard.Enabled(NEXT));

    // Unticked, then the entry selected: the box is set again from the state read at creation.
    wizard.ClickControl(PRINTER, 1039);
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(hCheck, BM_GETCHECK, 0, 0));
    wizard.SelectListEntry(PRINTER, 1006, 0);
    EXPECT_TRUE(wizard.Enabled(NEXT));
    EXPECT_EQ("76mm series", wintest::Text(hName));
    EXPECT_EQ(BST_CHECKED, SendMessageA(hCheck, BM_GETCHECK, 0, 0));
    ASSERT_TRUE(wizard.Click(CANCEL));
    EXPECT_EQ(0, wizard.WaitForExit());
}

TEST_F(WizardTest, BackAndNextLeaveNextEnabledWithoutASelection)
{
    RefuseRegistration();
    Wizard wizard;
    ASSERT_TRUE(wizard.Started());
    ASSERT_TRUE(wizard.Click(NEXT));
    ASSERT_TRUE(wizard.Click(NEXT));
    EXPECT_FALSE(wizard.Enabled(NEXT));
    ASSERT_TRUE(wizard.Click(BACK));
    ASSERT_TRUE(wizard.Click(NEXT));
    EXPECT_EQ(PRINTER, wizard.CurrentPage());
    EXPECT_EQ(LB_ERR, SendMessageA(wizard.Control(PRINTER, 1006), LB_GETCURSEL, 0, 0));
    EXPECT_TRUE(wizard.Enabled(NEXT));
    ASSERT_TRUE(wizard.Click(NEXT)) << "on to the installation without a selection";
    EXPECT_EQ(PROGRESS, wizard.CurrentPage());
    ASSERT_TRUE(wizard.Click(CANCEL));
    EXPECT_EQ(0, wizard.WaitForExit());
}

} // namespace
} // namespace wizardtest
