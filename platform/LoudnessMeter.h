#pragma once

#include <QtGlobal>

#include <memory>

// Loudness as EBU R 128 measures it, of audio in the CD's form (see audio/CdFormat.h).
namespace lccd {

struct Loudness {
    // Integrated loudness in LUFS; minus infinity for silence.
    double integrated = 0;
    // The highest true (inter-sample) peak of any channel in dBTP; minus infinity for silence.
    double truePeak = 0;
};

// One measurement, fed a song's CD audio front to back.
class LoudnessMeasurement {
public:
    virtual ~LoudnessMeasurement() = default;

    // Adds `frames` CD frames (two 16-bit little-endian samples each).
    virtual void addCdFrames(const char* data, qint64 frames) = 0;
    virtual Loudness result() = 0;
};

class LoudnessMeter {
public:
    virtual ~LoudnessMeter() = default;

    // A measurement of integrated loudness and true peak; may be used from any thread.
    virtual std::unique_ptr<LoudnessMeasurement> startCdAudio() = 0;
};

} // namespace lccd
