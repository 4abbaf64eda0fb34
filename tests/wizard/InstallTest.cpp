// The installation run from the progress page, and what follows it.

#include "InstallerTexts.h"
#include "WizardFixture.h"

#include <commctrl.h>

namespace wizardtest {
namespace {

// The completion message for a message language on this system.
std::string CompletionText(int language)
{
    return expected::CompletionMessage(language, SystemLanguage());
}

// The message language that the system page preselects.
int PreselectedLanguage()
{
    return ChineseSystem() ? 0 : EnglishSystem() ? 1 : -1;
}

TEST_F(WizardTest, SuccessfulInstallationEndsTheProgram)
{
    if (PreselectedLanguage() < 0) GTEST_SKIP() << "no language preselected on this system";
    Wizard wizard;
    ASSERT_TRUE(wizard.Started());
    WalkToProgressPage(wizard);
    // The completion message, then the program ends by itself.
    EXPECT_EQ(0, wizard.WaitForExit(60000));
    const auto boxes = wizard.Boxes().Seen();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(CompletionText(PreselectedLanguage()), boxes[0].text);
    EXPECT_EQ("setup", boxes[0].caption) << "the program's title: its file name";
    EXPECT_EQ(wizard.Frame(), boxes[0].hOwner);
    EXPECT_EQ(std::vector<std::string>{"QX710"}, wintest::PrinterNames());
    EXPECT_EQ("QX710", wintest::DefaultPrinter());
    EXPECT_EQ(4u, wintest::RegValues(HKEY_LOCAL_MACHINE, UNINSTALL_KEY).size());
}

TEST_F(WizardTest, LanguageButtonsChooseTheLanguageOfTheMessagesOnly)
{
    // The other language than the preselected one (English where none is).
    const int language = PreselectedLanguage() == 1 ? 0 : 1;
    Wizard wizard;
    ASSERT_TRUE(wizard.Started());
    ASSERT_TRUE(wizard.Click(NEXT));
    const std::string before = wizard.Text(SYSTEM, 1051);
    wizard.ClickControl(SYSTEM, language == 0 ? 1037 : 1038);
    EXPECT_EQ(before, wizard.Text(SYSTEM, 1051));
    ASSERT_TRUE(wizard.Click(NEXT));
    wizard.SelectListEntry(PRINTER, 1006, 0);
    ASSERT_TRUE(wizard.Click(NEXT));
    EXPECT_EQ(0, wizard.WaitForExit(60000));
    ASSERT_EQ(1u, wizard.Boxes().Seen().size());
    EXPECT_EQ(CompletionText(language), wizard.Boxes().Seen()[0].text);
}

TEST_F(WizardTest, NoLanguageChosenInstallsWithoutAMessageAndStays)
{
    if (PreselectedLanguage() >= 0) GTEST_SKIP() << "a language is preselected on this system";
    Wizard wizard;
    ASSERT_TRUE(wizard.Started());
    WalkToProgressPage(wizard);
    ASSERT_TRUE(wintest::WaitUntil([] { return !wintest::PrinterNames().empty(); }, 30000));
    ASSERT_TRUE(wintest::WaitUntil(
        [&] { return SendMessageA(wizard.Control(PROGRESS, 1035), PBM_GETPOS, 0, 0) == 100; }, 30000));
    wizard.Sync();
    EXPECT_TRUE(wizard.Running());
    EXPECT_TRUE(wizard.Boxes().Seen().empty());
    EXPECT_EQ("QX710", wintest::DefaultPrinter());
    ASSERT_TRUE(wizard.Click(FINISH));
    EXPECT_EQ(0, wizard.WaitForExit());
}

TEST_F(WizardTest, RefusedRegistrationStaysThenBackAndNextInstallAgain)
{
    RefuseRegistration();
    Wizard wizard;
    ASSERT_TRUE(wizard.Started());
    WalkToProgressPage(wizard);
    ASSERT_TRUE(wintest::WaitUntil([&] { return !wizard.Boxes().Seen().empty(); }, 30000));
    wizard.Sync();
    const auto boxes = wizard.Boxes().Seen();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("ERROR", boxes[0].caption);
    EXPECT_FALSE(boxes[0].text.empty());
    EXPECT_TRUE(wizard.Running());
    EXPECT_EQ(PROGRESS, wizard.CurrentPage());
    EXPECT_EQ("on off on", wizard.ButtonStates());
    EXPECT_EQ(100, SendMessageA(wizard.Control(PROGRESS, 1035), PBM_GETPOS, 0, 0));
    EXPECT_TRUE(wintest::PrinterNames().empty());

    // The spooler accepts again: Back and Next run the installation once more.
    RestoreRegistration();
    wizard.Boxes().Clear();
    ASSERT_TRUE(wizard.Click(BACK));
    ASSERT_TRUE(wizard.Click(NEXT));
    if (PreselectedLanguage() >= 0) {
        EXPECT_EQ(0, wizard.WaitForExit(60000));
    } else {
        ASSERT_TRUE(wintest::WaitUntil([] { return !wintest::PrinterNames().empty(); }, 30000));
        wizard.Click(CANCEL);
        EXPECT_EQ(0, wizard.WaitForExit());
    }
    EXPECT_EQ(std::vector<std::string>{"QX710"}, wintest::PrinterNames());
}

TEST_F(WizardTest, InstallationRunsOncePerVisitOfTheProgressPage)
{
    // Back before the timer fires: the installation still runs (refused here, so the
    // wizard stays), and the next visit does not run it again.
    RefuseRegistration();
    Wizard wizard;
    ASSERT_TRUE(wizard.Started());
    WalkToProgressPage(wizard);
    ASSERT_TRUE(wizard.Click(BACK));
    ASSERT_TRUE(wintest::WaitUntil([&] { return !wizard.Boxes().Seen().empty(); }, 30000));
    EXPECT_EQ(PRINTER, wizard.CurrentPage()) << "it ran while the previous page was shown";
    ASSERT_TRUE(wizard.Click(NEXT));
    Sleep(1500);
    wizard.Sync();
    EXPECT_EQ(1u, wizard.Boxes().Seen().size()) << "no second run on this visit";
    EXPECT_EQ(100, SendMessageA(wizard.Control(PROGRESS, 1035), PBM_GETPOS, 0, 0));
    ASSERT_TRUE(wizard.Click(CANCEL));
    EXPECT_EQ(0, wizard.WaitForExit());
}

TEST_F(WizardTest, FinishOrCancelBeforeTheTimerInstallsNothing)
{
    for (Button button : {FINISH, CANCEL}) {
        Wizard wizard;
        ASSERT_TRUE(wizard.Started());
        WalkToProgressPage(wizard);
        ASSERT_TRUE(wizard.PostClick(button));
        EXPECT_EQ(0, wizard.WaitForExit());
        EXPECT_TRUE(wizard.Boxes().Seen().empty()) << button;
        EXPECT_TRUE(wintest::PrinterNames().empty()) << button;
        EXPECT_FALSE(wintest::RegKeyExists(HKEY_LOCAL_MACHINE, UNINSTALL_KEY)) << button;
        EXPECT_FALSE(wintest::FileExists("C:\\TEMP\\CONVELT.GPD")) << button;
    }
}

} // namespace
} // namespace wizardtest
