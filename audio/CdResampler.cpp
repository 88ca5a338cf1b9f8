#include "audio/CdResampler.h"

#include "audio/CdFormat.h"
#include "platform/AppError.h"

#include <soxr.h>

#include <cmath>

namespace lccd {
namespace {

// Room for the output of one call, with a margin for what the filter held back.
constexpr size_t kOutputMargin = 1024;

} // namespace

CdResampler::CdResampler(int inputRate, int channels)
    : channels_(channels), ratio_(double(kCdSampleRate) / inputRate) {
    const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
    const soxr_runtime_spec_t runtime = soxr_runtime_spec(1);
    soxr_error_t error = nullptr;
    soxr_ =
        soxr_create(inputRate, kCdSampleRate, unsigned(channels), &error, &io, &quality, &runtime);
    if (error != nullptr)
        throw AppError(QStringLiteral("サンプリング周波数 %1 Hz の音声は変換できません: %2")
                           .arg(inputRate)
                           .arg(QString::fromLatin1(error)));
}

CdResampler::~CdResampler() {
    soxr_delete(soxr_);
}

void CdResampler::process(const float* in, qint64 frames, std::vector<float>& out) {
    size_t left = size_t(frames);
    while (left > 0) {
        size_t consumed = 0;
        pass(in, left, &consumed, out);
        in += consumed * size_t(channels_);
        left -= consumed;
    }
}

void CdResampler::finish(std::vector<float>& out) {
    // Without input soxr flushes what its filter still holds, a part per call.
    while (pass(nullptr, 0, nullptr, out) > 0) {
    }
}

size_t CdResampler::pass(const float* in, size_t frames, size_t* consumed,
                         std::vector<float>& out) {
    const size_t room = size_t(std::ceil(double(frames) * ratio_)) + kOutputMargin;
    const size_t start = out.size();
    out.resize(start + room * size_t(channels_));
    size_t produced = 0;
    soxr_error_t error =
        soxr_process(soxr_, in, frames, consumed, out.data() + start, room, &produced);
    out.resize(start + produced * size_t(channels_));
    if (error == nullptr && in != nullptr && *consumed == 0 && produced == 0)
        error = "no progress";
    if (error != nullptr)
        throw AppError(QStringLiteral("音声のサンプリング周波数を変換できません: %1")
                           .arg(QString::fromLatin1(error)));
    return produced;
}

} // namespace lccd
