#pragma once

#include <QString>

#include <memory>
#include <optional>
#include <utility>

// Where a track's audio lies in its song file: the whole file, or the stretch between two CD
// positions, as a CUE sheet marks the tracks of an album image.
namespace lccd {

class AudioStream;

struct SongSegment {
    qint64 startSector = 0;
    std::optional<qint64> endSector; // none: to the end of the file

    bool isWholeSong() const { return startSector == 0 && !endSector; }
    bool operator==(const SongSegment&) const = default;
};

// A track's song file, the part of it the track plays and the gain its loudness levelling
// gives it.
struct TrackSource {
    TrackSource(QString songPath = {}, SongSegment songSegment = {}, double songGainDb = 0)
        : path(std::move(songPath)), segment(songSegment), gainDb(songGainDb) {}

    QString path;
    SongSegment segment;
    double gainDb;
};

// The frame of a song at a CD position (75 sectors a second) in the song's own samples: 588 a
// sector at 44.1 kHz, exact at every rate a sector divides into whole samples, the nearest
// frame at others.
qint64 songFrameAtSector(qint64 sector, int sampleRate);

// The segment of an open song as a stream of its own, its format telling the segment's frames.
// The frames before the segment are decoded and dropped, so that the cut is sample-exact in
// every format. Throws AppError (naming path) when the segment starts after the song's end or
// ends before it starts.
std::unique_ptr<AudioStream> songSegment(std::unique_ptr<AudioStream> song,
                                         const SongSegment& segment, const QString& path);

} // namespace lccd
