#include "PayloadCatalogue.h"
#include "SystemVersion.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// "NAME:id NAME:id ..." in writing order.
std::string Describe(const PayloadSelection& s)
{
    std::string text;
    for (int i = 0; i < s.count; ++i) {
        if (i) text += ' ';
        text += s.files[i].pszName;
        text += ':' + std::to_string(s.files[i].nResource);
    }
    return text;
}

constexpr LANGID PRC = 0x0804, TAIWAN = 0x0404, HONG_KONG = 0x0C04, US = 0x0409, UK = 0x0809, JAPAN = 0x0411;

TEST(PayloadCatalogue, WholeSelections)
{
    struct Case {
        int os;
        LANGID lang;
        short language;
        const char* expected;
    } cases[] = {
        // Windows 2000 set: Chinese core, PRC plug-in.
        {SV_WIN2000, PRC, 0,
         "STDNAMES.GPD:168 CONVELT.GPD:169 DRVVELT.INI:170 VELTD.dll:171 ZIKUVELT.UFM:154 "
         "UNIDRV.DLL:172 UNIDRV.HLP:173 UNIDRVUI.DLL:174 UNIRES.DLL:175 VELTF.dll:184 RESVELT.DLL:185"},
        // Windows XP set: English core, English plug-in.
        {SV_WINXP, US, 1,
         "STDNAMES.GPD:153 CONVELT.GPD:155 DRVVELT.INI:159 VELTD.dll:156 ZIKUVELT.UFM:154 "
         "UNIDRV.DLL:163 UNIDRV.HLP:164 UNIDRVUI.DLL:165 UNIRES.DLL:166 VELTF.dll:161 RESVELT.DLL:162"},
        // Server 2003 set: Chinese core, other Chinese plug-in.
        {SV_WIN7, TAIWAN, 0,
         "STDNAMES.GPD:186 CONVELT.GPD:187 DRVVELT.INI:188 VELTD.dll:189 ZIKUVELT.UFM:154 "
         "UNIDRV.DLL:190 UNIDRV.HLP:191 UNIDRVUI.DLL:192 UNIRES.DLL:193 VELTF.dll:251 RESVELT.DLL:253"},
        // An English system with Chinese messages: English core, other Chinese plug-in.
        {SV_WINXP, UK, 0,
         "STDNAMES.GPD:153 CONVELT.GPD:155 DRVVELT.INI:159 VELTD.dll:156 ZIKUVELT.UFM:154 "
         "UNIDRV.DLL:163 UNIDRV.HLP:164 UNIDRVUI.DLL:165 UNIRES.DLL:166 VELTF.dll:249 RESVELT.DLL:254"},
        // A Chinese system with English messages.
        {SV_WIN2000, HONG_KONG, 1,
         "STDNAMES.GPD:168 CONVELT.GPD:169 DRVVELT.INI:170 VELTD.dll:171 ZIKUVELT.UFM:154 "
         "UNIDRV.DLL:172 UNIDRV.HLP:173 UNIDRVUI.DLL:174 UNIRES.DLL:175 VELTF.dll:182 RESVELT.DLL:183"},
        // Neither Chinese nor English system: no core files.
        {SV_VISTA, JAPAN, 1,
         "STDNAMES.GPD:186 CONVELT.GPD:187 DRVVELT.INI:188 VELTD.dll:189 ZIKUVELT.UFM:154 VELTF.dll:200 RESVELT.DLL:201"},
        // No language chosen: no plug-in and no resource library.
        {SV_WIN2003, PRC, -1,
         "STDNAMES.GPD:186 CONVELT.GPD:187 DRVVELT.INI:188 VELTD.dll:189 ZIKUVELT.UFM:154 "
         "UNIDRV.DLL:190 UNIDRV.HLP:191 UNIDRVUI.DLL:192 UNIRES.DLL:193"},
        {SV_WIN2000, TAIWAN, 2,
         "STDNAMES.GPD:168 CONVELT.GPD:169 DRVVELT.INI:170 VELTD.dll:171 ZIKUVELT.UFM:154 "
         "UNIDRV.DLL:172 UNIDRV.HLP:173 UNIDRVUI.DLL:174 UNIRES.DLL:175"},
        {SV_WIN2000, TAIWAN, 0,
         "STDNAMES.GPD:168 CONVELT.GPD:169 DRVVELT.INI:170 VELTD.dll:171 ZIKUVELT.UFM:154 "
         "UNIDRV.DLL:172 UNIDRV.HLP:173 UNIDRVUI.DLL:174 UNIRES.DLL:175 VELTF.dll:250 RESVELT.DLL:252"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, Describe(SelectPayload(c.os, c.lang, c.language)))
            << "os " << c.os << " lang " << std::hex << c.lang << std::dec << " language " << c.language;
}

TEST(PayloadCatalogue, SystemsWithoutAPayloadSet)
{
    for (int os : {int(SV_WIN32S), int(SV_WIN95), int(SV_WIN98), int(SV_WINME), int(SV_NT_OTHER), int(SV_NT4), 11, -1})
        EXPECT_EQ(0, SelectPayload(os, PRC, 0).count) << "os " << os;
}

TEST(PayloadCatalogue, EverySetWritesTheSameElevenNames)
{
    for (int os : {SV_WIN2000, SV_WINXP, SV_WIN2003, SV_VISTA, SV_WIN7})
        for (LANGID lang : {PRC, TAIWAN, US})
            for (short language : {0, 1}) {
                const PayloadSelection s = SelectPayload(os, lang, language);
                ASSERT_EQ(11, s.count);
                const char* names[] = {"STDNAMES.GPD", "CONVELT.GPD", "DRVVELT.INI", "VELTD.dll",
                                       "ZIKUVELT.UFM", "UNIDRV.DLL",  "UNIDRV.HLP",  "UNIDRVUI.DLL",
                                       "UNIRES.DLL",   "VELTF.dll",   "RESVELT.DLL"};
                for (int i = 0; i < 11; ++i) EXPECT_STREQ(names[i], s.files[i].pszName);
                EXPECT_EQ(154u, s.files[4].nResource);  // one font-metrics resource for every set
            }
}

TEST(PayloadCatalogue, Vista7And2003ShareOneSet)
{
    for (LANGID lang : {PRC, HONG_KONG, US, JAPAN})
        for (short language : {-1, 0, 1}) {
            const std::string set2003 = Describe(SelectPayload(SV_WIN2003, lang, language));
            EXPECT_EQ(set2003, Describe(SelectPayload(SV_VISTA, lang, language)));
            EXPECT_EQ(set2003, Describe(SelectPayload(SV_WIN7, lang, language)));
        }
}

} // namespace
