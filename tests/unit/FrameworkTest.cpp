#include "Framework.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(CStringTest, BuildsAndCutsPaths)
{
    CString path("C:\\Setup\\setup.exe");
    EXPECT_EQ(8, path.ReverseFind('\\'));
    EXPECT_STREQ("C:\\Setup\\", path.Left(path.ReverseFind('\\') + 1));
    EXPECT_STREQ("setup.exe", path.Mid(9));
    EXPECT_EQ(-1, CString("setup.exe").ReverseFind('\\'));
    EXPECT_STREQ("D:\\Language", CString("D:\\") + "Language");

    CString formatted;
    formatted.Format("%s(Copy %d)", "QX710", 12);
    EXPECT_STREQ("QX710(Copy 12)", formatted);
    formatted.Format("%s", std::string(5000, 'x').c_str());
    EXPECT_EQ(5000, formatted.GetLength());
}

TEST(CStringTest, SearchesSkipTrailBytesOfDoubleByteCharacters)
{
    if (GetACP() != 936) GTEST_SKIP() << "needs the GBK code page (LC_ALL=zh_CN.UTF-8)";
    // 0x81 0x5C is one GBK character whose trail byte is a backslash.
    const CString path("C:\\a\x81\x5C" "b");
    EXPECT_EQ(2, path.ReverseFind('\\'));
    EXPECT_EQ(-1, CString("\x81\x5C").Find("\\"));
    EXPECT_EQ(2, CString("\x81\x5C\\").Find("\\"));
}

TEST(CStringTest, ComparesBytesCaseSensitively)
{
    EXPECT_TRUE(CString("Chinese") == "Chinese");
    EXPECT_FALSE(CString("chinese") == "Chinese");
    EXPECT_FALSE(CString("Chinese ") == "Chinese");
    EXPECT_EQ(7, CString("Office QX710").Find("QX710"));
    EXPECT_EQ(-1, CString("qx710").Find("QX710"));
}

TEST(CPtrListTest, KeepsInsertionOrderAndFinds)
{
    int a = 1, b = 2, c = 3;
    CPtrList list(10);
    EXPECT_TRUE(list.IsEmpty());
    list.AddTail(&a);
    list.AddTail(&b);
    list.AddTail(&c);
    EXPECT_EQ(3, list.GetCount());
    EXPECT_EQ(&a, list.GetHead());
    EXPECT_EQ(&c, list.GetTail());

    std::string forward, backward;
    for (POSITION pos = list.GetHeadPosition(); pos;) forward += std::to_string(*static_cast<int*>(list.GetNext(pos)));
    for (POSITION pos = list.GetTailPosition(); pos;) backward += std::to_string(*static_cast<int*>(list.GetPrev(pos)));
    EXPECT_EQ("123", forward);
    EXPECT_EQ("321", backward);

    POSITION found = list.Find(&b);
    ASSERT_NE(nullptr, found);
    EXPECT_EQ(&b, list.GetAt(found));
    EXPECT_EQ(nullptr, list.Find(&b, found));
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
}

class CFileFindTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        m_folder.Format("%sqx710_find_%lu", temp, GetCurrentProcessId());
        CreateDirectoryA(m_folder, NULL);
        for (const char* name : {"a.dll", "b.dll", "c.txt"}) {
            HANDLE h = CreateFileA(m_folder + "\\" + name, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
            CloseHandle(h);
        }
        CreateDirectoryA(m_folder + "\\sub.dll", NULL);
    }
    void TearDown() override
    {
        for (const char* name : {"a.dll", "b.dll", "c.txt"}) DeleteFileA(m_folder + "\\" + name);
        RemoveDirectoryA(m_folder + "\\sub.dll");
        RemoveDirectoryA(m_folder);
    }
    CString m_folder;
};

TEST_F(CFileFindTest, VisitsEveryEntryOnceWithFullPaths)
{
    std::set<std::string> files, folders;
    CFileFind finder;
    BOOL more = finder.FindFile(m_folder + "\\*.dll");
    while (more) {
        more = finder.FindNextFile();
        if (finder.IsDots()) continue;
        (finder.IsDirectory() ? folders : files).insert(std::string(finder.GetFilePath()));
    }
    EXPECT_EQ((std::set<std::string>{std::string(m_folder + "\\a.dll"), std::string(m_folder + "\\b.dll")}), files);
    EXPECT_EQ((std::set<std::string>{std::string(m_folder + "\\sub.dll")}), folders);
}

TEST_F(CFileFindTest, ReportsDotsAndMissingFiles)
{
    CFileFind finder;
    BOOL more = finder.FindFile(m_folder + "\\*");
    int dots = 0;
    while (more) {
        more = finder.FindNextFile();
        dots += finder.IsDots() ? 1 : 0;
    }
    EXPECT_EQ(2, dots);
    EXPECT_FALSE(finder.FindFile(m_folder + "\\missing.dll"));
    EXPECT_TRUE(finder.FindFile(m_folder + "\\c.txt"));
}

} // namespace
