#include "app/Settings.h"

#include "common/Numbers.h"
#include "platform/IniFile.h"

#include <cmath>

namespace lccd {
namespace {

const QString kForm = QStringLiteral("Form1");
const QString kHosei = QStringLiteral("Hosei");
const QString kJacket = QStringLiteral("Jacket");
const QString kOption = QStringLiteral("Option");

// Integers are decimal, or hexadecimal after "0x" or "$".
int readInteger(const IniFile& ini, const QString& section, const QString& key, int fallback) {
    return parseIntField(ini.readString(section, key, QString())).value_or(fallback);
}

// Booleans are integers: anything other than 0 is true.
bool readBool(const IniFile& ini, const QString& section, const QString& key, bool fallback) {
    return readInteger(ini, section, key, fallback ? 1 : 0) != 0;
}

void writeInteger(IniFile& ini, const QString& section, const QString& key, int value) {
    ini.writeString(section, key, QString::number(value));
}

} // namespace

AppSettings LoadSettings(const QString& iniPath) {
    IniFile ini(iniPath);
    ini.load();
    AppSettings s;
    s.top = readInteger(ini, kForm, QStringLiteral("Top"), s.top);
    s.left = readInteger(ini, kForm, QStringLiteral("Left"), s.left);
    s.width = readInteger(ini, kForm, QStringLiteral("Width"), s.width);
    s.height = readInteger(ini, kForm, QStringLiteral("Height"), s.height);
    s.windowState = readInteger(ini, kForm, QStringLiteral("WindowState"), s.windowState);
    const int zoom = readInteger(ini, kForm, QStringLiteral("Zoom"), s.zoom);
    if (zoom >= 25 && zoom <= 200)
        s.zoom = zoom;
    s.hoseiX = readInteger(ini, kHosei, QStringLiteral("Left"), s.hoseiX);
    s.hoseiY = readInteger(ini, kHosei, QStringLiteral("Top"), s.hoseiY);
    s.cd.templateName = ini.readString(kJacket, QStringLiteral("Template"), s.cd.templateName);
    s.cd.labelProduct = ini.readString(kJacket, QStringLiteral("LabelProduct"), s.cd.labelProduct);
    s.cd.everyLabel = readBool(ini, kJacket, QStringLiteral("EveryLabel"), s.cd.everyLabel);
    s.lastProject = ini.readString(kOption, QStringLiteral("LastProject"), s.lastProject);
    s.cd.noCut = readBool(ini, kOption, QStringLiteral("NoCut"), s.cd.noCut);
    s.cd.addGap = readBool(ini, kOption, QStringLiteral("AddGap"), s.cd.addGap);
    s.cd.setId3Tag = readBool(ini, kOption, QStringLiteral("SetId3Tag"), s.cd.setId3Tag);
    s.cd.writeCdText = readBool(ini, kOption, QStringLiteral("WriteCdText"), s.cd.writeCdText);
    s.cd.level.mode = levelModeNamed(ini.readString(kOption, QStringLiteral("LevelLoudness"), {}))
                          .value_or(s.cd.level.mode);
    // Tenths of a LUFS, as the INI file holds integers.
    const int target = readInteger(ini, kOption, QStringLiteral("LevelTarget"),
                                   int(std::lround(s.cd.level.target * 10)));
    if (target >= kLowestLoudnessTarget * 10 && target <= kHighestLoudnessTarget * 10)
        s.cd.level.target = target / 10.0;
    return s;
}

void SaveSettings(const QString& iniPath, const AppSettings& s) {
    IniFile ini(iniPath);
    ini.load();
    writeInteger(ini, kForm, QStringLiteral("WindowState"), s.windowState);
    writeInteger(ini, kForm, QStringLiteral("Top"), s.top);
    writeInteger(ini, kForm, QStringLiteral("Left"), s.left);
    writeInteger(ini, kForm, QStringLiteral("Width"), s.width);
    writeInteger(ini, kForm, QStringLiteral("Height"), s.height);
    writeInteger(ini, kForm, QStringLiteral("Zoom"), s.zoom);
    writeInteger(ini, kHosei, QStringLiteral("Left"), s.hoseiX);
    writeInteger(ini, kHosei, QStringLiteral("Top"), s.hoseiY);
    ini.writeString(kJacket, QStringLiteral("Template"), s.cd.templateName);
    ini.writeString(kJacket, QStringLiteral("LabelProduct"), s.cd.labelProduct);
    writeInteger(ini, kJacket, QStringLiteral("EveryLabel"), s.cd.everyLabel);
    ini.writeString(kOption, QStringLiteral("LastProject"), s.lastProject);
    writeInteger(ini, kOption, QStringLiteral("NoCut"), s.cd.noCut);
    writeInteger(ini, kOption, QStringLiteral("AddGap"), s.cd.addGap);
    writeInteger(ini, kOption, QStringLiteral("SetId3Tag"), s.cd.setId3Tag);
    writeInteger(ini, kOption, QStringLiteral("WriteCdText"), s.cd.writeCdText);
    ini.writeString(kOption, QStringLiteral("LevelLoudness"), levelModeName(s.cd.level.mode));
    writeInteger(ini, kOption, QStringLiteral("LevelTarget"),
                 int(std::lround(s.cd.level.target * 10)));
    ini.save();
}

} // namespace lccd
