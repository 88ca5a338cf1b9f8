#include "disc/TrackTags.h"
#include "platform/CodePage.h"
#include "tests/support/EncodedSongs.h"
#include "tests/support/ExternalTools.h"
#include "tests/support/FileBytes.h"
#include "tests/support/RecordingMp3Infp.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <taglib/apetag.h>
#include <taglib/mpegfile.h>

// Title edits of MP3 files as the peers' test suites hold them, judged by FFmpeg: the new title
// is in the file's own tag, the other values stay, and the decoded audio is the same.
namespace lccd {
namespace {

// Every sample ffmpeg decodes, as 16-bit PCM.
QByteArray decodedPcm(const QString& path) {
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", {"-v", "error", "-i", path, "-map", "0:a", "-f", "s16le", "-"});
    ffmpeg.waitForFinished(60000);
    return ffmpeg.readAllStandardOutput();
}

QString probedTag(const QString& path, const QString& key) {
    return test::runTool("ffprobe", {"-v", "error", "-show_entries", "format_tags=" + key, "-of",
                                     "default=nw=1:nk=1", path})
        .trimmed();
}

// An ID3v2.2 tag, which no tool of the system writes any more: three-letter frames, Latin-1.
QByteArray id3v22Tag(const QList<std::pair<QByteArray, QByteArray>>& frames) {
    QByteArray body;
    for (const auto& [id, text] : frames) {
        const QByteArray content = QByteArray(1, '\0') + text;
        QByteArray size(4, Qt::Uninitialized);
        qToBigEndian(quint32(content.size()), size.data());
        body += id + size.mid(1) + content;
    }
    QByteArray syncSafe(4, Qt::Uninitialized);
    for (int i = 0; i < 4; ++i)
        syncSafe[i] = char((body.size() >> (7 * (3 - i))) & 0x7F);
    return QByteArray("ID3\x02\x00\x00", 6) + syncSafe + body;
}

// An MP3 stream whose first frame carries a VBRI header (as Fraunhofer encoders write it)
// instead of audio: 36 bytes into the frame, version 1, the stream's bytes and frames.
QByteArray withVbriHeader(QByteArray mp3) {
    QByteArray vbri("VBRI\x00\x01\x04\x40\x00\x4B", 10);
    QByteArray sizes(8, Qt::Uninitialized);
    qToBigEndian(quint32(mp3.size()), sizes.data());
    qToBigEndian(quint32(mp3.size() / 418), sizes.data() + 4);
    vbri += sizes + QByteArray("\x00\x00\x00\x01\x00\x02\x00\x00", 8);
    mp3.replace(36, vbri.size(), vbri);
    return mp3;
}

class Mp3TagWriteTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* tool : {"lame", "ffmpeg", "ffprobe", "sox"})
            if (!test::toolInstalled(tool))
                GTEST_SKIP() << tool << " is not installed";
    }

    QString path(const QString& name) const { return dir_.filePath(name); }
    bool lame(const QString& name, const QStringList& options) {
        return test::runToolSucceeded("lame", QStringList{"--quiet"} + options +
                                                  QStringList{path("tone.wav"), path(name)});
    }

    QTemporaryDir dir_;
    DiscNotes notes_;
    test::RecordingMp3Infp library_;
};

TEST_F(Mp3TagWriteTest, TitleEditGoesIntoTheOwnTagAndKeepsTheAudio) {
    ASSERT_TRUE(test::makeToneSong(path("tone.wav"), 2.5, {44100, 2, 16}));
    const QStringList oldTags = {"--tt", "Old", "--ta", "Artist", "--tc", "Note"};
    ASSERT_TRUE(lame("cbr.mp3", {"-b", "128"})); // LAME/Info header
    ASSERT_TRUE(lame("xing.mp3", QStringList{"-V", "2", "--id3v2-only"} + oldTags)); // ID3v2.3
    ASSERT_TRUE(lame("id3v1.mp3", QStringList{"-b", "128", "--id3v1-only"} + oldTags));
    ASSERT_TRUE(lame("plain.mp3", {"-t", "-b", "128"})); // no header frame
    test::writeFileBytes(path("vbri.mp3"), withVbriHeader(test::fileBytes(path("plain.mp3"))));
    test::writeFileBytes(path("id3v22.mp3"), id3v22Tag({{"TT2", "Old"}, {"TP1", "Artist"}}) +
                                                 test::fileBytes(path("cbr.mp3")));
    ASSERT_TRUE(test::runToolSucceeded("ffmpeg", {"-v", "error", "-i", path("tone.wav"),
                                                  "-metadata", "title=Old", "-metadata",
                                                  "artist=Artist", path("id3v24.mp3")}));
    ASSERT_TRUE(QFile::copy(path("cbr.mp3"), path("ape.mp3")));
    {
        TagLib::MPEG::File ape(QFile::encodeName(path("ape.mp3")).constData());
        ape.APETag(true)->setTitle("Old");
        ape.APETag()->setArtist("Artist");
        ASSERT_TRUE(ape.save(TagLib::MPEG::File::APE));
    }

    const struct {
        const char* name;
        char versionAfter; // of the ID3v2 tag
        const char* artist;
    } songs[] = {{"cbr.mp3", 3, ""},         {"xing.mp3", 3, "Artist"}, {"id3v1.mp3", 3, "Artist"},
                 {"vbri.mp3", 3, ""},        {"ape.mp3", 3, "Artist"},  {"id3v22.mp3", 3, "Artist"},
                 {"id3v24.mp3", 4, "Artist"}};
    const QString newTitle = QStringLiteral("新しい題 ♪");
    for (const auto& song : songs) {
        SCOPED_TRACE(song.name);
        const QString file = path(song.name);
        const QByteArray before = test::fileBytes(file);
        const QByteArray pcm = decodedPcm(file);
        ASSERT_GT(pcm.size(), 44100 * 4);

        TrackTags tags = ReadTrackTags(library_, file, notes_);
        EXPECT_EQ(WriteTrackTags(library_, file, tags, true), TagWriteResult::Unchanged);
        EXPECT_EQ(test::fileBytes(file), before);

        tags.title = newTitle;
        ASSERT_EQ(WriteTrackTags(library_, file, tags, true), TagWriteResult::Written);
        const QByteArray after = test::fileBytes(file);
        EXPECT_TRUE(after.startsWith(QByteArray("ID3") + song.versionAfter)) << "no RIFF form";
        EXPECT_EQ(probedTag(file, "title"), newTitle);
        EXPECT_EQ(probedTag(file, "artist"), song.artist);
        const QByteArray pcmAfter = decodedPcm(file);
        EXPECT_EQ(pcmAfter.size(), pcm.size()) << "samples";
        EXPECT_TRUE(pcmAfter == pcm) << "decoded audio";
        EXPECT_EQ(ReadTrackTags(library_, file, notes_), tags);
        if (before.right(128).startsWith("TAG")) {
            EXPECT_EQ(after.right(128).mid(3, 30), toSjis(newTitle).leftJustified(30, '\0'))
                << "ID3v1 in step";
            EXPECT_EQ(after.right(128).mid(33), before.right(128).mid(33));
        }
    }
}

} // namespace
} // namespace lccd
