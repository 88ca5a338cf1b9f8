#include "disc/SongLengths.h"

#include "platform/AudioDecoder.h"
#include "platform/MediaLengths.h"
#include "platform/codecs/Riff.h"

#include <QFileInfo>

namespace lccd {

std::optional<SongLength> SongLengths::measure(const QString& path) {
    if (riffFormOf(path) == "WAVE") {
        const std::optional<qint64> milliseconds = headers_.milliseconds(path);
        return milliseconds ? std::optional(SongLength{*milliseconds, false}) : std::nullopt;
    }
    const QFileInfo info(path);
    const auto kept = kept_.constFind(path);
    if (kept != kept_.cend() && kept->size == info.size() && kept->modified == info.lastModified())
        return kept->length;
    const std::optional<SongLength> length = decodedOrEstimated(path);
    kept_.insert(path, {info.size(), info.lastModified(), length});
    return length;
}

std::optional<SongLength> SongLengths::decodedOrEstimated(const QString& path) {
    if (const std::optional<qint64> decoded = decodedLengthMilliseconds(decoder_, path))
        return SongLength{*decoded, false};
    if (const std::optional<qint64> estimated = headers_.milliseconds(path))
        return SongLength{*estimated, true};
    return std::nullopt;
}

} // namespace lccd
