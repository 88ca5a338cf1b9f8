#include "platform/adapters/SongDecoder.h"
#include "platform/AppError.h"
#include "platform/codecs/Riff.h"

#include "tests/support/EncodedSongs.h"
#include "tests/support/ExternalTools.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <vector>

namespace lccd {
namespace {

using test::WavFormat;

// Songs made once for the whole suite: encoding takes a while.
class SongDecoderTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = new QTemporaryDir;
        ASSERT_TRUE(test::makeToneSong(path("hires.flac"), 5.5, {96000, 2, 24}));
        ASSERT_TRUE(test::makeToneSong(path("source48.wav"), 7.3, {48000, 2, 16}));
        ASSERT_TRUE(test::encodeWithFfmpeg(path("source48.wav"), path("vorbis.ogg")));
        ASSERT_TRUE(test::encodeWithFfmpeg(path("source48.wav"), path("opus.opus")));
        ASSERT_TRUE(test::encodeWithFfmpeg(path("source48.wav"), path("piped.flac"), true));
        ASSERT_TRUE(test::makeToneSong(path("source44.wav"), 20.3, {}));
        ASSERT_TRUE(test::runToolSucceeded(
            QStringLiteral("lame"),
            {QStringLiteral("--quiet"), path("source44.wav"), path("cbr.mp3")}));
        ASSERT_TRUE(test::makeVbrMp3WithoutXing(path("vbr.mp3"), 20.3));
        test::writeTestWav(path("cd.wav"), 441000 + 123);
        test::writeTestWav(path("mono.wav"), 22050 * 3 + 7, {22050, 1, 16});
        writeRmp(path("cbr.mp3"), path("wrapped.rmp"));
    }
    static void TearDownTestSuite() { delete folder_; }

    static QString path(const QString& name) { return folder_->filePath(name); }

    // An MP3 stream in the "data" chunk of a RIFF "RMP3" file.
    static void writeRmp(const QString& mp3, const QString& rmp) {
        QFile in(mp3);
        QFile out(rmp);
        ASSERT_TRUE(in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly));
        QByteArray data = in.readAll();
        const QByteArray chunk = riffChunkHeader("data", quint32(data.size()));
        if (data.size() % 2 != 0)
            data += '\0';
        out.write(riffChunkHeader("RIFF", quint32(4 + chunk.size() + data.size())) + "RMP3" +
                  chunk + data);
    }

    static qint64 framesDecoded(AudioStream& stream) {
        std::vector<float> samples(size_t(3000 * stream.format().channels()));
        qint64 total = 0;
        while (const qint64 frames = stream.read(samples.data(), 3000))
            total += frames;
        return total;
    }

    static inline QTemporaryDir* folder_ = nullptr;
};

// Whole seconds of a song as another program measures it.
int secondsByTool(const QString& tool, const QString& song) {
    const QString answer =
        tool == QLatin1String("soxi")
            ? test::runTool(tool, {QStringLiteral("-D"), song})
            : test::runTool(tool,
                            {QStringLiteral("-v"), QStringLiteral("error"),
                             QStringLiteral("-show_entries"), QStringLiteral("format=duration"),
                             QStringLiteral("-of"), QStringLiteral("csv=p=0"), song});
    bool ok = false;
    const double seconds = answer.trimmed().toDouble(&ok);
    return ok ? int(seconds) : -1;
}

