#pragma once

#include <QList>
#include <QString>

#include <memory>
#include <optional>

// Song files decoded to samples: what a song holds and its audio, read front to back.
namespace lccd {

// Where the loudspeaker of one channel stands.
// A song of one channel has it in the front centre.
enum class Speaker {
    FrontLeft,
    FrontRight,
    FrontCenter,
    LowFrequency,
    BackLeft,
    BackRight,
    BackCenter,
    SideLeft,
    SideRight,
    Other,
};

struct AudioFormat {
    int sampleRate = 0;
    // The exact number of sample frames the stream delivers, counted by the decoder.
    qint64 frames = 0;
    // Bits per sample of integer audio; 0 for floating-point and lossy-coded audio.
    int bitsPerSample = 0;
    // One entry per channel, in the order of the samples in a frame.
    QList<Speaker> speakers;

    int channels() const { return int(speakers.size()); }
    qint64 lengthMilliseconds() const { return sampleRate > 0 ? frames * 1000 / sampleRate : 0; }
};

// One open song.
class AudioStream {
public:
    virtual ~AudioStream() = default;

    virtual const AudioFormat& format() const = 0;

    // Reads up to `frames` frames of interleaved samples, full scale being -1 to 1, into
    // `samples` (room for frames × channels). Returns the number of frames read, 0 at the end;
    // throws AppError when the file cannot be decoded further.
    virtual qint64 read(float* samples, qint64 frames) = 0;
};

class AudioDecoder {
public:
    virtual ~AudioDecoder() = default;

    // Opens a song file; throws AppError when the file is missing or holds no audio this
    // decoder knows.
    virtual std::unique_ptr<AudioStream> open(const QString& path) = 0;
};

// A song's playing time in whole milliseconds, truncated, from the number of sample frames the
// decoder delivers; nothing when the file cannot be decoded.
std::optional<qint64> decodedLengthMilliseconds(AudioDecoder& decoder, const QString& path);

} // namespace lccd
