#include "cdlist/EditorDiscSave.h"
#include "cdlist/FolderLoader.h"
#include "disc/TrackTags.h"
#include "platform/adapters/MediaLength.h"
#include "platform/codecs/Riff.h"
#include "tests/cdlist/DiscFolderFixture.h"
#include "tests/support/ScriptedDialogs.h"

#include <QFileInfo>
#include <QtEndian>

#include <sys/stat.h>
#include <unistd.h>

// What the tag save does to the user's own song files: nothing, unless a value changed, and then
// only that value.
namespace lccd {
namespace {

using test::fmtChunk;
using test::infoChunk;
using test::riffChunk;
using test::riffFile;

const test::WavFormat kCdFormat{44100, 2, 16};
const QByteArray kAudio = test::testAudio(44100 * 4 * 3 + 400); // 3.002 s

QByteArray utf8(const char16_t* text) {
    return QString::fromUtf16(text).toUtf8();
}

// INFO as ffmpeg writes it: UTF-8 values and its own software field.
QByteArray ffmpegInfo(const QByteArray& title) {
    return infoChunk({{"IART", utf8(u"山田太郎")},
                      {"ICMT", "my own comment"},
                      {"INAM", title},
                      {"ISFT", "Lavf59.27.100"}});
}

// The chunks of a RIFF file and whether they cover it exactly, its size field included.
bool chunksCoverFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const std::optional<RiffLayout> layout = readRiffLayout(file);
    if (!layout || layout->chunksEnd() != file.size())
        return false;
    for (const RiffChunk& chunk : layout->chunks)
        if (chunk.size != chunk.declaredSize)
            return false;
    return layout->is64Bit() || layout->declaredRiffSize + 8 == file.size();
}

QByteArray infoValue(const QString& path, const QByteArray& id) {
    const QByteArray bytes = test::fileBytes(path);
    const qsizetype at = bytes.indexOf(id);
    if (at < 0)
        return {};
    const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
    return bytes.mid(at + 8, size).split('\0').first();
}

class SongFileSafetyTest : public test::DiscFolderTest {
protected:
    QString write(const QString& name, const QByteArray& bytes) {
        test::writeFileBytes(path(name), bytes);
        return path(name);
    }

    DiscSaveSettings tagSaving() const {
        DiscSaveSettings settings;
        settings.cd.setId3Tag = true;
        return settings;
    }

    void saveFolder(DiscSaveSettings settings) {
        editor_.disc().discPerformer = QStringLiteral("Band");
        EditorDiscSave save(editor_);
        ASSERT_TRUE(save.run(settings));
    }

