#pragma once

#include <QDateTime>
#include <QHash>
#include <QString>

#include <optional>

namespace lccd {

class AudioDecoder;
class MediaLengths;

struct SongLength {
    qint64 milliseconds = 0;
    // Taken from the file's header because the decoder could not open the song.
    bool estimated = false;
};

// The playing times of song files in whole milliseconds, truncated. A WAV file is measured by
// its header, which tells its length exactly. Any other song (FLAC, MP3, Ogg Vorbis, Opus) is
// measured by its decoder, which counts every frame, so that a variable bit rate MP3 file
// without a Xing header gets its real length; that takes a scan of the file, so the length is
// kept for as long as the file keeps its size and modification time. A song the decoder cannot
// open is measured by its header, as an estimate.
class SongLengths {
public:
    SongLengths(MediaLengths& headers, AudioDecoder& decoder)
        : headers_(headers), decoder_(decoder) {}

    // Nothing when the file cannot be measured at all.
    std::optional<SongLength> measure(const QString& path);

private:
    struct Kept {
        qint64 size = 0;
        QDateTime modified;
        std::optional<SongLength> length;
    };

    std::optional<SongLength> decodedOrEstimated(const QString& path);

    MediaLengths& headers_;
    AudioDecoder& decoder_;
    QHash<QString, Kept> kept_; // by path
};

} // namespace lccd
