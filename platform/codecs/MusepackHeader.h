#pragma once

#include <QString>

#include <optional>

namespace lccd {

// The number of sample frames a Musepack SV8 song holds, as its stream header gives it, the
// encoder's leading silence taken off; nothing for any other file. Decoders deliver whole
// frames of 1152 samples, so the last one runs past the song's end.
std::optional<qint64> musepackSv8Frames(const QString& path);

} // namespace lccd
