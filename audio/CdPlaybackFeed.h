#pragma once

#include "audio/SongSegment.h"

#include <QIODevice>
#include <QList>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace lccd {

class CdTrackAudio;

// A stretch of what is played: part of a track's CD audio, or silence.
struct PlaybackPiece {
    std::optional<TrackSource> song; // none: silence
    // Where the stretch starts in the track's bytes; a negative start counts back from the
    // track's end (a track shorter than that plays whole).
    qint64 start = 0;
    // Its bytes: to the track's end when none; silence always gives its length.
    std::optional<qint64> length{};
};

// Opens a track's CD audio for playing, exactly as the disc gets it.
using CdTrackOpener = std::function<std::unique_ptr<CdTrackAudio>(const TrackSource&)>;

// The pieces' bytes one after another as a device that a sound output pulls from. A thread of
// its own decodes a little ahead, so that reading never waits for a decoder; reading finds
// what is ready, which may be nothing yet. readyRead() comes (from that thread) when the first
// bytes are ready and when the feed has ended; connect to it before start().
class CdPlaybackFeed : public QIODevice {
    Q_OBJECT

public:
    // Plays from `startAt` bytes into the pieces (the tracks are decoded up to there, so that
    // what follows is the very bytes the disc holds). Opens itself for reading.
    CdPlaybackFeed(CdTrackOpener opener, QList<PlaybackPiece> pieces, qint64 startAt = 0);
    ~CdPlaybackFeed() override;

    // Starts making the bytes.
    void start();

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;
    // True once every byte is made and read, or the feed stopped on an error.
    bool atEnd() const override;
    bool waitForReadyRead(int msecs) override;

    // The bytes of all pieces, known once the tracks are open; nothing before.
    std::optional<qint64> totalBytes() const;
    // Why the feed stopped before its end: a song that could not be decoded.
    std::optional<QString> failure() const;

protected:
    qint64 readData(char* data, qint64 maxBytes) override;
    qint64 writeData(const char* data, qint64 bytes) override;

private:
    struct OpenPiece;
    void produce();
    std::vector<OpenPiece> openPieces(const CdTrackOpener& opener,
                                      const QList<PlaybackPiece>& pieces);
    void play(OpenPiece& piece, qint64 skip);
    // Waits for room, then adds the bytes; false once the feed is being closed.
    bool push(const char* data, qint64 bytes);
    bool isStopping() const;
    void finish(std::optional<QString> failure);

    CdTrackOpener opener_;
    QList<PlaybackPiece> pieces_;
    qint64 startAt_;

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<char> ready_;
    size_t readAt_ = 0;
    bool stopping_ = false;
    bool ended_ = false;
    bool announced_ = false;
    std::optional<qint64> totalBytes_;
    std::optional<QString> failure_;
    std::thread thread_;
};

} // namespace lccd
