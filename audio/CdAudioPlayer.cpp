#include "audio/CdAudioPlayer.h"

#include "audio/CdFormat.h"
#include "platform/AudioOutput.h"

namespace lccd {
namespace {

// How often the position is shown and the end looked for.
constexpr int kFollowMs = 100;

} // namespace

CdAudioPlayer::CdAudioPlayer(AudioOutput& output, CdTrackOpener opener, QObject* parent)
    : QObject(parent), output_(output), opener_(std::move(opener)) {
    follow_.setInterval(kFollowMs);
    connect(&follow_, &QTimer::timeout, this, &CdAudioPlayer::followPlaying);
}

CdAudioPlayer::~CdAudioPlayer() {
    output_.stop();
}

void CdAudioPlayer::play(QList<PlaybackPiece> pieces, qint64 startAt) {
    const bool wasPlaying = isPlaying();
    output_.stop();
    outputStarted_ = false;
    pieces_ = std::move(pieces);
    length_ = 0;
    startAt_ = startAt - startAt % kCdFrameBytes;
    feed_ = std::make_unique<CdPlaybackFeed>(opener_, pieces_, startAt_);
    // Queued: the feed tells from its own thread.
    connect(feed_.get(), &QIODevice::readyRead, this, &CdAudioPlayer::feedReady,
            Qt::QueuedConnection);
    feed_->start();
    follow_.start();
    if (!wasPlaying)
        emit playingChanged(true);
    emit positionChanged();
}

void CdAudioPlayer::seek(qint64 position) {
    if (!isPlaying())
        return;
    // The pieces stay the same: so does their length while the tracks open again.
    const qint64 length = length_;
    play(pieces_, position);
    length_ = length;
}

void CdAudioPlayer::stop() {
    if (!isPlaying())
        return;
    output_.stop();
    follow_.stop();
    feed_.reset();
    length_ = 0;
    outputStarted_ = false;
    emit playingChanged(false);
    emit positionChanged();
}

qint64 CdAudioPlayer::position() const {
    return isPlaying() ? std::min(startAt_ + output_.playedBytes(), length_) : 0;
}

// The first bytes are ready, or the feed ended: the output starts with bytes to play, so that
// it never begins with a gap.
void CdAudioPlayer::feedReady() {
    if (!feed_)
        return;
    length_ = feed_->totalBytes().value_or(length_);
    if (const std::optional<QString> failure = feed_->failure())
        return stopWith(*failure);
    if (outputStarted_ || feed_->bytesAvailable() == 0)
        return;
    if (const std::optional<QString> refused = output_.start(*feed_))
        return stopWith(*refused);
    outputStarted_ = true;
}

void CdAudioPlayer::followPlaying() {
    if (!feed_)
        return;
    if (const std::optional<QString> failure = feed_->failure())
        return stopWith(*failure);
    length_ = feed_->totalBytes().value_or(length_);
    emit positionChanged();
    if (feed_->atEnd() && position() >= length())
        stop();
}

void CdAudioPlayer::stopWith(const QString& reason) {
    stop();
    emit message(reason);
}

} // namespace lccd
