#include "audio/LoudnessLevel.h"

#include <algorithm>
#include <cmath>

namespace lccd {
namespace {

bool isSilent(const TrackLoudness& song) {
    return !std::isfinite(song.loudness.integrated) || !std::isfinite(song.loudness.truePeak);
}

// How far a true peak found by four times oversampling may lie under the real one (BS.1770's
// bound for that ratio; other meters, FFmpeg's among them, read within it): a gain that keeps
// the reading this much lower keeps the real true peak under the ceiling.
constexpr double kTruePeakUnderRead = 0.7;

double gainFor(double loudness, double truePeak, double target) {
    return std::min(target - loudness, kTruePeakCeiling - kTruePeakUnderRead - truePeak);
}

// R 128's relative gate: what lies more than 10 LU below the loudness is left out.
constexpr double kRelativeGate = -10;

// The mean energy over their lengths of the songs at or above `floor` LUFS, in LUFS.
double meanLoudness(const QList<TrackLoudness>& songs, double floor) {
    double energy = 0;
    double frames = 0;
    for (const TrackLoudness& song : songs)
        if (!isSilent(song) && song.loudness.integrated >= floor) {
            energy += double(song.frames) * std::pow(10.0, song.loudness.integrated / 10);
            frames += double(song.frames);
        }
    return frames > 0 ? 10 * std::log10(energy / frames) : -HUGE_VAL;
}

// The loudness of the songs played one after another, gated as one programme would be, with
// whole songs standing in for the gate's blocks: a song far quieter than the rest (an
// interlude) no more lowers the disc's loudness than a quiet passage lowers a song's.
Loudness discLoudness(const QList<TrackLoudness>& songs) {
    Loudness disc{-HUGE_VAL, -HUGE_VAL};
    for (const TrackLoudness& song : songs)
        if (!isSilent(song))
            disc.truePeak = std::max(disc.truePeak, song.loudness.truePeak);
    disc.integrated = meanLoudness(songs, meanLoudness(songs, -HUGE_VAL) + kRelativeGate);
    return disc;
}

} // namespace

QList<double> levellingGains(const QList<TrackLoudness>& songs, const LevelSettings& settings) {
    QList<double> gains(songs.size(), 0.0);
    if (settings.mode == LevelMode::Off)
        return gains;
    const Loudness disc = discLoudness(songs);
    for (qsizetype i = 0; i < songs.size(); ++i) {
        if (isSilent(songs[i]))
            continue;
        const Loudness& measured = settings.mode == LevelMode::Disc ? disc : songs[i].loudness;
        gains[i] = gainFor(measured.integrated, measured.truePeak, settings.target);
    }
    return gains;
}

QString levelModeName(LevelMode mode) {
    switch (mode) {
    case LevelMode::Song:
        return QStringLiteral("song");
    case LevelMode::Disc:
        return QStringLiteral("disc");
    case LevelMode::Off:
        break;
    }
    return QStringLiteral("off");
}

std::optional<LevelMode> levelModeNamed(const QString& name) {
    for (const LevelMode mode : {LevelMode::Off, LevelMode::Song, LevelMode::Disc})
        if (name == levelModeName(mode))
            return mode;
    return std::nullopt;
}

} // namespace lccd
