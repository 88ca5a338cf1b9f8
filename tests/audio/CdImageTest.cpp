#include "audio/CdImage.h"

#include "audio/CdFormat.h"
#include "platform/AppError.h"
#include "tests/support/FakeAudioDecoder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace lccd {
namespace {

constexpr qint64 kGap = 2 * kCdSectorsPerSecond;
constexpr qint64 kWavHeaderBytes = 44;

// A CD-format song whose every sample holds the value given, so that its place in the image
// can be told from its neighbours'.
test::FakeAudioDecoder::Song cdSong(qint64 frames, qint16 value, qint64 delivered = -1) {
    AudioFormat format;
    format.sampleRate = kCdSampleRate;
    format.frames = frames;
    format.bitsPerSample = 16;
    format.speakers = {Speaker::FrontLeft, Speaker::FrontRight};
    const qint64 made = delivered < 0 ? frames : delivered;
    return {format, std::vector<float>(size_t(2 * made), float(value) / 32768)};
}

qint16 sampleAt(const QByteArray& image, qint64 frame) {
    return qFromLittleEndian<qint16>(image.constData() + kWavHeaderBytes + 4 * frame);
}

class CdImageTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return folder_.filePath(name); }

    QByteArray fileBytes(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir folder_;
    test::FakeAudioDecoder decoder_;
};

// Each track takes whole sectors, its gap before it when the disc has gaps.
TEST_F(CdImageTest, TracksFollowEachOtherInWholeSectorsAfterTheirGaps) {
    decoder_.add("one", cdSong(1, 1));
    decoder_.add("sector", cdSong(kCdSectorFrames, 2));
    decoder_.add("more", cdSong(kCdSectorFrames + 1, 3));
    struct Case {
        bool gaps;
        QList<qint64> gapStarts, starts;
        qint64 sectors;
    };
    for (const Case& disc : {Case{false, {0, 1, 2}, {0, 1, 2}, 4},
                             Case{true, {0, 151, 302}, {kGap, 151 + kGap, 302 + kGap}, 454}}) {
        SCOPED_TRACE(disc.gaps ? "gaps" : "no gaps");
        const CdImageLayout layout =
            planCdImage(decoder_, {{"one"}, {"sector"}, {"more"}}, disc.gaps);
        ASSERT_EQ(layout.tracks.size(), 3);
        for (qsizetype i = 0; i < 3; ++i) {
            EXPECT_EQ(layout.tracks[i].gapStart, disc.gapStarts[i]) << i;
            EXPECT_EQ(layout.tracks[i].start, disc.starts[i]) << i;
        }
        EXPECT_EQ(layout.tracks[2].sectors, 2);
        EXPECT_EQ(layout.sectors, disc.sectors);
    }
}

TEST_F(CdImageTest, SongsLongerThanAnyDiscTogetherAreRefused) {
    const qint64 halfDisc = kCdMaxSectors / 2 * kCdSectorFrames;
    decoder_.add("half", cdSong(halfDisc, 0, 0));
    EXPECT_NO_THROW(planCdImage(decoder_, {{"half"}, {"half"}}, false));
    EXPECT_THROW(planCdImage(decoder_, {{"half"}, {"half"}}, true), AppError);
    EXPECT_THROW(planCdImage(decoder_, {{"half"}, {"missing"}}, false), AppError);
}

// The file is a plain PCM WAV file: silence in the gaps and after each song's last frame, every
// song's samples where the plan put them. A song that ends early is named and its missing
// frames are silence, so that every later track stays where the CUE sheet says.
TEST_F(CdImageTest, WritesEverySongWhereThePlanPutIt) {
    decoder_.add("a", cdSong(1000, 100));
    decoder_.add("short", cdSong(700, 200, 300));
    decoder_.add("b", cdSong(588, -300));
    const CdImageLayout layout = planCdImage(decoder_, {{"a"}, {"short"}, {"b"}}, true);
    EXPECT_EQ(writeCdImageWav(decoder_, layout, path("disc.wav")), QStringList{"short"});

    const QByteArray image = fileBytes("disc.wav");
    const qint64 dataBytes = layout.sectors * kCdSectorBytes;
    ASSERT_EQ(image.size(), kWavHeaderBytes + dataBytes);
    EXPECT_EQ(image.left(4), "RIFF");
    EXPECT_EQ(qFromLittleEndian<quint32>(image.constData() + 4), kWavHeaderBytes - 8 + dataBytes);
    EXPECT_EQ(image.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(qFromLittleEndian<quint16>(image.constData() + 20), 1); // PCM
    EXPECT_EQ(qFromLittleEndian<quint16>(image.constData() + 22), 2); // channels
    EXPECT_EQ(qFromLittleEndian<quint32>(image.constData() + 24), 44100u);
    EXPECT_EQ(qFromLittleEndian<quint16>(image.constData() + 34), 16); // bits
    EXPECT_EQ(image.mid(36, 4), "data");
    EXPECT_EQ(qFromLittleEndian<quint32>(image.constData() + 40), dataBytes);

    struct Expected {
        qint64 firstFrame, lastFrame; // of the song's sound
        qint16 value;
    };
    const QList<Expected> songs = {{kGap * kCdSectorFrames, kGap * kCdSectorFrames + 999, 100},
                                   {layout.tracks[1].start * kCdSectorFrames,
                                    layout.tracks[1].start * kCdSectorFrames + 299, 200},
                                   {layout.tracks[2].start * kCdSectorFrames,
                                    layout.tracks[2].start * kCdSectorFrames + 587, -300}};
    qint64 frame = 0;
    for (const Expected& song : songs) {
        for (; frame < song.firstFrame; ++frame)
            ASSERT_EQ(sampleAt(image, frame), 0) << "frame " << frame;
        for (; frame <= song.lastFrame; ++frame)
            ASSERT_EQ(sampleAt(image, frame), song.value) << "frame " << frame;
    }
    for (; frame < layout.sectors * kCdSectorFrames; ++frame)
        ASSERT_EQ(sampleAt(image, frame), 0) << "frame " << frame;
}

// A song that changed after the plan would put every later track out of place: nothing is
// written, and a file there before stays as it was.
TEST_F(CdImageTest, SongThatChangedSincePlanningLeavesNoFile) {
    decoder_.add("a", cdSong(1000, 100));
    const CdImageLayout layout = planCdImage(decoder_, {{"a"}}, false);
    QFile before(path("disc.wav"));
    ASSERT_TRUE(before.open(QIODevice::WriteOnly));
    before.write("old image");
    before.close();
    decoder_.add("a", cdSong(5000, 100));
    EXPECT_THROW(writeCdImageWav(decoder_, layout, path("disc.wav")), AppError);
    EXPECT_EQ(fileBytes("disc.wav"), "old image");
    EXPECT_THROW(writeCdImageWav(decoder_, layout, path("no folder/disc.wav")), AppError);
}

} // namespace
} // namespace lccd
