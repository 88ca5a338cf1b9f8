#include "platform/adapters/SpeakerOrder.h"

namespace lccd {
namespace {

using enum Speaker;

QList<Speaker> waveOrder(int channels) {
    switch (channels) {
    case 1:
        return {FrontCenter};
    case 2:
        return {FrontLeft, FrontRight};
    case 3:
        return {FrontLeft, FrontRight, FrontCenter};
    case 4:
        return {FrontLeft, FrontRight, BackLeft, BackRight};
    case 5:
        return {FrontLeft, FrontRight, FrontCenter, BackLeft, BackRight};
    case 6:
        return {FrontLeft, FrontRight, FrontCenter, LowFrequency, BackLeft, BackRight};
    case 7:
        return {FrontLeft, FrontRight, FrontCenter, LowFrequency, BackCenter, SideLeft, SideRight};
    default:
        return {FrontLeft, FrontRight, FrontCenter, LowFrequency,
                BackLeft,  BackRight,  SideLeft,    SideRight};
    }
}

QList<Speaker> vorbisOrder(int channels) {
    switch (channels) {
    case 1:
        return {FrontCenter};
    case 2:
        return {FrontLeft, FrontRight};
    case 3:
        return {FrontLeft, FrontCenter, FrontRight};
    case 4:
        return {FrontLeft, FrontRight, BackLeft, BackRight};
    case 5:
        return {FrontLeft, FrontCenter, FrontRight, BackLeft, BackRight};
    case 6:
        return {FrontLeft, FrontCenter, FrontRight, BackLeft, BackRight, LowFrequency};
    case 7:
        return {FrontLeft, FrontCenter, FrontRight, SideLeft, SideRight, BackCenter, LowFrequency};
    default:
        return {FrontLeft, FrontCenter, FrontRight, SideLeft,
                SideRight, BackLeft,    BackRight,  LowFrequency};
    }
}

} // namespace

QList<Speaker> standardSpeakers(int channels, ChannelOrder order) {
    QList<Speaker> speakers =
        order == ChannelOrder::Vorbis ? vorbisOrder(channels) : waveOrder(channels);
    // Beyond eight channels no order is standard: the first eight keep theirs.
    speakers.resize(channels, Other);
    return speakers;
}

} // namespace lccd
