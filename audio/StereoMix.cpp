#include "audio/StereoMix.h"

#include <algorithm>
#include <cmath>

namespace lccd {
namespace {

const float kHalfPower = float(M_SQRT1_2);

std::array<float, 2> shareOf(Speaker speaker) {
    switch (speaker) {
    case Speaker::FrontLeft:
        return {1, 0};
    case Speaker::FrontRight:
        return {0, 1};
    case Speaker::FrontCenter:
        return {kHalfPower, kHalfPower};
    case Speaker::LowFrequency:
        return {0, 0};
    case Speaker::BackLeft:
    case Speaker::SideLeft:
        return {kHalfPower, 0};
    case Speaker::BackRight:
    case Speaker::SideRight:
        return {0, kHalfPower};
    case Speaker::BackCenter:
    case Speaker::Other:
        break;
    }
    return {0.5f, 0.5f};
}

} // namespace

StereoMix::StereoMix(const QList<Speaker>& speakers) {
    float left = 0;
    float right = 0;
    for (Speaker speaker : speakers) {
        gains_.append(shareOf(speaker));
        left += gains_.back()[0];
        right += gains_.back()[1];
    }
    const float scale = 1 / std::max({left, right, 1.0f});
    for (auto& gain : gains_)
        gain = {gain[0] * scale, gain[1] * scale};
}

void StereoMix::apply(const float* in, qint64 frames, float* out) const {
    const qsizetype channels = gains_.size();
    for (qint64 frame = 0; frame < frames; ++frame, in += channels, out += 2) {
        float left = 0;
        float right = 0;
        for (qsizetype channel = 0; channel < channels; ++channel) {
            left += in[channel] * gains_[channel][0];
            right += in[channel] * gains_[channel][1];
        }
        out[0] = left;
        out[1] = right;
    }
}

} // namespace lccd
