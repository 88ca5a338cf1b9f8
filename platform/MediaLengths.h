#pragma once

#include <QString>

#include <optional>

namespace lccd {

// Playing times read from the headers of song files, without decoding them.
class MediaLengths {
public:
    virtual ~MediaLengths() = default;

    // The playing time in whole milliseconds, truncated; nothing when the file cannot be read
    // as audio.
    virtual std::optional<qint64> milliseconds(const QString& path) = 0;
};

} // namespace lccd
