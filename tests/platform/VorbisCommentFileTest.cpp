#include "platform/adapters/VorbisCommentFile.h"
#include "platform/codecs/CodedAudio.h"

#include "tests/support/EncodedSongs.h"
#include "tests/support/ExternalTools.h"
#include "tests/support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lccd {
namespace {

// Tagged songs that ffmpeg encodes once for the suite; each test works on its own copies.
class VorbisCommentFileTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        songs_ = new QTemporaryDir;
        const QString tone = songs_->filePath("tone.wav");
        ASSERT_TRUE(test::makeToneSong(tone, 2.5, {48000, 2, 16}));
        for (const char* name : kSongs)
            ASSERT_TRUE(test::runToolSucceeded(
                "ffmpeg", {"-v", "error", "-i", tone, "-metadata", "title=Plain title", "-metadata",
                           "artist=Someone", "-metadata", "comment=Kept note", "-metadata",
                           "genre=Jazz", songs_->filePath(name)}));
    }
    static void TearDownTestSuite() { delete songs_; }

    QString copyOf(const char* name) {
        const QString copy = dir_.filePath(name);
        QFile::copy(songs_->filePath(name), copy);
        return copy;
    }

    // The decoded audio as ffmpeg hashes it, a judge independent of the comparison tested here.
    static QString audioHash(const QString& path) {
        return test::runTool("ffmpeg", {"-v", "error", "-i", path, "-map", "0:a", "-f", "md5", "-"})
            .trimmed();
    }

    static constexpr const char* kSongs[] = {"song.flac", "song.ogg", "song.opus"};
    static inline QTemporaryDir* songs_ = nullptr;
    QTemporaryDir dir_;
};

TEST_F(VorbisCommentFileTest, SaveChangesOnlyTheGivenFieldsAndKeepsTheAudio) {
    for (const char* name : kSongs) {
        SCOPED_TRACE(name);
        const QString song = copyOf(name);
        const QString original = songs_->filePath(name);
        const std::optional<TagFields> stored = readVorbisCommentFields(song);
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->value("INAM"), "Plain title");
        EXPECT_EQ(stored->value("ICMT"), "Kept note") << "ffmpeg names the comment DESCRIPTION";
        EXPECT_EQ(stored->value("ICRD"), "");

        const QByteArray title = QStringLiteral("表ソ café").toUtf8();
        ASSERT_TRUE(saveVorbisCommentFields(song, {{"INAM", title}, {"IART", ""}}));
        TagFields expected = *stored;
        expected.insert("INAM", title);
        expected.insert("IART", "");
        EXPECT_EQ(readVorbisCommentFields(song), expected);
        EXPECT_TRUE(test::runTool("ffprobe", {"-v", "error", "-show_entries",
                                              "format_tags=encoder:stream_tags=encoder", song})
                        .contains("Lav"))
            << "fields the program does not show stay";
        EXPECT_TRUE(sameCodedAudio(original, song));
        EXPECT_EQ(audioHash(song), audioHash(original));
        EXPECT_EQ(QDir(dir_.path()).entryList({".*"}, QDir::Files | QDir::Hidden), QStringList())
            << "no copy is left behind";
    }
}

TEST_F(VorbisCommentFileTest, SameCodedAudioSeesAnyChangeToTheAudio) {
    for (const char* name : kSongs) {
        SCOPED_TRACE(name);
        const QString original = songs_->filePath(name);
        const QByteArray bytes = test::fileBytes(original);
        const QString changed = dir_.filePath(QStringLiteral("changed"));
        QByteArray flipped = bytes;
        flipped[flipped.size() - 100] = char(flipped[flipped.size() - 100] ^ 0x01);
        test::writeFileBytes(changed, flipped);
        EXPECT_FALSE(sameCodedAudio(original, changed)) << "a byte of the last frame or page";
        test::writeFileBytes(changed, bytes.chopped(200));
        EXPECT_FALSE(sameCodedAudio(original, changed)) << "cut short";
        test::writeFileBytes(changed, bytes + QByteArray(10, 'x'));
        EXPECT_FALSE(sameCodedAudio(original, changed)) << "bytes added after the audio";
        test::writeFileBytes(changed, bytes);
        EXPECT_TRUE(sameCodedAudio(original, changed));
    }
    EXPECT_FALSE(sameCodedAudio(songs_->filePath("song.ogg"), songs_->filePath("song.flac")));

    // A FLAC file may start with an ID3v2 tag; its audio is the same.
    const QString tagged = dir_.filePath("tagged.flac");
    test::writeFileBytes(tagged, QByteArray("ID3\x03\x00\x00\x00\x00\x00\x02\x00\x00", 12) +
                                     test::fileBytes(songs_->filePath("song.flac")));
    EXPECT_EQ(codedContainerOf(tagged), CodedContainer::Flac);
    EXPECT_TRUE(sameCodedAudio(songs_->filePath("song.flac"), tagged));
}

TEST_F(VorbisCommentFileTest, OtherFilesAreNeitherReadNorWritten) {
    const QString notes = dir_.filePath("notes.flac");
    test::writeFileBytes(notes, "fLaC but nothing after it");
    const QString wav = dir_.filePath("tone.wav");
    QFile::copy(songs_->filePath("tone.wav"), wav);
    for (const QString& path : {notes, wav, dir_.filePath("missing.ogg")}) {
        SCOPED_TRACE(path.toStdString());
        const QByteArray before = test::fileBytes(path);
        EXPECT_EQ(readVorbisCommentFields(path), std::nullopt);
        EXPECT_FALSE(saveVorbisCommentFields(path, {{"INAM", "x"}}));
        EXPECT_EQ(test::fileBytes(path), before);
    }
}

// A song that ends inside its comment page, as a broken-off download leaves it: the page claims
// bytes the file lacks, so the save is refused and the file keeps its bytes.
TEST_F(VorbisCommentFileTest, ASongCutInsideItsCommentIsNotWritten) {
    for (const char* name : {"song.ogg", "song.opus"}) {
        SCOPED_TRACE(name);
        const QByteArray whole = test::fileBytes(songs_->filePath(name));
        const qsizetype thirdPage = whole.indexOf("OggS", whole.indexOf("OggS", 4) + 4);
        ASSERT_GT(thirdPage, 0);
        const QString song = dir_.filePath(name);
        test::writeFileBytes(song, whole.left(thirdPage - 1));
        EXPECT_FALSE(saveVorbisCommentFields(song, {{"INAM", "a longer title than before"}}));
        EXPECT_EQ(test::fileBytes(song), whole.left(thirdPage - 1));
    }
}

} // namespace
} // namespace lccd
