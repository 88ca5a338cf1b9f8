#pragma once

#include "platform/AudioDecoder.h"

#include <array>

namespace lccd {

// Mixes frames of three or more channels down to stereo: front left and right as they are,
// centre and surround channels 3 dB down on their side (centre on both), the LFE channel left
// out, and the whole scaled so that full scale on every channel at once does not clip.
class StereoMix {
public:
    explicit StereoMix(const QList<Speaker>& speakers);

    // Mixes `frames` frames of `in` (frames × channels samples) into `out` (frames × 2).
    void apply(const float* in, qint64 frames, float* out) const;

private:
    QList<std::array<float, 2>> gains_; // left and right share of each channel
};

} // namespace lccd
