#include "audio/CdFormat.h"
#include "audio/CdTrackAudio.h"
#include "fuzz/FuzzInput.h"
#include "platform/AppError.h"
#include "platform/adapters/SongDecoder.h"

#include <vector>

namespace {

// Tracks longer than this are opened but not streamed, so that one input does not take seconds.
constexpr qint64 kLongestStreamedBytes = 64ll * 1024 * 1024;

} // namespace

// A song file of any bytes turned into CD audio: when it opens, the track streams exactly the
// whole sectors it announced, and a decoding failure is an error, not a crash.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lccd;
    const QString path = fuzz::scratchFile(data, size, QStringLiteral("song"));
    SongDecoder decoder;
    try {
        CdTrackAudio track(decoder, path);
        fuzz::require(track.byteCount() == track.sectorCount() * kCdSectorBytes &&
                          track.sectorCount() <= kCdMaxSectors,
                      "the track is whole sectors on one disc");
        if (track.byteCount() > kLongestStreamedBytes)
            return 0;
        std::vector<char> block(10000);
        qint64 total = 0;
        while (const qint64 count = track.read(block.data(), qint64(block.size())))
            total += count;
        fuzz::require(total == track.byteCount(), "the track streams the bytes it announced");
    } catch (const AppError&) {
    }
    return 0;
}
