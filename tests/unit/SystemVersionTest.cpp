#include "SystemVersion.h"

#include <gtest/gtest.h>

namespace {

constexpr DWORD NT = 0x00000000;
constexpr DWORD NOT_NT = 0x80000000;

struct VersionCase {
    DWORD platformBit;
    DWORD getVersionMajor;  // low byte of GetVersion's answer
    DWORD major, minor;     // what GetVersionExA reports
    int expected;
};

TEST(SystemVersion, ClassifiesEveryKnownVersion)
{
    const VersionCase cases[] = {
        {NT, 4, 4, 0, SV_NT4},         {NT, 4, 4, 1, SV_NT4},        {NT, 3, 3, 51, SV_NT_OTHER},
        {NT, 5, 5, 0, SV_WIN2000},     {NT, 5, 5, 1, SV_WINXP},      {NT, 5, 5, 2, SV_WIN2003},
        {NT, 6, 6, 0, SV_VISTA},       {NT, 6, 6, 1, SV_WIN7},       {NT, 6, 6, 2, SV_NT_OTHER},
        {NT, 6, 6, 3, SV_NT_OTHER},    {NT, 10, 10, 0, SV_NT_OTHER}, {NT, 0, 0, 0, SV_NT_OTHER},
        {NOT_NT, 4, 4, 0, SV_WIN95},   {NOT_NT, 4, 4, 10, SV_WIN98}, {NOT_NT, 4, 4, 90, SV_WINME},
        {NOT_NT, 4, 4, 3, SV_WIN95},   {NOT_NT, 3, 3, 10, SV_WIN32S},
    };
    for (const VersionCase& c : cases) {
        OSVERSIONINFOA info = {};
        info.dwOSVersionInfoSize = sizeof(info);
        info.dwMajorVersion = c.major;
        info.dwMinorVersion = c.minor;
        EXPECT_EQ(c.expected, ClassifySystemVersion(c.platformBit | c.getVersionMajor, &info))
            << "version " << c.major << "." << c.minor << (c.platformBit ? " (9x)" : " (NT)");
    }
}

TEST(SystemVersion, RecordThatCouldNotBeAllocated)
{
    EXPECT_EQ(SV_NT_OTHER, ClassifySystemVersion(NT | 5, nullptr));
    EXPECT_EQ(SV_WIN95, ClassifySystemVersion(NOT_NT | 4, nullptr));
    EXPECT_EQ(SV_WIN32S, ClassifySystemVersion(NOT_NT | 3, nullptr));
}

TEST(SystemVersion, StaticValueMatchesLaterCalls)
{
    EXPECT_EQ(g_osVersion, GetSystemVersionCode());
    EXPECT_EQ(GetSystemVersionCode(), GetSystemVersionCode());
}

} // namespace
