#include "audio/CdTrackAudio.h"

#include "audio/AudioLog.h"
#include "audio/CdFormat.h"
#include "audio/CdResampler.h"
#include "platform/AppError.h"
#include "platform/AudioDecoder.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace lccd {
namespace {

// Frames decoded at a time: large enough to keep the per-call costs small, small enough to
// stay in the processor's caches.
constexpr qint64 kBlockFrames = 4096;

// Sampling rates that songs come in, and the resampler handles at any ratio.
constexpr int kLowestRate = 1000;
constexpr int kHighestRate = 1000000;

// Audio that needs neither resampling nor mixing nor more than 16 bits reaches the CD exactly.
bool fitsCdExactly(const AudioFormat& format) {
    return format.sampleRate == kCdSampleRate && format.channels() <= kCdChannels &&
           format.bitsPerSample > 0 && format.bitsPerSample <= 16;
}

} // namespace

CdTrackAudio::CdTrackAudio(AudioDecoder& decoder, const QString& path, const SongSegment& segment,
                           double gainDb)
    : song_(songSegment(decoder.open(path), segment, path)),
      channels_(std::min(song_->format().channels(), kCdChannels)),
      gain_(float(std::pow(10.0, gainDb / 20))),
      quantizer_(channels_, gainDb != 0 || !fitsCdExactly(song_->format())) {
    const AudioFormat& format = song_->format();
    if (format.sampleRate < kLowestRate || format.sampleRate > kHighestRate)
        throw AppError(
            QStringLiteral("ファイル %1 のサンプリング周波数 %2 Hz は CD の音声にできません")
                .arg(path)
                .arg(format.sampleRate));
    // Whole seconds first, so that no length a damaged header claims overflows the conversion.
    const bool fitsOnDisc =
        format.frames >= 0 && format.frames / format.sampleRate <= kCdMaxSeconds &&
        cdSectorsOf(cdFramesOf(format.frames, format.sampleRate)) <= kCdMaxSectors;
    if (!fitsOnDisc)
        throw AppError(QStringLiteral("ファイル %1 の曲は CD に入りきりません").arg(path));
    audioFrames_ = cdFramesOf(format.frames, format.sampleRate);
    decoded_.resize(size_t(kBlockFrames * format.channels()));
    if (format.channels() > kCdChannels) {
        downMix_.emplace(format.speakers);
        mixed_.resize(size_t(kBlockFrames * kCdChannels));
    }
    // A mono song is resampled and quantized as one channel, so that both sides stay alike.
    if (format.sampleRate != kCdSampleRate)
        resampler_ = std::make_unique<CdResampler>(format.sampleRate, channels_);
    qCDebug(lcAudio) << path << "becomes CD audio from" << format.sampleRate << "Hz,"
                     << format.channels() << "channels," << format.bitsPerSample << "bits, gain"
                     << gainDb << "dB";
}

CdTrackAudio::~CdTrackAudio() = default;

qint64 CdTrackAudio::sectorCount() const {
    return cdSectorsOf(audioFrames_);
}

qint64 CdTrackAudio::byteCount() const {
    return sectorCount() * kCdSectorBytes;
}

qint64 CdTrackAudio::read(char* data, qint64 maxBytes) {
    qint64 copied = 0;
    while (copied < maxBytes) {
        if (blockRead_ == block_.size() && !produceBlock())
            break;
        const size_t count = std::min(block_.size() - blockRead_, size_t(maxBytes - copied));
        std::memcpy(data + copied, block_.data() + blockRead_, count);
        blockRead_ += count;
        copied += qint64(count);
    }
    return copied;
}

bool CdTrackAudio::produceBlock() {
    block_.clear();
    blockRead_ = 0;
    // The resampler's filter may hold back all of a first short block: go on until bytes come.
    // Once all the promised audio is made, the rest of the song is not decoded at all.
    while (block_.empty() && !songEnded_ && framesMade_ < audioFrames_)
        decodeBlock();
    if (block_.empty())
        appendSilence(std::min(kBlockFrames, sectorCount() * kCdSectorFrames - framesMade_));
    return !block_.empty();
}

void CdTrackAudio::decodeBlock() {
    const qint64 frames = song_->read(decoded_.data(), kBlockFrames);
    songEnded_ = frames == 0;
    const float* samples = decoded_.data();
    if (downMix_) {
        downMix_->apply(samples, frames, mixed_.data());
        samples = mixed_.data();
    }
    qint64 count = frames;
    if (resampler_) {
        resampled_.clear();
        if (songEnded_)
            resampler_->finish(resampled_);
        else
            resampler_->process(samples, frames, resampled_);
        samples = resampled_.data();
        count = qint64(resampled_.size()) / channels_;
    }
    // Audio beyond what the decoder announced is cut: the size is promised already.
    appendFrames(samples, std::min(count, audioFrames_ - framesMade_));
    if (songEnded_) {
        missingFrames_ = audioFrames_ - framesMade_;
        if (missingFrames_ > 0)
            qCDebug(lcAudio) << "the song ended" << missingFrames_
                             << "frames short of its length: silence fills them";
    }
}

void CdTrackAudio::appendFrames(const float* samples, qint64 frames) {
    const size_t start = block_.size();
    block_.resize(start + size_t(frames * kCdFrameBytes));
    quantizer_.apply(gain_ == 1 ? samples : levelled(samples, frames), frames,
                     block_.data() + start);
    framesMade_ += frames;
}

const float* CdTrackAudio::levelled(const float* samples, qint64 frames) {
    levelled_.resize(size_t(frames * channels_));
    std::transform(samples, samples + levelled_.size(), levelled_.begin(),
                   [this](float sample) { return sample * gain_; });
    return levelled_.data();
}

void CdTrackAudio::appendSilence(qint64 frames) {
    block_.resize(block_.size() + size_t(frames * kCdFrameBytes), 0);
    framesMade_ += frames;
}

} // namespace lccd
