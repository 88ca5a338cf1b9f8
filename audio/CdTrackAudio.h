#pragma once

#include "audio/SampleQuantizer.h"
#include "audio/SongSegment.h"
#include "audio/StereoMix.h"

#include <memory>
#include <optional>
#include <vector>

namespace lccd {

class AudioDecoder;
class AudioStream;
class CdResampler;

// One song as the audio a CD track holds (see CdFormat.h), handed out block by block as the
// consumer asks, so that memory use does not grow with the song. The song is decoded, mixed
// to stereo, resampled to 44.1 kHz when its rate differs, reduced to 16 bits (with dither when
// it holds more) and followed by silence up to the end of its last sector. The size is known
// before the first byte and the stream delivers exactly that many bytes.
//
// A gain other than 0 dB (the disc's loudness levelling) scales the samples just before they
// are reduced to 16 bits, and then always with dither; at 0 dB the path is untouched, so that a
// song already in the CD's form passes bit for bit.
class CdTrackAudio {
public:
    // Opens the song, or the segment of it that the track plays; throws AppError when it cannot
    // be decoded, when its sampling rate lies outside 1 kHz to 1 MHz, when it is longer than any
    // disc, or when the segment lies outside it.
    CdTrackAudio(AudioDecoder& decoder, const QString& path, const SongSegment& segment = {},
                 double gainDb = 0);
    // The track's song, segment and gain.
    CdTrackAudio(AudioDecoder& decoder, const TrackSource& song)
        : CdTrackAudio(decoder, song.path, song.segment, song.gainDb) {}
    ~CdTrackAudio();
    CdTrackAudio(const CdTrackAudio&) = delete;
    CdTrackAudio& operator=(const CdTrackAudio&) = delete;

    // The song's frames at 44.1 kHz, before the silence of the last sector.
    qint64 audioFrames() const { return audioFrames_; }
    qint64 sectorCount() const;
    qint64 byteCount() const;

    // Copies the next bytes of the track to `data`: maxBytes of them, fewer only at the end,
    // none after it. Throws AppError when the song cannot be decoded further.
    qint64 read(char* data, qint64 maxBytes);

    // Frames of silence that stand in for audio the decoder announced but did not deliver (a
    // damaged file); known once the stream has passed the song's audio.
    qint64 missingFrames() const { return missingFrames_; }

private:
    // Makes the next block of bytes; false at the end of the track.
    bool produceBlock();
    void decodeBlock();
    void appendFrames(const float* samples, qint64 frames);
    const float* levelled(const float* samples, qint64 frames);
    void appendSilence(qint64 frames);

    std::unique_ptr<AudioStream> song_;
    int channels_; // of the song after mixing down: one or two
    std::optional<StereoMix> downMix_;
    std::unique_ptr<CdResampler> resampler_;
    float gain_; // as a factor
    SampleQuantizer quantizer_;
    qint64 audioFrames_ = 0;
    qint64 framesMade_ = 0;
    qint64 missingFrames_ = 0;
    bool songEnded_ = false;

    std::vector<float> decoded_;
    std::vector<float> mixed_;
    std::vector<float> resampled_;
    std::vector<float> levelled_;
    std::vector<char> block_;
    size_t blockRead_ = 0;
};

} // namespace lccd
