#include "audio/CdTrackAudio.h"
#include "audio/CdFormat.h"
#include "platform/adapters/SongDecoder.h"

#include "tests/support/EncodedSongs.h"
#include "tests/support/ExternalTools.h"
#include "tests/support/FakeAudioDecoder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace lccd {
namespace {

using test::WavFormat;

QByteArray readAll(CdTrackAudio& track, qint64 chunk = 65536) {
    QByteArray bytes;
    QByteArray buffer(chunk, Qt::Uninitialized);
    while (const qint64 count = track.read(buffer.data(), chunk))
        bytes += buffer.left(count);
    return bytes;
}

std::vector<qint16> samplesOf(const QByteArray& bytes) {
    std::vector<qint16> samples(size_t(bytes.size() / 2));
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = qFromLittleEndian<qint16>(bytes.constData() + 2 * i);
    return samples;
}

double rmsOf(const std::vector<qint16>& samples) {
    double sum = 0;
    for (qint16 sample : samples)
        sum += double(sample) * sample;
    return std::sqrt(sum / double(samples.size()));
}

AudioFormat stereoFormat(int rate, qint64 frames, int bitsPerSample = 16) {
    AudioFormat format;
    format.sampleRate = rate;
    format.frames = frames;
    format.bitsPerSample = bitsPerSample;
    format.speakers = {Speaker::FrontLeft, Speaker::FrontRight};
    return format;
}

class CdTrackAudioTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return folder_.filePath(name); }

    // Reads the whole track and checks that it is as long as it said before the first byte.
    QByteArray streamed(const QString& song, qint64 chunk = 65536) {
        CdTrackAudio track(decoder_, song);
        const qint64 announced = track.sectorCount();
        const QByteArray bytes = readAll(track, chunk);
        EXPECT_EQ(bytes.size(), announced * kCdSectorBytes) << song.toStdString();
        EXPECT_EQ(track.missingFrames(), 0);
        return bytes;
    }

    QTemporaryDir folder_;
    SongDecoder decoder_;
};

TEST_F(CdTrackAudioTest, CdFormatSongPassesBitForBitInWhateverBlocksItIsRead) {
    const qint64 frames = 10 * kCdSectorFrames + 123;
    test::writeTestWav(path("cd.wav"), frames);
    const QByteArray expected =
        test::riffDataChunk(path("cd.wav")) + QByteArray((kCdSectorFrames - 123) * 4, '\0');
    for (const qint64 chunk : {1, 7, 2352, 1 << 20}) {
        const QByteArray bytes = streamed(path("cd.wav"), chunk);
        EXPECT_TRUE(bytes == expected) << "read " << chunk << " bytes at a time";
    }
}

TEST_F(CdTrackAudioTest, MonoSongAtHalfRateComesOutAsCdStereo) {
    ASSERT_TRUE(test::makeToneSong(path("mono.wav"), 3.25, {22050, 1, 16}));
    CdTrackAudio track(decoder_, path("mono.wav"));
    const qint64 expectedFrames = qint64(3.25 * 44100);
    EXPECT_NEAR(track.audioFrames(), expectedFrames, expectedFrames / 1000);
    const std::vector<qint16> cd = samplesOf(readAll(track));
    std::vector<qint16> left;
    for (qint64 frame = 0; frame < track.audioFrames(); ++frame) {
        ASSERT_EQ(cd[2 * frame], cd[2 * frame + 1]) << frame;
        left.push_back(cd[2 * frame]);
    }
    // A sine at half full scale: its RMS level is 0.5 / √2 of full scale.
    EXPECT_NEAR(rmsOf(left), 0.5 / M_SQRT2 * 32768, 100);
}

// sox converts the same song on its own; ours may differ from it only by a little noise.
TEST_F(CdTrackAudioTest, HighResolutionFlacMatchesSoxsConversion) {
    const QString flac = path("hires.flac");
    ASSERT_TRUE(test::makeToneSong(flac, 5.5, {96000, 2, 24}));
    ASSERT_TRUE(test::runToolSucceeded(
        QStringLiteral("sox"),
        {flac, QStringLiteral("-r"), QStringLiteral("44100"), QStringLiteral("-b"),
         QStringLiteral("16"), QStringLiteral("-c"), QStringLiteral("2"), QStringLiteral("-t"),
         QStringLiteral("raw"), path("sox.raw")}));
    QFile soxFile(path("sox.raw"));
    ASSERT_TRUE(soxFile.open(QIODevice::ReadOnly));
    const std::vector<qint16> reference = samplesOf(soxFile.readAll());

    CdTrackAudio track(decoder_, flac);
    EXPECT_EQ(track.audioFrames(), 242550); // 5.5 s at 44.1 kHz
    ASSERT_EQ(qint64(reference.size()), 2 * track.audioFrames());
    const std::vector<qint16> ours = samplesOf(readAll(track));
    std::vector<qint16> difference(reference.size());
    for (size_t i = 0; i < reference.size(); ++i)
        difference[i] = qint16(ours[i] - reference[i]);
    EXPECT_NEAR(rmsOf(reference), 0.5 / M_SQRT2 * 32768, 100);
    EXPECT_LT(rmsOf(difference), 4);
}

