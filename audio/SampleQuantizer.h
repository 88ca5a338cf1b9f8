#pragma once

#include <QtGlobal>

#include <random>

namespace lccd {

// Turns mono or stereo samples of full scale -1 to 1 into CD frames of two 16-bit
// little-endian samples, clipping what lies beyond full scale; a mono sample goes to both
// sides alike.
class SampleQuantizer {
public:
    // With `dither`, triangular (TPDF) dither of one step either way is added before rounding,
    // so that audio finer than 16 bits keeps its detail as noise instead of distortion; the
    // noise is the same on every run. Without it, exact 16-bit values pass bit for bit.
    SampleQuantizer(int channels, bool dither) : channels_(channels), dither_(dither) {}

    // Writes `frames` frames of `in` as CD frames, 4 bytes each, to `out`.
    void apply(const float* in, qint64 frames, char* out);

private:
    qint16 quantized(float sample);

    int channels_;
    bool dither_;
    std::mt19937 random_;
};

} // namespace lccd
