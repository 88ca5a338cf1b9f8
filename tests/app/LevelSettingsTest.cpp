#include "app/Settings.h"
#include "platform/FileIO.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// The loudness levelling as the INI file keeps it: section Option, keys LevelLoudness (off,
// song, disc) and LevelTarget (tenths of a LUFS).
namespace lccd {
namespace {

TEST(LevelSettingsTest, ReadsWhatItKnowsAndWritesItBack) {
    const struct {
        const char* option;
        LevelSettings expected;
    } cases[] = {
        {"", {}},
        {"LevelLoudness=disc\r\nLevelTarget=-140\r\n", {LevelMode::Disc, -14}},
        {"LevelLoudness=song\r\n", {LevelMode::Song, -16}},
        {"LevelLoudness=loud\r\nLevelTarget=-999\r\n", {}},
    };
    QTemporaryDir dir;
    const QString ini = dir.filePath("lccdtool.ini");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.option);
        writeFileAtomically(ini, QByteArray("[Option]\r\n") + c.option);
        EXPECT_EQ(LoadSettings(ini).cd.level, c.expected);
    }
    AppSettings chosen;
    chosen.cd.level = {LevelMode::Song, -18.5};
    SaveSettings(ini, chosen);
    EXPECT_EQ(LoadSettings(ini).cd.level, chosen.cd.level);
}

} // namespace
} // namespace lccd
