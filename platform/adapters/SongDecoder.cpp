#include "platform/adapters/SongDecoder.h"

#include "platform/AppError.h"
#include "platform/PlatformLog.h"
#include "platform/adapters/FfmpegStream.h"
#include "platform/adapters/Mpg123Stream.h"
#include "platform/adapters/SndfileStream.h"
#include "platform/codecs/SongContainer.h"

namespace lccd {

// FFmpeg sits beside libsndfile and mpg123 rather than replacing them. Measured side by side on
// five-minute songs: libsndfile reads a WAV or FLAC song's length from its header in 0.1 ms,
// where FFmpeg walks every packet (45 ms, 37 ms); the packets FFmpeg gives of Ogg Vorbis and
// Opus do not add up to the length (13230048 frames for 13230000), and counting by decoding
// takes 236 ms. FFmpeg counts a plain MP3 file faster than mpg123 (6.5 ms against 25 ms) but
// leaves the encoder's delay and padding in an MP3 file in RMP form (a 7.3-second song gives
// 324864 frames for 321930), which mpg123 takes off as in any MP3 file.
std::unique_ptr<AudioStream> SongDecoder::open(const QString& path) {
    std::unique_ptr<AudioStream> stream;
    // The second decoder of a song the first refused.
    const auto orElse = [&](const char* decoder, auto openWith) {
        if (stream)
            return;
        qCDebug(lcPlatform) << path << "refused by the first decoder, tried with" << decoder;
        stream = openWith();
    };
    switch (songContainerOf(path)) {
    case SongContainer::Wave:
        // WAV codecs libsndfile lacks (MP3 or AAC in WAV) are FFmpeg's.
        stream = openSndfileStream(path);
        orElse("FFmpeg", [&] { return openFfmpegStream(path, false); });
        break;
    case SongContainer::Flac:
    case SongContainer::Ogg:
        // A FLAC or Ogg file that libsndfile refuses is damaged; another decoder would find
        // frames in its bytes all the same and make noise of it.
        stream = openSndfileStream(path);
        break;
    case SongContainer::Rmp:
        stream = openMpg123Stream(path);
        break;
    case SongContainer::Mpeg:
        stream = openMpg123Stream(path);
        orElse("FFmpeg", [&] { return openFfmpegStream(path, true); });
        break;
    case SongContainer::Unknown:
        // Plain MPEG audio has no mark of its own: what FFmpeg does not know as another format
        // is tried as MPEG.
        stream = openFfmpegStream(path, true);
        orElse("mpg123", [&] { return openMpg123Stream(path); });
        break;
    default:
        // AIFF goes here too: libsndfile reads past its buffer on some channel chunks.
        stream = openFfmpegStream(path, false);
        break;
    }
    if (!stream)
        throw AppError::cannotOpen(path);
    return stream;
}

} // namespace lccd
