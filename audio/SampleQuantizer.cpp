#include "audio/SampleQuantizer.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace lccd {
namespace {

constexpr float kFullScale = 32768;

} // namespace

void SampleQuantizer::apply(const float* in, qint64 frames, char* out) {
    for (qint64 frame = 0; frame < frames; ++frame, out += 4) {
        const qint16 left = quantized(*in++);
        const qint16 right = channels_ == 1 ? left : quantized(*in++);
        qToLittleEndian(left, out);
        qToLittleEndian(right, out + 2);
    }
}

qint16 SampleQuantizer::quantized(float sample) {
    float value = sample * kFullScale;
    if (dither_) {
        // Two uniform numbers from one random word; their difference is triangular, -1 to 1.
        const quint32 word = random_();
        value += (float(word & 0xFFFF) - float(word >> 16)) / 65536;
    }
    return qint16(std::lrint(std::clamp(value, -kFullScale, kFullScale - 1)));
}

} // namespace lccd
