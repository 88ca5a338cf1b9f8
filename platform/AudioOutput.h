#pragma once

#include <QString>

#include <optional>

class QIODevice;

// A sound device that plays CD audio: 44.1 kHz, two 16-bit little-endian samples a frame.
namespace lccd {

class AudioOutput {
public:
    virtual ~AudioOutput() = default;

    // Starts playing the bytes it pulls from `source`, which stays open until stop(). Gives
    // why it cannot play (no device, or one that refuses CD audio), nothing once it plays.
    virtual std::optional<QString> start(QIODevice& source) = 0;
    // Stops playing and lets go of the source; nothing happens when it is not playing.
    virtual void stop() = 0;
    // The bytes played since start().
    virtual qint64 playedBytes() const = 0;
};

// What a program without sound, or a desktop without a sound device, says when asked to play.
QString noAudioDeviceMessage();

// A program without sound: the command line, which never plays.
class NoAudioOutput final : public AudioOutput {
public:
    std::optional<QString> start(QIODevice&) override { return noAudioDeviceMessage(); }
    void stop() override {}
    qint64 playedBytes() const override { return 0; }
};

} // namespace lccd
