#include "audio/CdPlaybackFeed.h"

#include "audio/CdFormat.h"
#include "audio/CdTrackAudio.h"
#include "platform/AppError.h"

#include <algorithm>
#include <chrono>
#include <cstring>

namespace lccd {
namespace {

// Made ahead of the output: enough to ride out a busy moment, little to decode before a seek.
constexpr size_t kAheadBytes = size_t(kCdSampleRate) * kCdFrameBytes / 2;
// Made at a time: the first block reaches the output after this much decoding.
constexpr qint64 kBlockBytes = 16 * kCdSectorBytes;

} // namespace

struct CdPlaybackFeed::OpenPiece {
    std::unique_ptr<CdTrackAudio> track; // none: silence
    qint64 start = 0;
    qint64 length = 0;
};

CdPlaybackFeed::CdPlaybackFeed(CdTrackOpener opener, QList<PlaybackPiece> pieces, qint64 startAt)
    : opener_(std::move(opener)), pieces_(std::move(pieces)), startAt_(startAt) {
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

CdPlaybackFeed::~CdPlaybackFeed() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void CdPlaybackFeed::start() {
    thread_ = std::thread(&CdPlaybackFeed::produce, this);
}

qint64 CdPlaybackFeed::bytesAvailable() const {
    const std::lock_guard lock(mutex_);
    return qint64(ready_.size() - readAt_);
}

bool CdPlaybackFeed::atEnd() const {
    const std::lock_guard lock(mutex_);
    return ended_ && readAt_ == ready_.size();
}

bool CdPlaybackFeed::waitForReadyRead(int msecs) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(msecs), [this] {
        return ended_ || readAt_ < ready_.size();
    }) && readAt_ < ready_.size();
}

std::optional<qint64> CdPlaybackFeed::totalBytes() const {
    const std::lock_guard lock(mutex_);
    return totalBytes_;
}

std::optional<QString> CdPlaybackFeed::failure() const {
    const std::lock_guard lock(mutex_);
    return failure_;
}

qint64 CdPlaybackFeed::readData(char* data, qint64 maxBytes) {
    const std::lock_guard lock(mutex_);
    const size_t count = std::min(ready_.size() - readAt_, size_t(maxBytes));
    std::memcpy(data, ready_.data() + readAt_, count);
    readAt_ += count;
    // Bytes read are dropped in one go once they are as many as are made ahead: a rare copy.
    if (readAt_ >= kAheadBytes) {
        ready_.erase(ready_.begin(), ready_.begin() + qsizetype(readAt_));
        readAt_ = 0;
    }
    changed_.notify_all();
    return qint64(count);
}

qint64 CdPlaybackFeed::writeData(const char*, qint64) {
    return -1;
}

void CdPlaybackFeed::produce() {
    try {
        std::vector<OpenPiece> open = openPieces(opener_, pieces_);
        qint64 skip = std::max<qint64>(0, startAt_);
        for (OpenPiece& piece : open) {
            if (skip >= piece.length) {
                skip -= piece.length;
                continue;
            }
            play(piece, skip);
            skip = 0;
        }
        finish(std::nullopt);
    } catch (const AppError& error) {
        finish(error.message());
    }
}

std::vector<CdPlaybackFeed::OpenPiece>
CdPlaybackFeed::openPieces(const CdTrackOpener& opener, const QList<PlaybackPiece>& pieces) {
    std::vector<OpenPiece> open;
    qint64 total = 0;
    for (const PlaybackPiece& piece : pieces) {
        OpenPiece made;
        if (piece.song) {
            made.track = opener(*piece.song);
            const qint64 bytes = made.track->byteCount();
            made.start = piece.start < 0 ? std::max<qint64>(0, bytes + piece.start)
                                         : std::min(piece.start, bytes);
            made.length = std::min(piece.length.value_or(bytes), bytes - made.start);
        } else {
            made.length = piece.length.value_or(0);
        }
        total += made.length;
        open.push_back(std::move(made));
    }
    const std::lock_guard lock(mutex_);
    totalBytes_ = total;
    return open;
}

void CdPlaybackFeed::play(OpenPiece& piece, qint64 skip) {
    std::vector<char> block(size_t(kBlockBytes), 0);
    // A track is read from its first byte, so that the dither and the resampler run as they do
    // when the disc is written.
    qint64 toDrop = piece.track ? piece.start + skip : 0;
    qint64 left = piece.length - skip;
    while (toDrop > 0) {
        const qint64 read = piece.track->read(block.data(), std::min(toDrop, kBlockBytes));
        if (read == 0)
            return;
        toDrop -= read;
        if (isStopping())
            return;
    }
    while (left > 0) {
        const qint64 wanted = std::min(left, kBlockBytes);
        const qint64 made = piece.track ? piece.track->read(block.data(), wanted) : wanted;
        if (made == 0 || !push(block.data(), made))
            return;
        left -= made;
    }
}

bool CdPlaybackFeed::push(const char* data, qint64 bytes) {
    bool first = false;
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return stopping_ || ready_.size() - readAt_ < kAheadBytes; });
        if (stopping_)
            return false;
        ready_.insert(ready_.end(), data, data + bytes);
        first = !announced_;
        announced_ = true;
    }
    changed_.notify_all();
    if (first)
        emit readyRead();
    return true;
}

bool CdPlaybackFeed::isStopping() const {
    const std::lock_guard lock(mutex_);
    return stopping_;
}

void CdPlaybackFeed::finish(std::optional<QString> failure) {
    {
        const std::lock_guard lock(mutex_);
        ended_ = true;
        failure_ = std::move(failure);
        if (stopping_)
            return;
    }
    changed_.notify_all();
    emit readyRead();
}

} // namespace lccd
