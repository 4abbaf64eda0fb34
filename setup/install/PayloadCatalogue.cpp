#include "PayloadCatalogue.h"

#include "SystemVersion.h"

namespace {

enum class Group {
    Always,
    ChineseCore,
    EnglishCore,
    PrcChinesePlugin,
    OtherChinesePlugin,
    EnglishPlugin,
};

struct CatalogueRow {
    LPCSTR pszName;
    Group group;
    UINT ids[3];  // Windows 2000 set, Windows XP set, Server 2003 / Vista / 7 set
};

// Rows in writing order.
constexpr CatalogueRow CATALOGUE[] = {
    {"STDNAMES.GPD", Group::Always, {168, 153, 186}},
    {"CONVELT.GPD", Group::Always, {169, 155, 187}},
    {"DRVVELT.INI", Group::Always, {170, 159, 188}},
    {"VELTD.dll", Group::Always, {171, 156, 189}},
    {"ZIKUVELT.UFM", Group::Always, {154, 154, 154}},
    {"UNIDRV.DLL", Group::ChineseCore, {172, 149, 190}},
    {"UNIDRV.HLP", Group::ChineseCore, {173, 152, 191}},
    {"UNIDRVUI.DLL", Group::ChineseCore, {174, 150, 192}},
    {"UNIRES.DLL", Group::ChineseCore, {175, 151, 193}},
    {"UNIDRV.DLL", Group::EnglishCore, {176, 163, 196}},
    {"UNIDRV.HLP", Group::EnglishCore, {177, 164, 197}},
    {"UNIDRVUI.DLL", Group::EnglishCore, {178, 165, 198}},
    {"UNIRES.DLL", Group::EnglishCore, {179, 166, 199}},
    {"VELTF.dll", Group::PrcChinesePlugin, {184, 157, 194}},
    {"RESVELT.DLL", Group::PrcChinesePlugin, {185, 158, 195}},
    {"VELTF.dll", Group::OtherChinesePlugin, {250, 249, 251}},
    {"RESVELT.DLL", Group::OtherChinesePlugin, {252, 254, 253}},
    {"VELTF.dll", Group::EnglishPlugin, {182, 161, 200}},
    {"RESVELT.DLL", Group::EnglishPlugin, {183, 162, 201}},
};

// Column of the payload set for a system code, -1 for none.
int SetColumn(int osVersion)
{
    switch (osVersion) {
    case SV_WIN2000: return 0;
    case SV_WINXP: return 1;
    case SV_WIN2003:
    case SV_VISTA:
    case SV_WIN7: return 2;
    default: return -1;
    }
}

// The core files follow the system's language.
bool CoreSelected(Group group, LANGID langSystem)
{
    const BYTE primary = LOBYTE(langSystem);
    return (group == Group::ChineseCore && primary == LANG_CHINESE) ||
           (group == Group::EnglishCore && primary == LANG_ENGLISH);
}

// The plug-in and resource library follow the chosen message language.
bool PluginSelected(Group group, LANGID langSystem, short language)
{
    switch (group) {
    case Group::PrcChinesePlugin: return language == 0 && langSystem == 0x0804;
    case Group::OtherChinesePlugin: return language == 0 && langSystem != 0x0804;
    case Group::EnglishPlugin: return language == 1;
    default: return false;
    }
}

} // namespace

PayloadSelection SelectPayload(int osVersion, LANGID langSystem, short language)
{
    PayloadSelection selection = {};
    const int column = SetColumn(osVersion);
    if (column < 0) return selection;
    for (const CatalogueRow& row : CATALOGUE) {
        const bool selected = row.group == Group::Always || CoreSelected(row.group, langSystem) ||
                              PluginSelected(row.group, langSystem, language);
        if (selected) selection.files[selection.count++] = {row.pszName, row.ids[column]};
    }
    return selection;
}
