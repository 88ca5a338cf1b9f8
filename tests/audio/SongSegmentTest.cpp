#include "audio/SongSegment.h"
#include "platform/AppError.h"

#include "tests/support/FakeAudioDecoder.h"

#include <gtest/gtest.h>

namespace lccd {
namespace {

// A mono song whose every sample holds its frame number, so that a segment shows where it cut.
test::FakeAudioDecoder::Song countingSong(int rate, qint64 frames) {
    test::FakeAudioDecoder::Song song;
    song.format.sampleRate = rate;
    song.format.frames = frames;
    song.format.speakers = {Speaker::FrontCenter};
    for (qint64 frame = 0; frame < frames; ++frame)
        song.samples.push_back(float(frame));
    return song;
}

// Cuts at CD positions land on the song's own frames: 588 a sector at 44.1 kHz, 640 at 48 kHz,
// the nearest frame where a sector is no whole number of them (426 2/3 at 32 kHz).
TEST(SongSegmentTest, CutsAtTheSectorsFramesInTheSongsOwnRate) {
    const struct {
        int rate;
        SongSegment segment;
        qint64 firstFrame, frames;
    } cases[] = {
        {44100, {377, 609}, 377 * 588, 232 * 588},
        {44100, {609, std::nullopt}, 609 * 588, 400000 - 609 * 588},
        {48000, {1, 4}, 640, 3 * 640},
        {32000, {1, 2}, 427, 853 - 427},
        {44100, {600, 1000}, 600 * 588, 400000 - 600 * 588}, // the sheet ends after the song
    };
    for (const auto& c : cases) {
        test::FakeAudioDecoder decoder;
        decoder.add("image", countingSong(c.rate, 400000));
        const std::unique_ptr<AudioStream> part =
            songSegment(decoder.open("image"), c.segment, "image");
        EXPECT_EQ(part->format().frames, c.frames) << c.rate;
        std::vector<float> samples(size_t(c.frames) + 10);
        qint64 read = 0;
        while (const qint64 got = part->read(samples.data() + read, 1000))
            read += got;
        ASSERT_EQ(read, c.frames) << c.rate;
        EXPECT_EQ(samples[0], float(c.firstFrame)) << c.rate;
        EXPECT_EQ(samples[size_t(read - 1)], float(c.firstFrame + c.frames - 1)) << c.rate;
    }
}

TEST(SongSegmentTest, SegmentOutsideTheSongIsRefused) {
    test::FakeAudioDecoder decoder;
    decoder.add("image", countingSong(44100, 588 * 10));
    for (const SongSegment segment : {SongSegment{10, std::nullopt}, SongSegment{5, 5}})
        EXPECT_THROW(songSegment(decoder.open("image"), segment, "image"), AppError);
}

} // namespace
} // namespace lccd
