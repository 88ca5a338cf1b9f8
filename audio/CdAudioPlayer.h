#pragma once

#include "audio/CdPlaybackFeed.h"

#include <QObject>
#include <QTimer>

#include <memory>

namespace lccd {

class AudioOutput;

// Plays pieces of CD audio on a sound output: one at a time, with a position to show and to
// seek to. Decoding runs beside the caller's thread; the output starts with the first bytes.
class CdAudioPlayer : public QObject {
    Q_OBJECT

public:
    CdAudioPlayer(AudioOutput& output, CdTrackOpener opener, QObject* parent = nullptr);
    ~CdAudioPlayer() override;

    // Plays the pieces from `startAt` bytes on, after stopping what plays. Without a sound
    // device, or when a song cannot be decoded, it stops and tells why (message).
    void play(QList<PlaybackPiece> pieces, qint64 startAt = 0);
    // Plays what plays from another position, in bytes into its pieces (down to a whole
    // frame); nothing happens when nothing plays.
    void seek(qint64 position);
    void stop();

    bool isPlaying() const { return feed_ != nullptr; }
    // Bytes into the pieces that have been played.
    qint64 position() const;
    // The bytes of the pieces that play, once their tracks are open; 0 before and when idle.
    qint64 length() const { return length_; }

signals:
    void playingChanged(bool playing);
    // The position moved, or the length became known.
    void positionChanged();
    // Why playing stopped early, for the user.
    void message(const QString& text);

private:
    void feedReady();
    void followPlaying();
    void stopWith(const QString& reason);

    AudioOutput& output_;
    CdTrackOpener opener_;
    QList<PlaybackPiece> pieces_;
    std::unique_ptr<CdPlaybackFeed> feed_;
    qint64 startAt_ = 0;
    qint64 length_ = 0;
    bool outputStarted_ = false;
    QTimer follow_;
};

} // namespace lccd
