#include "disc/SongPlayback.h"
#include "audio/CdAudioPlayer.h"
#include "audio/CdFormat.h"
#include "audio/CdTrackAudio.h"
#include "cdlist/CheckWavFile.h"
#include "cdlist/EditCdList.h"
#include "cdlist/EditItems.h"
#include "cdlist/Option.h"

#include "tests/cdlist/DiscFolderFixture.h"
#include "tests/support/FakeAudioDecoder.h"
#include "tests/support/FakeAudioOutput.h"
#include "tests/support/StrictServices.h"

#include <QElapsedTimer>
#include <QTableView>
#include <QTest>
#include <QThread>

#include <cmath>
#include <functional>

namespace lccd {
namespace {

constexpr qint64 kSecond = qint64(kCdSampleRate) * kCdFrameBytes;

// A stereo song of floating-point samples, so that it is dithered (and resampled when its
// rate is not the CD's) on its way to the disc: a tone whose level changes with every frame.
test::FakeAudioDecoder::Song toneSong(int rate, double seconds) {
    test::FakeAudioDecoder::Song song;
    song.format.sampleRate = rate;
    song.format.frames = qint64(seconds * rate);
    song.format.speakers = {Speaker::FrontLeft, Speaker::FrontRight};
    for (qint64 frame = 0; frame < song.format.frames; ++frame) {
        const double level = 0.2 + 0.6 * double(frame) / double(song.format.frames);
        const float sample = float(level * std::sin(double(frame) * 0.05));
        song.samples.insert(song.samples.end(), {sample, -sample});
    }
    return song;
}

DiscSong songFile(const QString& path) {
    DiscSong song;
    song.path = path;
    return song;
}

QByteArray trackBytes(AudioDecoder& decoder, const QString& path) {
    CdTrackAudio track(decoder, path);
    QByteArray bytes(track.byteCount(), Qt::Uninitialized);
    bytes.resize(track.read(bytes.data(), bytes.size()));
    return bytes;
}

bool waitUntil(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 10000) {
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
    return done();
}

class SongPlaybackTest : public ::testing::Test {
protected:
    QByteArray played(QList<PlaybackPiece> pieces, qint64 startAt = 0) {
        player.play(std::move(pieces), startAt);
        EXPECT_TRUE(waitUntil([this] { return output.isStarted(); }));
        return output.pullToEnd();
    }