// Every format reports what it holds, announces exactly the frames a full decode delivers and
// agrees with another program on the playing time. ffprobe only estimates the length of an MP3
// without a Xing header, so soxi, which counts its frames, judges the MP3 files.
TEST_F(SongDecoderTest, ExactFrameCountsForEveryFormat) {
    struct Case {
        const char* file;
        int rate;
        int channels;
        int bits;
        qint64 frames;     // when known in advance; -1 for "whatever a full decode gives"
        const char* judge; // the program that measures it too, if any can
    };
    const Case cases[] = {
        {"cd.wav", 44100, 2, 16, 441123, "ffprobe"},
        {"mono.wav", 22050, 1, 16, 66157, "ffprobe"},
        {"hires.flac", 96000, 2, 24, 528000, "ffprobe"},
        {"vorbis.ogg", 48000, 2, 0, 350400, "ffprobe"},
        {"opus.opus", 48000, 2, 0, 350400, "ffprobe"},
        // No length in its header, so that the other programs have none to judge by.
        {"piped.flac", 48000, 2, 16, 350400, nullptr},
        // The encoder's delay and padding are taken off as the Info header tells.
        {"cbr.mp3", 44100, 2, 0, 895230, "soxi"},
        {"wrapped.rmp", 44100, 2, 0, 895230, "soxi"},
        {"vbr.mp3", 44100, 2, 0, -1, "soxi"},
    };
    SongDecoder decoder;
    for (const Case& song : cases) {
        SCOPED_TRACE(song.file);
        const QString file = path(QString::fromLatin1(song.file));
        const std::unique_ptr<AudioStream> stream = decoder.open(file);
        const AudioFormat format = stream->format();
        EXPECT_EQ(format.sampleRate, song.rate);
        EXPECT_EQ(format.channels(), song.channels);
        EXPECT_EQ(format.bitsPerSample, song.bits);
        if (song.frames >= 0) {
            EXPECT_EQ(format.frames, song.frames);
        }
        EXPECT_EQ(framesDecoded(*stream), format.frames);
        const std::optional<qint64> length = decodedLengthMilliseconds(decoder, file);
        ASSERT_TRUE(length);
        EXPECT_EQ(*length, format.frames * 1000 / format.sampleRate);
        // The RIFF form is ours alone: judge the MP3 it wraps.
        const QString judged = file.endsWith(QLatin1String(".rmp")) ? path("cbr.mp3") : file;
        if (song.judge != nullptr) {
            EXPECT_EQ(int(*length / 1000), secondsByTool(QString::fromLatin1(song.judge), judged));
        }
    }
}

// The frames another program's decoder delivers: ffmpeg's, written out as a WAV file and
// counted by soxi.
qint64 framesDecodedByFfmpeg(const QString& song) {
    const QString wav = song + QStringLiteral(".decoded.wav");
    if (!test::runToolSucceeded(QStringLiteral("ffmpeg"),
                                {QStringLiteral("-v"), QStringLiteral("error"),
                                 QStringLiteral("-y"), QStringLiteral("-i"), song,
                                 QStringLiteral("-c:a"), QStringLiteral("pcm_f32le"), wav}))
        return -1;
    bool ok = false;
    const qint64 frames = test::runTool(QStringLiteral("soxi"), {QStringLiteral("-s"), wav})
                              .trimmed()
                              .toLongLong(&ok);
    QFile::remove(wav);
    return ok ? frames : -1;
}

// The frames the song's container says it holds, as ffprobe reads them (an MP4 file's edit
// list, which takes the encoder's delay and padding off).
qint64 containerFramesByFfprobe(const QString& song) {
    bool ok = false;
    const qint64 frames =
        test::runTool(QStringLiteral("ffprobe"),
                      {QStringLiteral("-v"), QStringLiteral("error"),
                       QStringLiteral("-select_streams"), QStringLiteral("a:0"),
                       QStringLiteral("-show_entries"), QStringLiteral("stream=duration_ts"),
                       QStringLiteral("-of"), QStringLiteral("csv=p=0"), song})
            .trimmed()
            .toLongLong(&ok);
    return ok ? frames : -1;
}

// The frames Musepack's own decoder, mpcdec, delivers, written out as a WAV file and counted
// by soxi.
qint64 framesDecodedByMpcdec(const QString& song) {
    const QString wav = song + QStringLiteral(".decoded.wav");
    bool ok = false;
    const qint64 frames = test::runToolSucceeded(QStringLiteral("mpcdec"), {song, wav})
                              ? test::runTool(QStringLiteral("soxi"), {QStringLiteral("-s"), wav})
                                    .trimmed()
                                    .toLongLong(&ok)
                              : -1;
    QFile::remove(wav);
    return ok ? frames : -1;
}