// The whole song is streamed, not just as much as a header estimate would have it.
TEST_F(CdTrackAudioTest, VbrMp3WithoutXingHeaderStreamsItsWholeLength) {
    ASSERT_TRUE(test::makeVbrMp3WithoutXing(path("vbr.mp3"), 20.3));
    const QByteArray bytes = streamed(path("vbr.mp3"));
    const double soxiSeconds =
        test::runTool(QStringLiteral("soxi"), {QStringLiteral("-D"), path("vbr.mp3")}).toDouble();
    EXPECT_EQ(int(double(bytes.size()) / kCdFrameBytes / kCdSampleRate), int(soxiSeconds));
}

// The size announced before the first byte is what comes, whatever the resampler does.
TEST_F(CdTrackAudioTest, AnnouncedSectorsAreWhatIsStreamedForAnyFormat) {
    const std::pair<WavFormat, qint64> cases[] = {
        {{8000, 1, 8}, 12345},     {{11025, 2, 16}, 30001},  {{32000, 2, 24}, 64007},
        {{48000, 2, 16}, 44101},   {{88200, 1, 24}, 100003}, {{96000, 2, 32}, 96001},
        {{192000, 2, 16}, 200017}, {{44100, 2, 24}, 1},      {{44100, 1, 8}, 588}};
    for (const auto& [format, frames] : cases) {
        const QString song = path(QStringLiteral("%1-%2-%3.wav")
                                      .arg(format.sampleRate)
                                      .arg(format.channels)
                                      .arg(format.bitsPerSample));
        test::writeTestWav(song, frames, format);
        SCOPED_TRACE(song.toStdString());
        CdTrackAudio track(decoder_, song);
        EXPECT_EQ(track.audioFrames(), cdFramesOf(frames, format.sampleRate));
        EXPECT_EQ(track.sectorCount(), cdSectorsOf(track.audioFrames()));
        streamed(song);
    }
}

// A decoder that falls short of or runs past the frames it announced: the track keeps the size
// it announced, short audio is made up with silence and counted, and extra audio is cut.
TEST(CdTrackAudioDamagedSongTest, KeepsTheAnnouncedSize) {
    struct Case {
        int rate;
        qint64 announced;
        qint64 delivered;
    };
    const Case cases[] = {
        {44100, 10000, 6000}, {44100, 1000, 3000}, {48000, 48000, 24000}, {48000, 4800, 9600}};
    for (const Case& song : cases) {
        SCOPED_TRACE(testing::Message() << song.rate << " Hz, " << song.announced << " frames, "
                                        << song.delivered << " delivered");
        test::FakeAudioDecoder decoder;
        decoder.add(QStringLiteral("song"),
                    {stereoFormat(song.rate, song.announced),
                     std::vector<float>(size_t(2 * song.delivered), 0.25f)});
        CdTrackAudio track(decoder, QStringLiteral("song"));
        const qint64 announcedFrames = cdFramesOf(song.announced, song.rate);
        EXPECT_EQ(track.audioFrames(), announcedFrames);
        const QByteArray bytes = readAll(track, 1000);
        EXPECT_EQ(bytes.size(), track.byteCount());
        const qint64 missing =
            std::max<qint64>(0, announcedFrames - cdFramesOf(song.delivered, song.rate));
        EXPECT_NEAR(track.missingFrames(), missing, 64);
        // The last frame of the song's audio: made up, or the level the decoder delivered
        // (dithered by a step at most where it was resampled).
        const qint16 last = samplesOf(bytes)[size_t(2 * track.audioFrames() - 1)];
        EXPECT_NEAR(last, missing > 0 ? 0 : 8192, 1);
    }
}

// Sampling rates beyond what songs come in, and songs longer than any disc, are refused before
// anything is streamed.
TEST(CdTrackAudioLimitsTest, RefusesWhatNoDiscCanHold) {
    struct Case {
        int rate;
        qint64 frames;
        bool accepted;
    };
    const Case cases[] = {{999, 1000, false},
                          {1000, 1000, true},
                          {1000000, 1000, true},
                          {1000001, 1000, false},
                          {44100, kCdMaxSectors * kCdSectorFrames, true},
                          {44100, kCdMaxSectors * kCdSectorFrames + 1, false},
                          {48000, std::numeric_limits<qint64>::max(), false},
                          {44100, -1, false}};
    for (const Case& song : cases) {
        test::FakeAudioDecoder decoder;
        decoder.add(QStringLiteral("song"), {stereoFormat(song.rate, song.frames), {}});
        if (song.accepted) {
            EXPECT_NO_THROW(CdTrackAudio(decoder, QStringLiteral("song"))) << song.rate;
        } else {
            EXPECT_THROW(CdTrackAudio(decoder, QStringLiteral("song")), AppError) << song.rate;
        }
    }
}

// Audio finer than 16 bits is dithered: a level of 0.3 steps survives as the mean of the noise
// (16-bit audio passes bit for bit, as the CD-format song shows).
TEST(CdTrackAudioDitherTest, AudioFinerThanSixteenBitsIsDithered) {
    for (const int bits : {24, 0}) {
        test::FakeAudioDecoder decoder;
        decoder.add(QStringLiteral("song"), {stereoFormat(44100, 44100, bits),
                                             std::vector<float>(2 * 44100, 0.3f / 32768)});
        CdTrackAudio track(decoder, QStringLiteral("song"));
        const std::vector<qint16> samples = samplesOf(readAll(track));
        double sum = 0;
        for (size_t i = 0; i < 2 * 44100; ++i)
            sum += samples[i];
        EXPECT_NEAR(sum / (2 * 44100), 0.3, 0.02) << bits << " bits";
    }
}

} // namespace
} // namespace lccd