    test::FakeAudioDecoder decoder;
    test::FakeAudioOutput output;
    CdAudioPlayer player{
        output, [this](const TrackSource& song) { return openPlaybackTrack(decoder, song); }};
};

TEST_F(SongPlaybackTest, PlaysTheDiscsOwnBytesFromWhereverItStarts) {
    const QString song = QStringLiteral("song");
    decoder.add(song, toneSong(48000, 3.0));
    const QByteArray disc = trackBytes(decoder, song);
    // Positions inside a frame start at that frame.
    for (const qint64 start : {qint64(0), kSecond + 6, qint64(disc.size()) - 9})
        EXPECT_EQ(played(songPlayback(songFile(song)), start),
                  disc.mid(start - start % kCdFrameBytes))
            << start;

    // Seeking while it plays, then to its end, where it stops by itself.
    player.play(songPlayback(songFile(song)));
    ASSERT_TRUE(waitUntil([this] { return output.isStarted(); }));
    output.pull();
    player.seek(2 * kSecond + 2);
    ASSERT_TRUE(waitUntil([this] { return output.isStarted(); }));
    EXPECT_EQ(output.pullToEnd(), disc.mid(2 * kSecond));
    EXPECT_EQ(player.position(), disc.size());
    EXPECT_TRUE(waitUntil([this] { return !player.isPlaying(); }));
}

TEST_F(SongPlaybackTest, JoinPlaysTheLastTenSecondsTheDiscsGapAndTheFirstTen) {
    const DiscSong first = songFile(QStringLiteral("first"));
    const DiscSong next = songFile(QStringLiteral("next"));
    const DiscSong shortSong = songFile(QStringLiteral("shortSong"));
    decoder.add(first.path, toneSong(44100, 14.3));
    decoder.add(next.path, toneSong(44100, 12.0));
    decoder.add(shortSong.path, toneSong(44100, 4.0));
    const QByteArray firstBytes = trackBytes(decoder, first.path);
    const QByteArray nextBytes = trackBytes(decoder, next.path);
    const qint64 side = 10 * kSecond;
    for (const bool gaps : {false, true}) {
        const qint64 gap = gaps ? 2 * kSecond : 0;
        const QByteArray join = played(joinPlayback(first, next, gaps));
        ASSERT_EQ(join.size(), side + gap + side) << gaps;
        EXPECT_EQ(join.left(side), firstBytes.right(side));
        EXPECT_EQ(join.mid(side, gap), QByteArray(gap, '\0'));
        EXPECT_EQ(join.right(side), nextBytes.left(side));
    }
    // A song shorter than a side plays whole.
    EXPECT_EQ(played(joinPlayback(shortSong, next, false)),
              trackBytes(decoder, shortSong.path) + nextBytes.left(side));
}

// What plays is levelled as the disc is: each song at the gain levelling gives it among the
// disc's songs, heard as the image holds it.
TEST_F(SongPlaybackTest, ASongPlaysAtTheGainTheDiscGivesIt) {
    const DiscSong first = songFile(QStringLiteral("first"));
    const DiscSong next = songFile(QStringLiteral("next"));
    decoder.add(first.path, toneSong(44100, 11.0));
    decoder.add(next.path, toneSong(44100, 11.0));
    const TrackLevelling levelling = [](QList<TrackSource>& songs) {
        for (qsizetype i = 0; i < songs.size(); ++i)
            songs[i].gainDb = -6.0 * double(i + 1);
    };
    QList<PlaybackPiece> join = joinPlayback(first, next, true);
    levelPlayback(join, {TrackSource(first.path), TrackSource(next.path)}, levelling);
    ASSERT_EQ(join.size(), 3);
    EXPECT_EQ(join[0].song->gainDb, -6.0);
    EXPECT_FALSE(join[1].song);
    EXPECT_EQ(join[2].song->gainDb, -12.0);

    QList<PlaybackPiece> song = songPlayback(next);
    levelPlayback(song, {TrackSource(first.path), TrackSource(next.path)}, levelling);
    CdTrackAudio levelled(decoder, TrackSource(next.path, {}, -12.0));
    QByteArray image(levelled.byteCount(), Qt::Uninitialized);
    image.resize(levelled.read(image.data(), image.size()));
    EXPECT_EQ(played(song), image);
    EXPECT_NE(image, trackBytes(decoder, next.path));
}

TEST_F(SongPlaybackTest, WithoutADeviceItSaysSoAndStops) {
    decoder.add(QStringLiteral("song"), toneSong(44100, 1.0));
    output.refusal = noAudioDeviceMessage();
    QStringList messages;
    QObject::connect(&player, &CdAudioPlayer::message,
                     [&](const QString& text) { messages.append(text); });
    player.play(songPlayback(songFile(QStringLiteral("song"))));
    EXPECT_TRUE(waitUntil([&] { return !messages.isEmpty(); }));
    EXPECT_EQ(messages, QStringList{noAudioDeviceMessage()});
    EXPECT_FALSE(player.isPlaying());
}

// The editor plays a song on a double click or Space, says on its status panel why it cannot,
// and stops when the song leaves the list.
class SongPlaybackEditorTest : public SongPlaybackTest {
protected:
    SongPlaybackEditorTest() {
        paths.programPath = dir.filePath(QStringLiteral("lccdtool"));
        editor.presenter().disc().setFolderPath(dir.path());
        for (int n = 1; n <= 2; ++n) {
            const QString path = dir.filePath(QStringLiteral("%1.wav").arg(n));
            test::writeFileBytes(path, "song");
            decoder.add(path, toneSong(44100, 2.0));
            editor.presenter().tracks().setTrack(
                n, test::song(QStringLiteral("Song %1").arg(n), QString(), path));
        }
        editor.show();
        editor.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&editor));
    }
    QTableView& grid() { return *editor.findChild<QTableView*>(QStringLiteral("CtrlGrid1")); }
    QPoint cellCentre(int songNumber) {
        return grid().visualRect(editor.presenter().tracks().index(songNumber - 1, 3)).center();
    }

    QTemporaryDir dir;
    ProgramPaths paths;
    TfrmEditItems editItems;
    TfrmOption options;
    TfrmCheckWavFile checkWavFile;
    test::DesktopSongs desktop;
    TfrmEditCdList editor{paths, editItems, options, checkWavFile,
                          test::TestServices()
                              .with(desktop.tags)
                              .with(desktop.lengths)
                              .with(decoder)
                              .with(output)
                              .services()};
};

TEST_F(SongPlaybackEditorTest, DoubleClickOrSpacePlaysTheSongUntilItLeavesTheList) {
    output.refusal = noAudioDeviceMessage();
    QTest::mouseDClick(grid().viewport(), Qt::LeftButton, {}, cellCentre(1));
    EXPECT_TRUE(waitUntil([&] { return editor.presenter().status().text() == *output.refusal; }));
    EXPECT_FALSE(editor.player().isPlaying());

    output.refusal.reset();
    grid().setCurrentIndex(editor.presenter().tracks().index(1, 3));
    grid().setFocus();
    QTest::keyClick(&grid(), Qt::Key_Space);
    ASSERT_TRUE(waitUntil([this] { return output.isStarted(); }));
    output.pull();
    EXPECT_EQ(
        output.played(),
        trackBytes(decoder, dir.filePath(QStringLiteral("2.wav"))).left(output.played().size()));
    editor.presenter().ClearCdList();
    EXPECT_FALSE(editor.player().isPlaying());
}

} // namespace
} // namespace lccd
