#include "disc/PlayingTime.h"

#include "disc/SongLengths.h"
#include "platform/adapters/MediaLength.h"
#include "platform/adapters/SongDecoder.h"
#include "tests/support/EncodedSongs.h"
#include "tests/support/FakeAudioDecoder.h"
#include "tests/support/TestSongs.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lccd {
namespace {

TEST(FormatPlayingTimeTest, MinutesWithThreeDigitsAndNoHours) {
    const std::pair<int, const char*> cases[] = {
        {0, "000:00"},    {59, "000:59"},   {60, "001:00"},    {205, "003:25"},
        {4200, "070:00"}, {3725, "062:05"}, {60000, "1000:00"}};
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(FormatPlayingTime(seconds), QString::fromLatin1(text)) << seconds;
}

TEST(ParsePlayingTimeTest, MinutesBeforeTheFirstColonAndSecondsAfterIt) {
    const std::pair<const char*, int> cases[] = {{"003:25", 205},
                                                 {"3:45", 225},
                                                 {":30", 30},
                                                 {"2:", 120},
                                                 {"12", 0},
                                                 {"", 0},
                                                 {"1:2:3", 60},
                                                 {" 3: 5", 185},
                                                 {"x:30", 30},
                                                 {"-1:30", -30},
                                                 {"99999999:00", std::numeric_limits<int>::max()}};
    for (const auto& [text, seconds] : cases)
        EXPECT_EQ(ParsePlayingTime(QString::fromLatin1(text)), seconds) << text;
}

class QueryPlayingTimeTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
    HeaderMediaLengths headers_;
    SongDecoder decoder_;
    SongLengths lengths_{headers_, decoder_};
};

TEST_F(QueryPlayingTimeTest, TruncatesToWholeSeconds) {
    // 205.999 s at 44.1 kHz, and a file just short of one second.
    test::writeTestWav(path("long.wav"), 9084555);
    test::writeTestWav(path("short.wav"), 44099, {44100, 1, 16});
    const std::optional<PlayingTime> long_ = QueryPlayingTime(lengths_, path("long.wav"));
    ASSERT_TRUE(long_);
    EXPECT_EQ(long_->seconds, 205);
    EXPECT_EQ(long_->text, QStringLiteral("003:25"));
    EXPECT_EQ(QueryPlayingTime(lengths_, path("short.wav"))->text, QStringLiteral("000:00"));
}

TEST_F(QueryPlayingTimeTest, UnreadableFileIsZeroAndMissingFileIsNothing) {
    QFile text(path("notes.wav"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a song");
    text.close();
    EXPECT_EQ(QueryPlayingTime(lengths_, path("notes.wav"))->text, QStringLiteral("000:00"));
    EXPECT_EQ(QueryPlayingTime(lengths_, path("missing.wav")), std::nullopt);
    EXPECT_EQ(QueryPlayingTime(lengths_, dir_.path()), std::nullopt);
}

TEST_F(QueryPlayingTimeTest, Mp3LengthCountsItsWholeFrames) {
    // The fixture encodes one second; its frames, encoder padding included, last a little more.
    const std::optional<PlayingTime> time =
        QueryPlayingTime(lengths_, QStringLiteral(LCCD_TEST_DATA_DIR "/tagless.mp3"));
    ASSERT_TRUE(time);
    EXPECT_EQ(time->seconds, 1);
}

// soxi reads the same files independently; whole seconds must agree for every format.
TEST_F(QueryPlayingTimeTest, AgreesWithSoxi) {
    const QString soxi = QStandardPaths::findExecutable(QStringLiteral("soxi"));
    ASSERT_FALSE(soxi.isEmpty()) << "soxi (package sox) is needed";
    const test::WavFormat formats[] = {{22050, 1, 8},  {22050, 2, 16}, {44100, 1, 16},
                                       {44100, 2, 24}, {48000, 2, 16}, {48000, 1, 24}};
    const double lengths[] = {0.5, 2.9999, 5.75};
    for (const test::WavFormat& format : formats) {
        for (const double seconds : lengths) {
            const QString file = path(QStringLiteral("f.wav"));
            test::writeTestWav(file, qint64(seconds * format.sampleRate), format);
            QProcess process;
            process.start(soxi, {QStringLiteral("-D"), file});
            ASSERT_TRUE(process.waitForFinished());
            const double soxiSeconds = process.readAllStandardOutput().trimmed().toDouble();
            EXPECT_EQ(QueryPlayingTime(lengths_, file)->seconds, int(soxiSeconds))
                << format.sampleRate << " Hz " << format.channels << " ch " << format.bitsPerSample
                << " bit, " << seconds << " s";
        }
    }
}

// The program's decoder, counting the songs it opens.
class CountingDecoder : public AudioDecoder {
public:
    std::unique_ptr<AudioStream> open(const QString& path) override {
        ++opened;
        return decoder_.open(path);
    }
    int opened = 0;

private:
    SongDecoder decoder_;
};

// A song other than WAV is decoded (an MP3 scanned whole) once for as long as its file stays as
// it was; a WAV file is measured by its header.
TEST_F(QueryPlayingTimeTest, DecodedLengthsAreKeptUntilTheFileChanges) {
    ASSERT_TRUE(test::makeVbrMp3WithoutXing(path("vbr.mp3"), 20.3));
    ASSERT_TRUE(test::makeToneSong(path("tone.flac"), 3.25, {96000, 2, 24}));
    test::writeTestWav(path("tone.wav"), 44100 * 2);
    CountingDecoder decoder;
    SongLengths lengths(headers_, decoder);
    for (int pass = 0; pass < 3; ++pass) {
        EXPECT_EQ(QueryPlayingTime(lengths, path("vbr.mp3"))->seconds, 20);
        EXPECT_EQ(lengths.measure(path("tone.flac"))->milliseconds, 3250);
        EXPECT_EQ(QueryPlayingTime(lengths, path("tone.wav"))->seconds, 2);
    }
    EXPECT_EQ(decoder.opened, 2);

    // Replaced by a longer song, or only touched: measured again.
    ASSERT_TRUE(test::makeToneSong(path("tone.flac"), 4.5, {44100, 1, 16}));
    EXPECT_EQ(lengths.measure(path("tone.flac"))->milliseconds, 4500);
    QFile song(path("vbr.mp3"));
    ASSERT_TRUE(song.open(QIODevice::ReadWrite));
    ASSERT_TRUE(song.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                 QFileDevice::FileModificationTime));
    song.close();
    EXPECT_EQ(QueryPlayingTime(lengths, path("vbr.mp3"))->seconds, 20);
    EXPECT_EQ(decoder.opened, 4);
}

TEST_F(QueryPlayingTimeTest, SongsTheDecoderCannotOpenAreEstimatedFromTheirHeader) {
    ASSERT_TRUE(test::makeToneSong(path("tone.flac"), 3.5, {48000, 2, 16}));
    test::writeTestWav(path("tone.wav"), 44100 * 2);
    test::FakeAudioDecoder knowsNoSong;
    SongLengths lengths(headers_, knowsNoSong);
    const std::optional<PlayingTime> flac = QueryPlayingTime(lengths, path("tone.flac"));
    ASSERT_TRUE(flac);
    EXPECT_EQ(flac->seconds, 3);
    EXPECT_TRUE(flac->measured);
    EXPECT_TRUE(flac->estimated);
    EXPECT_FALSE(QueryPlayingTime(lengths, path("tone.wav"))->estimated);
}

} // namespace
} // namespace lccd