    test::ScriptedDialogs dialogs_;
};

TEST_F(SongFileSafetyTest, SaveWithoutEditsLeavesEverySongAsItWas) {
    const QByteArray longTitle = utf8(u"春の海").repeated(10); // 90 bytes; repeated three times:
    const QList<std::pair<QString, QByteArray>> songs = {
        {"01.wav",
         riffFile({fmtChunk(kCdFormat), ffmpegInfo(utf8(u"春の海")), riffChunk("data", kAudio)})},
        {"02.wav", riffFile({fmtChunk(kCdFormat), ffmpegInfo(longTitle.repeated(3)),
                             riffChunk("data", kAudio)})},
        {"03.wav", riffFile({fmtChunk(kCdFormat), riffChunk("data", kAudio),
                             infoChunk({{"INAM", "Caf\xE9"}, {"ICMT", "x"}})})},
        {"04.wav", riffFile({fmtChunk(kCdFormat), riffChunk("data", kAudio),
                             infoChunk({{"INAM", toSjis(QStringLiteral("表ソ"))}})})},
        {"05.wav", riffFile({fmtChunk(kCdFormat), riffChunk("data", kAudio)})},
    };
    for (const auto& [name, bytes] : songs)
        write(name, bytes);
    struct stat before {};
    ::stat(QFile::encodeName(path("01.wav")).constData(), &before);

    LoadFolder(editor_, dir_.path());
    EXPECT_EQ(editor_.tracks().track(1).title, QStringLiteral("春の海"));
    EXPECT_EQ(editor_.tracks().track(1).performer, QStringLiteral("山田太郎"));
    EXPECT_EQ(editor_.tracks().track(3).title, fromSjis("Caf\xE9"));
    EXPECT_EQ(editor_.tracks().track(4).title, QStringLiteral("表ソ"));
    EXPECT_EQ(editor_.tracks().track(5).title, QStringLiteral("05"));
    // The Latin-1 title has no code page 932 form: the save asks before it writes "?".
    dialogs_.answerMessage(DialogResult::Ok);
    saveFolder(tagSaving());
    ASSERT_EQ(dialogs_.messages().size(), 1);
    EXPECT_TRUE(dialogs_.messages().front().contains(QStringLiteral("3曲目の曲名")));

    for (const auto& [name, bytes] : songs)
        EXPECT_EQ(test::fileBytes(path(name)), bytes) << name.toStdString();
    struct stat after {};
    ::stat(QFile::encodeName(path("01.wav")).constData(), &after);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
}

TEST_F(SongFileSafetyTest, AnEditChangesOnlyThatValueInTheFilesOwnEncoding) {
    const struct {
        const char* name;
        QByteArray info;
        QByteArray storedTitle; // of "新しい歌"
    } cases[] = {
        {"utf8.wav", ffmpegInfo(utf8(u"春の海")), utf8(u"新しい歌")},
        {"sjis.wav", infoChunk({{"INAM", toSjis(QStringLiteral("海"))}, {"IART", "Caf\xE9"}}),
         toSjis(QStringLiteral("新しい歌"))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString song = write(QString::fromLatin1(c.name),
                                   riffFile({fmtChunk(kCdFormat), c.info, riffChunk("data", kAudio),
                                             riffChunk("bext", QByteArray(602, 'b'))}));
        DiscNotes notes;
        TrackTags tags = ReadTrackTags(songs_.tags, song, notes);
        const QByteArray performerBefore = infoValue(song, "IART");
        tags.title = QStringLiteral("新しい歌");
        ASSERT_EQ(WriteTrackTags(songs_.tags, song, tags, true), TagWriteResult::Written);
        EXPECT_EQ(infoValue(song, "INAM"), c.storedTitle);
        EXPECT_EQ(infoValue(song, "IART"), performerBefore);
        EXPECT_EQ(test::riffDataChunk(song), kAudio);
        EXPECT_TRUE(test::fileBytes(song).contains(riffChunk("bext", QByteArray(602, 'b'))));
        EXPECT_TRUE(chunksCoverFile(song));
        EXPECT_EQ(ReadTrackTags(songs_.tags, song, notes), tags);
    }
}

// Streamed, cut-short and 64-bit WAV files: measured by the audio present, and well-formed after
// a tag save.
TEST_F(SongFileSafetyTest, ImperfectWavsMeasureTheirAudioAndStayValidAfterASave) {
    const QByteArray audio = test::testAudio(44100 * 4 * 5); // 5 s
    QByteArray streamedData = riffChunk("data", audio);
    qToLittleEndian(quint32(0xFFFFFFFF), streamedData.data() + 4);
    QByteArray zeroData = riffChunk("data", audio);
    qToLittleEndian(quint32(0), zeroData.data() + 4);
    const QByteArray cut =
        riffFile({fmtChunk(kCdFormat), riffChunk("data", audio)}).chopped(4 * 44100 * 2);
    QByteArray ds64(28, '\0');
    QByteArray rf64 = "RF64" + QByteArray(4, '\xFF') + "WAVE" + riffChunk("ds64", ds64) +
                      fmtChunk(kCdFormat) + riffChunkHeader("data", 0xFFFFFFFF) + audio;
    qToLittleEndian(quint64(rf64.size() - 8), rf64.data() + 20);
    qToLittleEndian(quint64(audio.size()), rf64.data() + 28);
    const struct {
        const char* name;
        QByteArray bytes;
        qint64 milliseconds;
    } cases[] = {
        {"streamed.wav",
         riffFile({fmtChunk(kCdFormat), infoChunk({{"ISFT", "Lavf"}}), streamedData}, "WAVE",
                  0xFFFFFFFF),
         5000},
        {"zero.wav", riffFile({fmtChunk(kCdFormat), zeroData}, "WAVE", 0), 5000},
        {"cut.wav", cut, 3000},
        {"rf64.wav", rf64, 5000},
        // 64-bit form written to a pipe without its ds64 chunk: the sizes it left there are made
        // the true ones
        {"rf64-streamed.wav",
         "RF64" + QByteArray(4, '\xFF') + "WAVE" + fmtChunk(kCdFormat) +
             riffChunkHeader("data", 0xFFFFFFFF) + audio,
         5000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString song = write(QString::fromLatin1(c.name), c.bytes);
        EXPECT_EQ(mediaLengthMilliseconds(song), c.milliseconds);
        const QByteArray audioBefore = test::riffDataChunk(song);
        DiscNotes notes;
        TrackTags tags = ReadTrackTags(songs_.tags, song, notes);
        tags.title = QStringLiteral("題");
        ASSERT_EQ(WriteTrackTags(songs_.tags, song, tags, true), TagWriteResult::Written);
        EXPECT_TRUE(chunksCoverFile(song));
        EXPECT_EQ(test::riffDataChunk(song), audioBefore);
        EXPECT_EQ(mediaLengthMilliseconds(song), c.milliseconds);
        EXPECT_EQ(ReadTrackTags(songs_.tags, song, notes).title, QStringLiteral("題"));
    }
}

TEST_F(SongFileSafetyTest, ReadOnlyLinkedAndPrivateSongsKeepWhatTheyAre) {
    const auto tagged = [&](const QString& name) {
        test::writeTestWav(path(name), 4410, kCdFormat, {{"INAM", "Old"}});
        return path(name);
    };
    const TrackTags changed{QStringLiteral("New"), {}, {}, {}, {}, {}};

    const QString readOnly = tagged("read-only.wav");
    ::chmod(QFile::encodeName(readOnly).constData(), 0444);
    const QByteArray before = test::fileBytes(readOnly);
    EXPECT_EQ(WriteTrackTags(songs_.tags, readOnly, changed, true), TagWriteResult::ReadOnly);
    EXPECT_EQ(test::fileBytes(readOnly), before);
    EXPECT_EQ(
        tagWriteProblem(readOnly, TagWriteResult::ReadOnly),
        QStringLiteral("read-only.wav は書き込みが禁止されているので、タグを書き込みませんでした"));

    const QString linked = tagged("linked.wav");
    ASSERT_EQ(::link(QFile::encodeName(linked).constData(),
                     QFile::encodeName(path("other name.wav")).constData()),
              0);
    ASSERT_EQ(WriteTrackTags(songs_.tags, linked, changed, true), TagWriteResult::Written);
    struct stat status {};
    ::stat(QFile::encodeName(linked).constData(), &status);
    EXPECT_EQ(status.st_nlink, 2u);
    EXPECT_EQ(infoValue(path("other name.wav"), "INAM"), QByteArray("New"));

    const QString own = tagged("own.wav");
    ::chmod(QFile::encodeName(own).constData(), 0640);
    ASSERT_EQ(WriteTrackTags(songs_.tags, own, changed, true), TagWriteResult::Written);
    ::stat(QFile::encodeName(own).constData(), &status);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden).size(), 4);
}

// An empty jacket name leaves the comment; a tag that only the ID3 chunk holds is read from it.
TEST_F(SongFileSafetyTest, CommentStaysAndId3ChunkFillsMissingValues) {
    const QByteArray id3 = test::id3v2Latin1Tag({{"TPE1", "Chunk Band"}, {"TIT2", "Chunk"}});
    const QString song =
        write("mutagen.wav", riffFile({fmtChunk(kCdFormat), riffChunk("data", kAudio),
                                       infoChunk({{"INAM", "Info title"}, {"ICMT", "mine"}}),
                                       riffChunk("id3 ", id3)}));
    DiscNotes notes;
    TrackTags tags = ReadTrackTags(songs_.tags, song, notes);
    EXPECT_EQ(tags.title, QStringLiteral("Info title"));
    EXPECT_EQ(tags.performer, QStringLiteral("Chunk Band"));
    tags.comment.clear();
    tags.year = QStringLiteral("2024");
    ASSERT_EQ(WriteTrackTags(songs_.tags, song, tags, true), TagWriteResult::Written);
    EXPECT_EQ(infoValue(song, "ICMT"), QByteArray("mine"));
    EXPECT_EQ(infoValue(song, "ICRD"), QByteArray("2024"));
    EXPECT_EQ(infoValue(song, "IART"), QByteArray()) << "the chunk's value is not copied";
    EXPECT_TRUE(test::fileBytes(song).contains(riffChunk("id3 ", id3)));
}

} // namespace
} // namespace lccd
