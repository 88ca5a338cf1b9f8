#pragma once

#include <QString>

#include <optional>

namespace lccd {

// The playing time of a song file (WAV, MP3, or MP3 in RMP form) in whole milliseconds,
// truncated; nothing when the file cannot be read as audio. Only headers are read.
std::optional<qint64> mediaLengthMilliseconds(const QString& path);

} // namespace lccd
