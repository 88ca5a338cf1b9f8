#pragma once

#include <QtGlobal>

// The audio a CD holds: 44 100 frames a second of two 16-bit little-endian samples, in
// sectors of 2352 bytes.
namespace lccd {

constexpr int kCdSampleRate = 44100;
constexpr int kCdChannels = 2;
constexpr int kCdFrameBytes = 4;
constexpr int kCdSectorBytes = 2352;
constexpr int kCdSectorFrames = kCdSectorBytes / kCdFrameBytes;
constexpr int kCdSectorsPerSecond = kCdSampleRate / kCdSectorFrames;
// The silence before every track of a disc burnt with gaps.
constexpr int kCdGapSectors = 2 * kCdSectorsPerSecond;
// No disc holds more than 100 minutes.
constexpr qint64 kCdMaxSeconds = 100 * 60;
constexpr qint64 kCdMaxSectors = kCdMaxSeconds * kCdSectorsPerSecond;

// The number of frames at the CD's rate that `frames` at `sampleRate` become: the nearest
// whole number, a half rounded up, which is what the resampler delivers.
constexpr qint64 cdFramesOf(qint64 frames, int sampleRate) {
    return (2 * frames * kCdSampleRate + sampleRate) / (2 * qint64(sampleRate));
}

// Whole sectors for `frames` frames, the last one filled up with silence.
constexpr qint64 cdSectorsOf(qint64 frames) {
    return (frames + kCdSectorFrames - 1) / kCdSectorFrames;
}

} // namespace lccd
