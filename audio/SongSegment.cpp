#include "audio/SongSegment.h"

#include "audio/CdFormat.h"
#include "platform/AppError.h"
#include "platform/AudioDecoder.h"

#include <algorithm>
#include <vector>

namespace lccd {
namespace {

constexpr qint64 kSkipBlockFrames = 4096;

class SegmentStream final : public AudioStream {
public:
    SegmentStream(std::unique_ptr<AudioStream> song, qint64 firstFrame, qint64 frames)
        : song_(std::move(song)), format_(song_->format()), toSkip_(firstFrame) {
        format_.frames = frames;
    }

    const AudioFormat& format() const override { return format_; }

    qint64 read(float* samples, qint64 frames) override {
        skipToStart();
        const qint64 wanted = std::min(frames, format_.frames - delivered_);
        if (wanted <= 0)
            return 0;
        const qint64 got = song_->read(samples, wanted);
        delivered_ += got;
        return got;
    }

private:
    void skipToStart() {
        if (toSkip_ == 0)
            return;
        std::vector<float> dropped(size_t(kSkipBlockFrames * std::max(1, format_.channels())));
        while (toSkip_ > 0) {
            const qint64 got = song_->read(dropped.data(), std::min(toSkip_, kSkipBlockFrames));
            if (got == 0)
                break; // the song ended early: the segment then delivers nothing
            toSkip_ -= got;
        }
        toSkip_ = 0;
    }

    std::unique_ptr<AudioStream> song_;
    AudioFormat format_;
    qint64 toSkip_;
    qint64 delivered_ = 0;
};

} // namespace

qint64 songFrameAtSector(qint64 sector, int sampleRate) {
    return (2 * sector * sampleRate + qint64(kCdSectorsPerSecond)) /
           (2 * qint64(kCdSectorsPerSecond));
}

std::unique_ptr<AudioStream> songSegment(std::unique_ptr<AudioStream> song,
                                         const SongSegment& segment, const QString& path) {
    if (segment.isWholeSong())
        return song;
    const AudioFormat& format = song->format();
    const qint64 first = songFrameAtSector(segment.startSector, format.sampleRate);
    const qint64 end = segment.endSector ? songFrameAtSector(*segment.endSector, format.sampleRate)
                                         : format.frames;
    if (segment.startSector < 0 || first >= format.frames || end <= first)
        throw AppError(
            QStringLiteral("ファイル %1 には CUE シートの示す位置の曲がありません").arg(path));
    return std::make_unique<SegmentStream>(std::move(song), first,
                                           std::min(end, format.frames) - first);
}

} // namespace lccd
