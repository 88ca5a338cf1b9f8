#pragma once

#include "platform/AudioDecoder.h"

namespace lccd {

// Opens MPEG audio (MP3, also inside a RIFF "RMP3" file) through libmpg123. The length is
// counted over every frame of the file, so a variable bit rate file without a Xing/Info header
// gets its real length and not an estimate from its first frame. Gives nothing for a file that
// holds no MPEG audio.
std::unique_ptr<AudioStream> openMpg123Stream(const QString& path);

} // namespace lccd
