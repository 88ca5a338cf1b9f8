#include "common/VersionInfo.h"

#include "platform/ProgramVersion.h"

#include <array>

namespace lccd {
namespace {

struct VersionEntry {
    const char* name;
    const char* value;
};

constexpr std::array<VersionEntry, kVersionInfoCount> kVersionInfo = {{
    {"Comments", LCCD_HOMEPAGE_URL},
    {"CompanyName", "The lccdtool developers"},
    {"FileDescription", "Lc音楽ＣＤ作成補助ツール"},
    {"FileVersion", LCCD_VERSION_TEXT},
    {"InternalName", "lccdtool"},
    {"LegalCopyright", "Copyright (C) 2026 The lccdtool developers"},
    {"LegalTrademarks", ""},
    {"OriginalFilename", "lccdtool"},
    {"PrivateBuild", ""},
    {"ProductName", "Lc音楽ＣＤ作成補助ツール"},
    {"ProductVersion", LCCD_VERSION_TEXT},
    {"SpecialBuild", ""},
}};

} // namespace

QString versionInfoName(int index) {
    if (index < 0 || index >= kVersionInfoCount)
        return QString();
    return QString::fromUtf8(kVersionInfo[index].name);
}

QString VersionInfoValue(int index) {
    if (index < 0 || index >= kVersionInfoCount)
        return QString();
    return QString::fromUtf8(kVersionInfo[index].value);
}

QString FileVersionText() {
    return VersionInfoValue(3);
}

} // namespace lccd
