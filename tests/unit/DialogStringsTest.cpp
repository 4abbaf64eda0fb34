// g_SetDialogStrings on dialogs of this test program, with a string set
// written by the test. Run on an English, a Chinese and a Japanese system.

#include "AppState.h"
#include "StringSets.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Text(HWND h)
{
    char buffer[2048] = {};
    GetWindowTextA(h, buffer, sizeof(buffer));
    return buffer;
}

std::string FaceOf(HFONT hFont, LONG* pHeight = nullptr)
{
    LOGFONTA lf = {};
    if (!hFont || !GetObjectA(hFont, sizeof(lf), &lf)) return "(none)";
    if (pHeight) *pHeight = lf.lfHeight;
    return lf.lfFaceName;
}

HFONT FontOf(HWND h)
{
    return reinterpret_cast<HFONT>(SendMessageA(h, WM_GETFONT, 0, 0));
}

bool EnglishSystem()
{
    return LOBYTE(GetSystemDefaultLangID()) == LANG_ENGLISH;
}

class DialogStrings : public ::testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        m_file.Format("%sqx710_strings_%lu.dll", temp, GetCurrentProcessId());
        const std::string longValue(1500, 'x');
        const std::string text = "\r\n\r\n[Setting]\r\nLanguage=English\r\n\r\n\r\n\r\n[String]\r\n"
                                 "IDD500_Title=Set caption\r\n"
                                 "IDD500_1042=Set 1042\r\n"
                                 "IDD500_1043=\r\n"
                                 "IDD500_-1=Set minus one\r\n"
                                 "IDD500_1019=Never shown\r\n"
                                 "IDD500_1044=" + longValue + "\r\n"
                                 "IDD500_0=Set page\r\n"
                                 "IDD500_7=Set nested\r\n"
                                 "IDD501_65535=Set 65535\r\n";
        HANDLE h = CreateFileA(m_file, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
        DWORD written = 0;
        WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, NULL);
        CloseHandle(h);
        g_strLanguageFile = m_file;

        m_hDlg = CreateDialogParamA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(500), NULL, DialogProc, 0);
        ASSERT_NE(nullptr, m_hDlg);
        // A window numbered 0, as the frame's page is, and a grandchild that must be left alone.
        m_hPage = CreateWindowA("STATIC", "template page", WS_CHILD, 0, 100, 50, 10, m_hDlg, NULL, NULL, NULL);
        m_hNested = CreateWindowA("STATIC", "template nested", WS_CHILD, 0, 0, 50, 10, GetDlgItem(m_hDlg, 1042),
                                  reinterpret_cast<HMENU>(7), NULL, NULL);
    }
    void TearDown() override
    {
        DestroyWindow(m_hDlg);
        DeleteFileA(m_file);
        g_strLanguageFile.Empty();
    }
    void Apply(HWND hDlg, int id)
    {
        CWnd wnd;
        wnd.Attach(hDlg);
        g_SetDialogStrings(&wnd, id);
        wnd.Detach();
    }
    HWND Child(int id) { return GetDlgItem(m_hDlg, id); }
    HWND MinusOne()
    {
        for (HWND h = GetWindow(m_hDlg, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
            if (GetDlgCtrlID(h) == -1) return h;
        return NULL;
    }

    static INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

    CString m_file;
    HWND m_hDlg = NULL, m_hPage = NULL, m_hNested = NULL;
};

TEST_F(DialogStrings, ReplacesCaptionAndDirectChildrenByTheirKeys)
{
    Apply(m_hDlg, 500);
    EXPECT_EQ("Set caption", Text(m_hDlg));
    EXPECT_EQ("Set 1042", Text(Child(1042)));
    EXPECT_EQ("template 1043", Text(Child(1043))) << "an empty value keeps the template text";
    EXPECT_EQ("Set minus one", Text(MinusOne()));
    EXPECT_EQ("", Text(Child(1019))) << "1019 never takes a text from the set";
    EXPECT_EQ(std::string(999, 'x'), Text(Child(1044))) << "values are cut to 999 bytes";
    EXPECT_EQ("Set page", Text(m_hPage));
    EXPECT_EQ("template nested", Text(m_hNested)) << "only direct children are visited";
}

TEST_F(DialogStrings, ClassicTemplateControlsAreNumbered65535)
{
    HWND hClassic = CreateDialogParamA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(501), NULL, DialogProc, 0);
    ASSERT_NE(nullptr, hClassic);
    Apply(hClassic, 501);
    EXPECT_EQ("Set 65535", Text(GetWindow(hClassic, GW_CHILD)));
    DestroyWindow(hClassic);
}

TEST_F(DialogStrings, NoActiveSetLeavesEveryText)
{
    g_strLanguageFile.Empty();
    Apply(m_hDlg, 500);
    EXPECT_EQ("Template caption", Text(m_hDlg));
    EXPECT_EQ("template 1042", Text(Child(1042)));
    EXPECT_EQ("template page", Text(m_hPage));
}

TEST_F(DialogStrings, MissingFileOrDialogLeavesEveryText)
{
    g_strLanguageFile = m_file + ".missing";
    Apply(m_hDlg, 500);
    g_strLanguageFile = m_file;
    Apply(m_hDlg, 999);
    EXPECT_EQ("Template caption", Text(m_hDlg));
    EXPECT_EQ("template 1042", Text(Child(1042)));
}

TEST_F(DialogStrings, EnglishSystemsGiveEveryDirectChildArial)
{
    const HFONT hTemplateFont = FontOf(m_hDlg);
    Apply(m_hDlg, 500);
    for (HWND h = GetWindow(m_hDlg, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
        if (h == m_hPage) continue;  // created without a font of its own
        LONG height = 0;
        if (EnglishSystem()) {
            EXPECT_EQ("Arial", FaceOf(FontOf(h), &height)) << "control " << GetDlgCtrlID(h);
            EXPECT_EQ(13, height);
        } else {
            EXPECT_EQ(hTemplateFont, FontOf(h)) << "control " << GetDlgCtrlID(h);
        }
    }
    EXPECT_EQ(EnglishSystem() ? "Arial" : "(none)", FaceOf(FontOf(m_hPage)));
    EXPECT_EQ("(none)", FaceOf(FontOf(m_hNested)));
}

} // namespace
