#pragma once

#include "platform/AudioDecoder.h"

namespace lccd {

// Opens a song through FFmpeg (libavformat, libavcodec): MP4/M4A (AAC, ALAC), AIFF, WMA,
// Monkey's Audio, WavPack, TTA, Musepack and any other audio FFmpeg reads. The length is counted
// without decoding where the packets carry their lengths in samples, the encoder's delay and
// padding that the container marks taken off; from the header where the packets carry none; and
// by decoding the song once otherwise (WMA, Musepack, whose SV8 header then says where its last
// frame ends). Gives nothing for a file FFmpeg cannot
// open, for one without audio, and, with refuseMpeg, for MPEG audio, which mpg123 measures.
std::unique_ptr<AudioStream> openFfmpegStream(const QString& path, bool refuseMpeg);

} // namespace lccd
