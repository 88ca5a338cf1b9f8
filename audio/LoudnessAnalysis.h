#pragma once

#include "audio/LoudnessLevel.h"
#include "audio/SongSegment.h"

#include <QHash>
#include <QList>
#include <QString>

#include <functional>
#include <mutex>
#include <optional>

// Measuring the loudness of a disc's songs as the CD-audio path makes them (at 0 dB), on every
// core, and giving the songs their levelling gains.
namespace lccd {

class AudioDecoder;

// Measurements kept per version of a song file (its path, size and time of last change) and
// the segment measured, so that a song is measured once while it stays as it is. Safe to use
// from several threads.
class LoudnessCache {
public:
    std::optional<TrackLoudness> find(const TrackSource& song) const;
    void keep(const TrackSource& song, const TrackLoudness& loudness);

private:
    mutable std::mutex mutex_;
    QHash<QString, TrackLoudness> measured_;
};

// Told the songs measured so far and their number, on the calling thread, whenever a song is
// done.
using LoudnessProgress = std::function<void(int measured, int songs)>;

// The loudness of one track's CD audio. Throws AppError when the song cannot be decoded.
TrackLoudness measureTrackLoudness(AudioDecoder& decoder, LoudnessMeter& meter,
                                   const TrackSource& song);

// The loudness of every song, in their order: those not in the cache are measured, one song per
// core at a time, while the calling thread reports the progress. Throws AppError as
// measureTrackLoudness does.
//
// ReplayGain and R128 tags are not taken instead of measuring: REPLAYGAIN_*_PEAK is a sample
// peak (the true peak of the CD audio may lie 1 to 3 dB above it), R128_* gives no peak at all,
// ReplayGain 1 tags (mp3gain, GStreamer's rganalysis) are no R 128 loudness, and every tag
// describes the file, not the resampled CD audio nor a track of an album image. Keeping the
// -1 dBTP ceiling therefore needs the audio decoded anyway, and measuring it then costs
// seconds a disc (bench/LoudnessAnalysisBench.cpp).
QList<TrackLoudness> measureLoudness(AudioDecoder& decoder, LoudnessMeter& meter,
                                     const QList<TrackSource>& songs, LoudnessCache& cache,
                                     const LoudnessProgress& progress = {});

// What levels a disc's songs: their gains set as the settings ask, after measuring them.
struct Leveller {
    AudioDecoder& decoder;
    LoudnessMeter& meter;
    LoudnessCache& cache;
    LevelSettings settings;
    LoudnessProgress progress = {};

    // Sets every song's gain; with levelling off they keep 0 dB and nothing is measured.
    void level(QList<TrackSource>& songs) const;
};

// Levels the songs of a disc before their audio is made; an empty one leaves them at 0 dB.
using TrackLevelling = std::function<void(QList<TrackSource>& songs)>;

} // namespace lccd