// The formats FFmpeg decodes: each reports what it holds and delivers exactly the frames it
// announces, as many as another program's decoder gives: ffmpeg's, except that an MP4 song
// also loses the encoder's padding at its end as its container says (ffmpeg 5.1 leaves it in)
// and a Musepack song ends where mpcdec ends it (ffmpeg gives whole frames). Where ffprobe reads
// the length (not of WMA or Musepack SV8), it agrees on the seconds. Monkey's Audio, which no
// Debian program writes, shares this path from opening to the last frame.
TEST_F(SongDecoderTest, OtherFormatsDecodeToTheLengthOtherProgramsGive) {
    enum class Judge { Ffmpeg, Container, Mpcdec };
    struct Case {
        const char* file;
        int rate;
        int channels;
        int bits;
        Judge frames;
    };
    const Case cases[] = {
        {"aac.m4a", 44100, 2, 0, Judge::Container},
        {"hires.alac.m4a", 48000, 2, 24, Judge::Ffmpeg},
        {"song.aiff", 44100, 2, 16, Judge::Ffmpeg},
        {"float.aifc", 44100, 2, 0, Judge::Ffmpeg},
        {"song.wma", 44100, 2, 0, Judge::Ffmpeg},
        {"song.wv", 44100, 2, 16, Judge::Ffmpeg},
        {"hires.wavpack.wv", 48000, 2, 24, Judge::Ffmpeg},
        {"song.tta", 44100, 2, 16, Judge::Ffmpeg},
        {"adts.aac", 44100, 2, 0, Judge::Ffmpeg},
        {"song.mpc", 44100, 2, 0, Judge::Mpcdec},
    };
    ASSERT_TRUE(test::makeToneSong(path("source16.wav"), 6.3, {}));
    ASSERT_TRUE(test::makeToneSong(path("source24.wav"), 3.2, {48000, 2, 24}));
    SongDecoder decoder;
    for (const Case& song : cases) {
        SCOPED_TRACE(song.file);
        const QString file = path(QString::fromLatin1(song.file));
        const bool hires = file.contains(QLatin1String("hires"));
        ASSERT_TRUE(test::encodeOtherFormat(path(hires ? "source24.wav" : "source16.wav"), file));
        const std::unique_ptr<AudioStream> stream = decoder.open(file);
        const AudioFormat format = stream->format();
        EXPECT_EQ(format.sampleRate, song.rate);
        EXPECT_EQ(format.channels(), song.channels);
        EXPECT_EQ(format.bitsPerSample, song.bits);
        const qint64 judged = song.frames == Judge::Container ? containerFramesByFfprobe(file)
                              : song.frames == Judge::Mpcdec  ? framesDecodedByMpcdec(file)
                                                              : framesDecodedByFfmpeg(file);
        EXPECT_EQ(format.frames, judged);
        EXPECT_EQ(framesDecoded(*stream), format.frames);
        if (!file.endsWith(QLatin1String(".wma")) && !file.endsWith(QLatin1String(".mpc"))) {
            EXPECT_EQ(int(format.lengthMilliseconds() / 1000),
                      secondsByTool(QStringLiteral("ffprobe"), file));
        }
    }
}

