#pragma once

#include <QString>

namespace lccd {

// Whether two songs carry the same coded audio as libavformat reads it: the audio stream's codec
// and its parameters, its start, and every packet of it (its bytes, times, flags and side data,
// such as the encoder delay and padding an MP3 file's LAME header gives). Where the tags sit
// and how large they are does not count, nor does a length estimated from the file's size.
// False when either file cannot be read.
bool sameAudioPackets(const QString& a, const QString& b);

} // namespace lccd
