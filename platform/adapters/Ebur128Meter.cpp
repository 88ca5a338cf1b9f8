#include "platform/adapters/Ebur128Meter.h"

#include "platform/AppError.h"

#include <QtEndian>

#include <ebur128.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace lccd {
namespace {

constexpr unsigned kCdChannels = 2;
constexpr unsigned long kCdRate = 44100;

class Ebur128Measurement final : public LoudnessMeasurement {
public:
    Ebur128Measurement()
        : state_(ebur128_init(kCdChannels, kCdRate, EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK)) {
        if (!state_)
            throw AppError(QStringLiteral("音量を測れません (メモリが足りません)"));
    }
    ~Ebur128Measurement() override { ebur128_destroy(&state_); }
    Ebur128Measurement(const Ebur128Measurement&) = delete;
    Ebur128Measurement& operator=(const Ebur128Measurement&) = delete;

    void addCdFrames(const char* data, qint64 frames) override {
        samples_.resize(size_t(frames) * kCdChannels);
        qFromLittleEndian<qint16>(data, qsizetype(samples_.size()), samples_.data());
        if (ebur128_add_frames_short(state_, samples_.data(), size_t(frames)) != EBUR128_SUCCESS)
            throw AppError(QStringLiteral("音量を測れません (メモリが足りません)"));
    }

    Loudness result() override {
        Loudness loudness;
        ebur128_loudness_global(state_, &loudness.integrated);
        double peak = 0;
        for (unsigned channel = 0; channel < kCdChannels; ++channel) {
            double channelPeak = 0;
            ebur128_true_peak(state_, channel, &channelPeak);
            peak = std::max(peak, channelPeak);
        }
        loudness.truePeak = peak > 0 ? 20 * std::log10(peak) : -HUGE_VAL;
        return loudness;
    }

private:
    ebur128_state* state_;
    std::vector<qint16> samples_;
};

} // namespace

std::unique_ptr<LoudnessMeasurement> Ebur128Meter::startCdAudio() {
    return std::make_unique<Ebur128Measurement>();
}

} // namespace lccd
