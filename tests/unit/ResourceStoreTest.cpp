// Writing the program's OWNER_DATA resources to files, with the installer's
// own resources linked into this test program.

#include "ResourceStore.h"
#include "SetupApp.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string ReadBytes(LPCSTR path)
{
    std::string bytes;
    HANDLE h = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (h == INVALID_HANDLE_VALUE) return "(missing)";
    char buffer[65536];
    DWORD got = 0;
    while (::ReadFile(h, buffer, sizeof(buffer), &got, NULL) && got) bytes.append(buffer, got);
    CloseHandle(h);
    return bytes;
}

void WriteBytes(LPCSTR path, const std::string& bytes)
{
    HANDLE h = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    DWORD written = 0;
    WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, NULL);
    CloseHandle(h);
}

bool Exists(LPCSTR path)
{
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

DWORD ResourceSize(UINT id)
{
    HRSRC h = FindResourceA(NULL, MAKEINTRESOURCEA(id), "OWNER_DATA");
    return h ? SizeofResource(NULL, h) : 0;
}

const std::string DEFAULT_SETTING = "[Setting]\r\nLanguage=English\r\n";

class ResourceStore : public ::testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        m_path.Format("%sqx710_resource_%lu.bin", temp, GetCurrentProcessId());
        DeleteFileA(m_path);
    }
    void TearDown() override { DeleteFileA(m_path); }
    CString m_path;
};

TEST_F(ResourceStore, WritesTheResourceBytesExactly)
{
    EXPECT_TRUE(theApp.ExtractResource(148, m_path));
    EXPECT_EQ(DEFAULT_SETTING, ReadBytes(m_path));

    // A payload resource: exactly its size.
    ASSERT_GT(ResourceSize(151), 0u);
    EXPECT_TRUE(theApp.ExtractResource(151, m_path));
    EXPECT_EQ(ResourceSize(151), ReadBytes(m_path).size());
}

TEST_F(ResourceStore, ReplacesALongerFileCompletely)
{
    WriteBytes(m_path, std::string(5000, 'o'));
    EXPECT_TRUE(theApp.ExtractResource(148, m_path));
    EXPECT_EQ(DEFAULT_SETTING, ReadBytes(m_path));
}

TEST_F(ResourceStore, OnlyTheLow16BitsOfTheNumberCount)
{
    EXPECT_TRUE(theApp.ExtractResource(0x10000 + 148, m_path));
    EXPECT_EQ(DEFAULT_SETTING, ReadBytes(m_path));
}

TEST_F(ResourceStore, MissingResourceWritesNothing)
{
    for (UINT id : {160u, 167u, 180u, 181u, 202u}) {
        EXPECT_FALSE(theApp.ExtractResource(id, m_path)) << id;
        EXPECT_FALSE(Exists(m_path)) << id;
        EXPECT_EQ(ResourceWrite::NoResource, WriteResourceFile(id, m_path)) << id;
    }
}

TEST_F(ResourceStore, FileThatCannotBeCreatedIsNoFailure)
{
    const CString inMissingFolder = m_path + ".folder\\file.bin";
    EXPECT_TRUE(theApp.ExtractResource(148, inMissingFolder));
    EXPECT_FALSE(Exists(inMissingFolder));

    // A file held open without sharing keeps its content.
    WriteBytes(m_path, "locked");
    HANDLE hLock = CreateFileA(m_path, GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, hLock);
    EXPECT_TRUE(theApp.ExtractResource(148, m_path));
    EXPECT_EQ(ResourceWrite::NotCreated, WriteResourceFile(148, m_path));
    CloseHandle(hLock);
    EXPECT_EQ("locked", ReadBytes(m_path));
}

// Needs a folder on a small, really full-able file system: QX710_FULL_DISK
// names it (tests/scenarios/full_disk.sh mounts one).
TEST(ResourceStoreFullDisk, WriteFailureRemovesThePartialFileAndReportsIt)
{
    char folder[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("QX710_FULL_DISK", folder, MAX_PATH)) GTEST_SKIP() << "QX710_FULL_DISK not set";
    const CString big = CString(folder) + "\\UNIRES.DLL";
    const CString small = CString(folder) + "\\setting.dll";

    // 618,496 bytes do not fit on the 256 KiB file system.
    SetLastError(0);
    EXPECT_EQ(ResourceWrite::WriteFailed, WriteResourceFile(151, big));
    EXPECT_EQ(static_cast<DWORD>(ERROR_DISK_FULL), GetLastError());
    EXPECT_FALSE(Exists(big)) << "the partial file is removed";
    EXPECT_FALSE(theApp.ExtractResource(151, big));
    EXPECT_FALSE(Exists(big));

    // The space of the removed file is free again.
    EXPECT_TRUE(theApp.ExtractResource(148, small));
    EXPECT_EQ(DEFAULT_SETTING, ReadBytes(small));
    DeleteFileA(small);
}

} // namespace
