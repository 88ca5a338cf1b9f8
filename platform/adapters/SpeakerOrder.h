#pragma once

#include "platform/AudioDecoder.h"

namespace lccd {

// The orders in which song formats store the channels of a frame when the file names none.
enum class ChannelOrder {
    Wave,   // WAV and FLAC: front left, front right, centre, LFE, back, side
    Vorbis, // Ogg Vorbis and Opus: front left, centre, front right, side/back, LFE last
};

// The speakers of a frame of the given number of channels.
QList<Speaker> standardSpeakers(int channels, ChannelOrder order);

} // namespace lccd
