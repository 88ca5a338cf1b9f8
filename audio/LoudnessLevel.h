#pragma once

#include "platform/LoudnessMeter.h"

#include <QList>
#include <QString>

#include <optional>

// Levelling the loudness of a disc's songs: the gain each song gets so that the disc plays at
// one loudness, never above a true peak of -1 dBTP.
namespace lccd {

enum class LevelMode {
    Off,  // the songs as they are, byte for byte
    Song, // every song at the target
    Disc, // one gain for all songs, the disc at the target, the songs' differences kept
};

// -16 LUFS: what compilations for CD and streaming commonly reach without limiting; far louder
// targets would only hold by lowering the gain of every dynamic song to its peak.
constexpr double kDefaultLoudnessTarget = -16;
// The highest true peak a levelled song may reach: room for the overshoot of lossy encoders and
// of the converters that play the disc.
constexpr double kTruePeakCeiling = -1;

struct LevelSettings {
    LevelMode mode = LevelMode::Off;
    double target = kDefaultLoudnessTarget; // LUFS

    bool operator==(const LevelSettings&) const = default;
};

// A song's measurement and the length it was measured over.
struct TrackLoudness {
    Loudness loudness;
    qint64 frames = 0;
};

// The gain in dB for each song, in their order: the target less the song's loudness (or the
// disc's, from the songs' energy weighted by their lengths), lowered as far as the highest true
// peak asks. A silent song keeps 0 dB.
QList<double> levellingGains(const QList<TrackLoudness>& songs, const LevelSettings& settings);

// The mode's word in the INI file and on the command line: "off", "song", "disc".
QString levelModeName(LevelMode mode);
std::optional<LevelMode> levelModeNamed(const QString& name);

// The lowest and highest target a user may choose.
constexpr double kLowestLoudnessTarget = -30;
constexpr double kHighestLoudnessTarget = -5;

} // namespace lccd
