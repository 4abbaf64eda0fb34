// The frame's buttons, the page order, and the ways out of the wizard.

#include "WizardFixture.h"

namespace wizardtest {
namespace {

TEST_F(WizardTest, ButtonsWalkThroughThePages)
{
    RefuseRegistration();  // so that the wizard stays on the progress page
    Wizard wizard;
    ASSERT_TRUE(wizard.Started());
    struct Step {
        Button click;
        Page page;
        const char* states;  // Back Next Finish
    };
    EXPECT_EQ(WELCOME, wizard.CurrentPage());
    EXPECT_EQ("off on off", wizard.ButtonStates());
    ASSERT_TRUE(wizard.Click(NEXT));
    EXPECT_EQ(SYSTEM, wizard.CurrentPage());
    EXPECT_EQ("on on off", wizard.ButtonStates());
    ASSERT_TRUE(wizard.Click(NEXT));
    EXPECT_EQ(PRINTER, wizard.CurrentPage());
    EXPECT_EQ("on off off", wizard.ButtonStates()) << "Next waits for a series";
    wizard.SelectListEntry(PRINTER, 1006, 0);
    EXPECT_EQ("on on off", wizard.ButtonStates());
    ASSERT_TRUE(wizard.Click(NEXT));
    EXPECT_EQ(PROGRESS, wizard.CurrentPage());
    EXPECT_EQ("on off on", wizard.ButtonStates());
    // The refused installation shows its box; the wizard stays where it is.
    ASSERT_TRUE(wintest::WaitUntil([&] { return !wizard.Boxes().Seen().empty(); }));
    wizard.Sync();
    EXPECT_EQ(PROGRESS, wizard.CurrentPage());
    EXPECT_EQ("on off on", wizard.ButtonStates());

    const Step back[] = {{BACK, PRINTER, "on on on"}, {BACK, SYSTEM, "on on on"}, {BACK, WELCOME, "off on off"}};
    for (const Step& step : back) {
        ASSERT_TRUE(wizard.Click(step.click));
        EXPECT_EQ(step.page, wizard.CurrentPage());
        EXPECT_EQ(step.states, wizard.ButtonStates()) << "on page " << step.page;
    }
    // Forward again: the pages keep their state, Finish comes back on the last page.
    ASSERT_TRUE(wizard.Click(NEXT));
    ASSERT_TRUE(wizard.Click(NEXT));
    EXPECT_EQ("on on off", wizard.ButtonStates()) << "the printer page keeps its selection";
    EXPECT_FALSE(wizard.Click(FINISH)) << "Finish is off until the last page";
    ASSERT_TRUE(wizard.Click(CANCEL));
    EXPECT_EQ(0, wizard.WaitForExit());
}

TEST_F(WizardTest, CancelEscapeAndCloseBoxEndTheWizard)
{
    const char* ways[] = {"Cancel", "Escape on a frame button", "close box", "Finish"};
    for (const char* way : ways) {
        SCOPED_TRACE(way);
        Wizard wizard;
        ASSERT_TRUE(wizard.Started());
        ASSERT_TRUE(wizard.Click(NEXT));
        const std::string w = way;
        if (w == "Cancel") {
            ASSERT_TRUE(wizard.Click(CANCEL));
        } else if (w == "Escape on a frame button") {
            wizard.PressKey(wizard.Control(NO_PAGE, NEXT), VK_ESCAPE);
        } else if (w == "close box") {
            wizard.SysCommand(SC_CLOSE);
        } else {
            // Finish, enabled once the last page has been reached.
            RefuseRegistration();
            ASSERT_TRUE(wizard.Click(NEXT));
            wizard.SelectListEntry(PRINTER, 1006, 0);
            ASSERT_TRUE(wizard.Click(NEXT));
            ASSERT_TRUE(wintest::WaitUntil([&] { return !wizard.Boxes().Seen().empty(); }));
            ASSERT_TRUE(wizard.Click(BACK));
            ASSERT_TRUE(wizard.Click(FINISH)) << "Finish stays on after the last page was shown";
            RestoreRegistration();
        }
        EXPECT_EQ(0, wizard.WaitForExit());
        EXPECT_TRUE(wizard.Boxes().Seen().size() <= 1u) << "no further dialog after the wizard";
    }
    EXPECT_FALSE(Installed());
}

TEST_F(WizardTest, EscapeAndEnterInsideAPageEndNothing)
{
    // Enter would end (hide) a page through the dialog's default OK: pages ignore it.
    Wizard wizard;
    ASSERT_TRUE(wizard.Started());
    ASSERT_TRUE(wizard.Click(NEXT));
    ASSERT_TRUE(wizard.Click(NEXT));
    for (WPARAM key : {VK_ESCAPE, VK_RETURN}) {
        wizard.PressKey(wizard.Control(PRINTER, 1006), key);
        EXPECT_TRUE(wizard.Running()) << key;
        EXPECT_EQ(PRINTER, wizard.CurrentPage()) << key;
    }
    ASSERT_TRUE(wizard.Click(CANCEL));
    EXPECT_EQ(0, wizard.WaitForExit());
}

HWND FindAboutBox(DWORD pid)
{
    return wintest::FindTopLevel(pid, "#32770", {1062, 1063, IDOK});
}

TEST_F(WizardTest, SystemMenuOpensTheAboutBoxForEveryCommandFrom16To31)
{
    Wizard wizard;
    ASSERT_TRUE(wizard.Started());
    ASSERT_TRUE(wizard.Click(NEXT));
    const std::string statesBefore = wizard.ButtonStates();

    // The About box's Chinese texts survive the program's 8-bit window functions
    // only under the GBK code page.
    const bool gbk = GetACP() == 936;
    for (WPARAM command = 16; command <= 31; ++command) {
        PostMessageA(wizard.Frame(), WM_SYSCOMMAND, command, 0);
        HWND hAbout = wintest::WaitFor([&] { return FindAboutBox(wizard.ProcessId()); }, 5000);
        ASSERT_NE(nullptr, hAbout) << "command " << command;
        if (gbk) {
            EXPECT_EQ(L"\u5173\u4e8e \u9a71\u52a8\u5b89\u88c5\u5411\u5bfc", WideText(hAbout));
            EXPECT_EQ(L"\u9a71\u52a8\u5b89\u88c5\u5411\u5bfc 1.0 \u7248", WideText(wintest::Child(hAbout, 1062)));
        }
        wintest::Click(wintest::Child(hAbout, IDOK));
        ASSERT_TRUE(wintest::WaitUntil([&] { return !IsWindow(hAbout); }));
    }
    // Escape and the close box end the About box too.
    for (int way = 0; way < 2; ++way) {
        PostMessageA(wizard.Frame(), WM_SYSCOMMAND, 16, 0);
        HWND hAbout = wintest::WaitFor([&] { return FindAboutBox(wizard.ProcessId()); }, 5000);
        ASSERT_NE(nullptr, hAbout);
        if (way == 0) {
            PostMessageA(wintest::Child(hAbout, IDOK), WM_KEYDOWN, VK_ESCAPE, 1);
        } else {
            PostMessageA(hAbout, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        ASSERT_TRUE(wintest::WaitUntil([&] { return !IsWindow(hAbout); })) << "way " << way;
    }
    wizard.Sync();
    EXPECT_EQ(SYSTEM, wizard.CurrentPage());
    EXPECT_EQ(statesBefore, wizard.ButtonStates());
    EXPECT_TRUE(wizard.Running());
    ASSERT_TRUE(wizard.Click(CANCEL));
    EXPECT_EQ(0, wizard.WaitForExit());
}

} // namespace
} // namespace wizardtest
