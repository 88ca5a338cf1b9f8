#pragma once

#include <QtGlobal>

#include <vector>

struct soxr;

namespace lccd {

// Resamples interleaved mono or stereo frames to the CD's rate with libsoxr at high quality. Fed
// block by block, it delivers in all the frames that cdFramesOf() tells.
class CdResampler {
public:
    CdResampler(int inputRate, int channels);
    ~CdResampler();
    CdResampler(const CdResampler&) = delete;
    CdResampler& operator=(const CdResampler&) = delete;

    // Resamples `frames` frames of `in` and appends what comes out to `out`.
    void process(const float* in, qint64 frames, std::vector<float>& out);

    // Appends the frames still held back by the filter, after the last input.
    void finish(std::vector<float>& out);

private:
    // One call of soxr; returns the number of frames it appended to `out`.
    size_t pass(const float* in, size_t frames, size_t* consumed, std::vector<float>& out);

    soxr* soxr_;
    int channels_;
    double ratio_;
};

} // namespace lccd