// A damaged FLAC or Ogg file is not decoded as MP3 either, though frames an MP3 decoder takes
// may turn up in its bytes: the song would become noise.
TEST_F(SongDecoderTest, FilesWithoutAudioAreNotOpened) {
    QFile text(path("notes.flac"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a song at all, although its name says so\n");
    text.close();
    QFile(path("empty.mp3")).open(QIODevice::WriteOnly);
    QFile mp3(path("cbr.mp3"));
    ASSERT_TRUE(mp3.open(QIODevice::ReadOnly));
    const QByteArray frames = mp3.readAll();
    const std::pair<const char*, QByteArray> heads[] = {
        {"damaged.flac", QByteArray("fLaC\x84\0\0\x10")},
        {"damaged.ogg", QByteArray("OggS\0\x02")},
        {"damaged.m4a", QByteArray("\0\0\0\x10"
                                   "ftypM4A \0\0\0\0",
                                   16)},
        {"damaged.wma",
         QByteArray("\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C", 16)},
    };
    for (const auto& [damaged, head] : heads) {
        QFile file(path(QString::fromLatin1(damaged)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(head + QByteArray(64, '#') + frames);
    }
    for (const char* name : {"notes.flac", "empty.mp3", "missing.wav", "damaged.flac",
                             "damaged.ogg", "damaged.m4a", "damaged.wma"}) {
        SCOPED_TRACE(name);
        const QString file = path(QString::fromLatin1(name));
        SongDecoder decoder;
        EXPECT_THROW(decoder.open(file), AppError);
        EXPECT_EQ(decodedLengthMilliseconds(decoder, file), std::nullopt);
    }
}

// An AIFF file whose channel chunk names fewer channels than the file holds, named .wav: never
// handed to libsndfile, which reads past its buffer for it. FFmpeg refuses the chunk ahead of
// the file's format and passes it over behind it.
TEST_F(SongDecoderTest, AiffWithAShortChannelChunkIsReadWithinItsBytes) {
    const auto chunk = [](const QByteArray& id, const QByteArray& data) {
        QByteArray size(4, '\0');
        qToBigEndian<quint32>(quint32(data.size()), size.data());
        return id + size + data;
    };
    // Six channels of 100 frames at 44.1 kHz (an 80-bit float rate), 16 bits.
    const QByteArray comm = chunk("COMM", QByteArray("\0\x06\0\0\0\x64\0\x10"
                                                     "\x40\x0E\xAC\x44\0\0\0\0\0\0",
                                                     18));
    // Two channel descriptions, left and right.
    QByteArray twoChannels(12 + 2 * 20, '\0');
    twoChannels[11] = 2;
    twoChannels[12 + 3] = 1;
    twoChannels[32 + 3] = 2;
    const QByteArray chan = chunk("CHAN", twoChannels);
    const QByteArray ssnd = chunk("SSND", QByteArray(8 + 100 * 6 * 2, '\0'));
    for (const bool channelsFirst : {true, false}) {
        SCOPED_TRACE(channelsFirst ? "CHAN before COMM" : "CHAN after COMM");
        const QByteArray body = "AIFF" + (channelsFirst ? chan + comm : comm + chan) + ssnd;
        const QString file = path(QStringLiteral("short-chan.wav"));
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(chunk("FORM", body));
        out.close();
        if (channelsFirst) {
            EXPECT_THROW(SongDecoder().open(file), AppError);
            continue;
        }
        const std::unique_ptr<AudioStream> stream = SongDecoder().open(file);
        EXPECT_EQ(stream->format().channels(), 6);
        EXPECT_EQ(framesDecoded(*stream), 100);
    }
}

// Channels are named from the file's own channel mask where it has one, else from its format's
// standard order, which differs between WAV/FLAC and Ogg.
TEST_F(SongDecoderTest, SpeakersFollowTheFormatsChannelOrder) {
    using enum Speaker;
    struct Case {
        const char* file;
        const char* layout;
        QList<Speaker> speakers;
    };
    const Case cases[] = {
        {"surround.flac",
         "5.1",
         {FrontLeft, FrontRight, FrontCenter, LowFrequency, BackLeft, BackRight}},
        {"surround.ogg",
         "5.1",
         {FrontLeft, FrontCenter, FrontRight, BackLeft, BackRight, LowFrequency}},
        {"three-one.wav", "3.1", {FrontLeft, FrontRight, FrontCenter, LowFrequency}},
        {"quad.wav", "quad", {FrontLeft, FrontRight, BackLeft, BackRight}},
    };
    for (const Case& song : cases) {
        SCOPED_TRACE(song.file);
        const QString file = path(QString::fromLatin1(song.file));
        ASSERT_TRUE(test::makeSilentLayoutSong(file, QString::fromLatin1(song.layout)));
        EXPECT_EQ(SongDecoder().open(file)->format().speakers, song.speakers);
    }
}

} // namespace
} // namespace lccd
