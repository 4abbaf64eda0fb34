#include "StringSets.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Or(LPCSTR psz, const char* none)
{
    return psz ? psz : none;
}

TEST(StringSetChoice, FollowsTheSystemLanguage)
{
    struct Case {
        LANGID lang;
        const char* file;
        const char* language;
    } cases[] = {
        {0x0804, "\\Multi_ch.dll", "Chinese"},       // PRC
        {0x0404, "\\Multi_ch_BIG5.dll", "Chinese"},  // Taiwan
        {0x0C04, "\\Multi_ch_BIG5.dll", "Chinese"},  // Hong Kong
        {0x1004, "\\Multi_ch_BIG5.dll", "Chinese"},  // Singapore
        {0x1404, "\\Multi_ch_BIG5.dll", "Chinese"},  // Macao
        {0x0409, "\\Multi_eng.dll", "English"},
        {0x0809, "\\Multi_eng.dll", "English"},
        {0x0411, "(none)", "(none)"},  // Japanese
        {0x0407, "(none)", "(none)"},  // German
    };
    for (const Case& c : cases) {
        const StringSetChoice choice = ChooseStringSet(c.lang);
        EXPECT_EQ(c.file, Or(choice.pszFile, "(none)")) << std::hex << c.lang;
        EXPECT_EQ(c.language, Or(choice.pszLanguage, "(none)")) << std::hex << c.lang;
    }
}

TEST(StringSetChoice, FirstRunWritesEnglishThenTheChineseSetOfTheSystem)
{
    struct Case {
        LANGID lang;
        UINT secondResource;
        const char* secondFile;
    } cases[] = {
        {0x0804, 146, "\\Multi_ch.dll"},  {0x0404, 248, "\\Multi_ch_BIG5.dll"},
        {0x0C04, 248, "\\Multi_ch_BIG5.dll"}, {0x1004, 248, "\\Multi_ch_BIG5.dll"},
        {0x0409, 146, "\\Multi_ch.dll"},  {0x0411, 146, "\\Multi_ch.dll"},
    };
    for (const Case& c : cases) {
        const StringSetPair pair = StringSetsToWrite(c.lang);
        EXPECT_EQ(147u, pair.files[0].nResource);
        EXPECT_STREQ("\\Multi_eng.dll", pair.files[0].pszFile);
        EXPECT_EQ(c.secondResource, pair.files[1].nResource) << std::hex << c.lang;
        EXPECT_STREQ(c.secondFile, pair.files[1].pszFile) << std::hex << c.lang;
    }
}

} // namespace
