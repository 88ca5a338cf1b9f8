#include "disc/TrackTags.h"

#include "platform/CodePage.h"
#include "platform/codecs/Riff.h"
#include "tests/support/EncodedSongs.h"
#include "tests/support/ExternalTools.h"
#include "tests/support/RecordingMp3Infp.h"
#include "tests/support/TestSongs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <taglib/apetag.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>

#include <csignal>
#include <sys/resource.h>

namespace lccd {
namespace {

// 表 and ソ end in the byte 0x5C, the ASCII backslash.
const QByteArray kSjisTitle = toSjis(QStringLiteral("表ソ海"));
const QByteArray kSjisPerformer = toSjis(QStringLiteral("演者ソ"));

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray fixture(const char* name) {
    return bytesOf(QStringLiteral(LCCD_TEST_DATA_DIR "/") + QLatin1String(name));
}

// An INFO field as it lies in the file: id, size, value and its terminating NUL.
QByteArray storedInfoField(const QByteArray& id, const QByteArray& value) {
    return riffChunkHeader(id, quint32(value.size() + 1)) + value + '\0';
}

TrackTags songTags(const QString& title, const QString& performer = QStringLiteral("Artist")) {
    return {title,
            performer,
            QStringLiteral("Album"),
            QStringLiteral("2024"),
            QStringLiteral("JPop"),
            QStringLiteral("jacket.jpg")};
}

// Files written beyond the limit fail (EFBIG) instead of raising SIGXFSZ, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : previousHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    void (*previousHandler_)(int);
    rlimit previous_{};
};

class TrackTagsTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }
    QString wavWithInfo(const QString& name, const QList<test::InfoField>& info) const {
        test::writeTestWav(path(name), 44100, {}, info);
        return path(name);
    }
    TrackTags read(const QString& file) { return ReadTrackTags(library_, file, notes_); }

    QTemporaryDir dir_;
    DiscNotes notes_;
    test::RecordingMp3Infp library_;
};

TEST(LibraryVersionTextTest, NeedsVersion211) {
    const std::pair<quint32, const char*> cases[] = {
        {0x210, "0.00"}, {0x211, "2.11"}, {0x250, "2.50"}, {0x1000, "1.000"}};
    for (const auto& [version, text] : cases) {
        test::RecordingMp3Infp library(version);
        EXPECT_EQ(LibraryVersionText(library), QString::fromLatin1(text)) << version;
    }
}

TEST_F(TrackTagsTest, FailuresLeaveValuesEmptyWithTheirMessages) {
    const QString wav = wavWithInfo("a.wav", {{"INAM", "Title"}});
    writeBytes(path("notes.wav"), "no song here");
    EXPECT_EQ(read(path("missing.wav")), TrackTags());
    EXPECT_EQ(discNoteText(notes_.last()), QStringLiteral("Can't Find file"));
    EXPECT_EQ(read(path("notes.wav")), TrackTags());
    EXPECT_EQ(discNoteText(notes_.last()), QStringLiteral("Not Music file"));
    {
        test::RecordingMp3Infp oldLibrary(0x210);
        EXPECT_EQ(ReadTrackTags(oldLibrary, wav, notes_), TrackTags());
        EXPECT_EQ(discNoteText(notes_.last()), QStringLiteral("Too old version of mp3infp"));
        EXPECT_EQ(WriteTrackTags(oldLibrary, wav, songTags("New"), true), TagWriteResult::NoSong);
        EXPECT_TRUE(oldLibrary.saves.isEmpty());
    }
    EXPECT_EQ(read(wav).title, QStringLiteral("Title"));
}

TEST_F(TrackTagsTest, WavIsReadAndWrittenWithThePlainNames) {
    const QString wav = wavWithInfo("a.wav", {{"INAM", kSjisTitle},
                                              {"IART", kSjisPerformer},
                                              {"IPRD", "Album"},
                                              {"ICMT", "Note"},
                                              {"ICRD", "1999"},
                                              {"IGNR", "Jazz"}});
    const TrackTags tags = read(wav);
    EXPECT_EQ(tags, (TrackTags{fromSjis(kSjisTitle), fromSjis(kSjisPerformer), "Album", "1999",
                               "Jazz", "Note"}));
    EXPECT_TRUE(library_.valueNames.contains("INAM"));
    EXPECT_EQ(ReadTagSet(library_, wav)[TagField::Title], kSjisTitle);

    const QByteArray audio = test::riffDataChunk(wav);
    EXPECT_EQ(WriteTrackTags(library_, wav, songTags(QStringLiteral("ソ表"), "x"), true),
              TagWriteResult::Written);
    // The album stays "Album": only the values that change are set.
    EXPECT_EQ(library_.setNames, (QList<QByteArray>{"INAM", "IART", "ICMT", "ICRD", "IGNR"}));
    EXPECT_EQ(library_.saves, QStringList{wav});
    const QByteArray stored = bytesOf(wav);
    EXPECT_TRUE(stored.contains(storedInfoField("INAM", toSjis(QStringLiteral("ソ表")))));
    EXPECT_EQ(read(wav), songTags(QStringLiteral("ソ表"), "x"));
    EXPECT_EQ(test::riffDataChunk(wav), audio);
}

TEST_F(TrackTagsTest, UnchangedValuesAreNotSaved) {
    const QString wav = path("a.wav");
    test::writeTestWav(wav, 1000);
    ASSERT_EQ(WriteTrackTags(library_, wav, songTags(QStringLiteral("表")), true),
              TagWriteResult::Written);
    const QByteArray before = bytesOf(wav);
    library_.saves.clear();
    EXPECT_EQ(WriteTrackTags(library_, wav, songTags(QStringLiteral("表")), true),
              TagWriteResult::Unchanged);
    EXPECT_TRUE(library_.saves.isEmpty());
    EXPECT_EQ(bytesOf(wav), before);
}

TEST_F(TrackTagsTest, WavWriteKeepsTheId3ChunkAndOtherInfoFields) {
    const QString wav = wavWithInfo("a.wav", {{"ISFT", kSjisPerformer}, {"INAM", "Old"}});
    // An ID3v2 chunk after the INFO list, with the RIFF size grown to hold it.
    const QByteArray id3Chunk = riffChunkHeader("id3 ", 10) + QByteArray("ID3\x03\0\0\0\0\0\0", 10);
    QByteArray file = bytesOf(wav) + id3Chunk;
    qToLittleEndian(quint32(file.size() - 8), file.data() + 4);
    writeBytes(wav, file);

    ASSERT_EQ(WriteTrackTags(library_, wav, songTags("New"), true), TagWriteResult::Written);
    const QByteArray stored = bytesOf(wav);
    EXPECT_TRUE(stored.contains(id3Chunk));
    EXPECT_TRUE(stored.contains(storedInfoField("ISFT", kSjisPerformer)));
    EXPECT_EQ(read(wav).title, QStringLiteral("New"));
}

// An MP3 file keeps its ID3v2 tag's version; the frames nobody edited keep their bytes, the
// changed ones are written in UTF-16, and the MPEG stream after the tag stays as it was.
TEST_F(TrackTagsTest, Id3v2Mp3IsReadAndWrittenThroughV2) {
    const QByteArray tagless = fixture("tagless.mp3");
    writeBytes(
        path("song.mp3"),
        test::id3v2Latin1Tag({{"TIT2", kSjisTitle}, {"TPE1", kSjisPerformer}, {"TYER", "2001"}}) +
            tagless);
    TrackTags tags = read(path("song.mp3"));
    EXPECT_TRUE(library_.valueNames.contains("INAM_v2"));
    EXPECT_EQ(toSjis(tags.title), kSjisTitle);
    EXPECT_EQ(toSjis(tags.performer), kSjisPerformer);
    EXPECT_EQ(tags.year, QStringLiteral("2001"));

    tags.title = QStringLiteral("新 é");
    EXPECT_EQ(WriteTrackTags(library_, path("song.mp3"), tags, true), TagWriteResult::Written);
    EXPECT_EQ(library_.setNames, QList<QByteArray>{"INAM_v2"});
    const QByteArray stored = bytesOf(path("song.mp3"));
    EXPECT_TRUE(stored.startsWith("ID3\x03"));
    EXPECT_TRUE(stored.endsWith(tagless));
    EXPECT_TRUE(stored.contains(QByteArray("TPE1\0\0\0\x07\0\0\0", 11) + kSjisPerformer));
    const QByteArray utf16Title =
        QByteArray("\x01\xFF\xFE", 3) +
        QByteArray(reinterpret_cast<const char*>(QStringLiteral("新 é").utf16()), 6);
    EXPECT_TRUE(stored.contains(utf16Title));
    EXPECT_EQ(read(path("song.mp3")), tags);
    EXPECT_EQ(library_.mp3_GetTagType(), TagTypeFlags::Id3v2);
}

// A tagless MP3 file gets an ID3v2.3 tag and nothing else: no ID3v1 tag, no RIFF form.
TEST_F(TrackTagsTest, TaglessMp3GetsAnId3v2Tag) {
    const QByteArray mp3 = fixture("tagless.mp3");
    writeBytes(path("song.mp3"), mp3);
    EXPECT_EQ(read(path("song.mp3")).title, QStringLiteral("song"));
    EXPECT_TRUE(library_.valueNames.contains("INAM_v1"));

    EXPECT_EQ(WriteTrackTags(library_, path("song.mp3"), songTags(QStringLiteral("表")), true),
              TagWriteResult::Written);
    EXPECT_EQ(library_.setNames, (QList<QByteArray>{"INAM_v2", "IART_v2", "IPRD_v2", "ICMT_v2",
                                                    "ICRD_v2", "IGNR_v2"}));
    const QByteArray stored = bytesOf(path("song.mp3"));
    EXPECT_TRUE(stored.startsWith("ID3\x03"));
    EXPECT_TRUE(stored.endsWith(mp3));
    EXPECT_EQ(library_.mp3_GetTagType(), TagTypeFlags::Id3v2);
    EXPECT_EQ(read(path("song.mp3")), songTags(QStringLiteral("表")));

    library_.setNames.clear();
    EXPECT_EQ(WriteTrackTags(library_, path("song.mp3"), songTags(QStringLiteral("ソ")), true),
              TagWriteResult::Written);
    EXPECT_EQ(library_.setNames, QList<QByteArray>{"INAM_v2"});
    EXPECT_EQ(ReadTagSet(library_, path("song.mp3"))[TagField::Title],
              QStringLiteral("ソ").toUtf8());
    EXPECT_TRUE(bytesOf(path("song.mp3")).endsWith(mp3));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"song.mp3"});
}

// An MP3 file already in RMP form keeps taking its values in its RIFF INFO, its MPEG stream as
// it was.
TEST_F(TrackTagsTest, RmpFormMp3KeepsItsRiffInfo) {
    const QByteArray mp3 = fixture("tagless.mp3");
    writeBytes(path("song.mp3"), test::riffFile({test::riffChunk("data", mp3)}, "RMP3"));
    EXPECT_EQ(WriteTrackTags(library_, path("song.mp3"), songTags(QStringLiteral("表")), true),
              TagWriteResult::Written);
    EXPECT_EQ(library_.setNames.first(), QByteArray("INAM_rmp"));
    EXPECT_EQ(riffFormOf(path("song.mp3")), QByteArray("RMP3"));
    EXPECT_EQ(test::riffDataChunk(path("song.mp3")), mp3);
    EXPECT_EQ(read(path("song.mp3")), songTags(QStringLiteral("表")));
}

// An ID3v1 tag is kept in step: a changed field gets its new bytes, the others keep theirs.
TEST_F(TrackTagsTest, Id3v1BytesAreReadAsStoredAndKeptInStep) {
    const QByteArray tag = test::id3v1Tag(kSjisTitle, kSjisPerformer, "Album", "1987", "c", 8);
    const QByteArray mp3 = fixture("tagless.mp3") + tag;
    writeBytes(path("song.mp3"), mp3);
    const TagSet set = ReadTagSet(library_, path("song.mp3"));
    EXPECT_EQ(set[TagField::Title], kSjisTitle);
    EXPECT_EQ(set[TagField::Performer], kSjisPerformer);
    EXPECT_EQ(set[TagField::Year], QByteArray("1987"));
    EXPECT_EQ(set[TagField::Genre], QByteArray("Jazz"));
    EXPECT_EQ(set.time, QByteArray("0:01"));

    TrackTags tags = read(path("song.mp3"));
    tags.title = QStringLiteral("ソ表");
    EXPECT_EQ(WriteTrackTags(library_, path("song.mp3"), tags, true), TagWriteResult::Written);
    const QByteArray stored = bytesOf(path("song.mp3"));
    QByteArray expectedTag = tag;
    expectedTag.replace(3, 30, toSjis(QStringLiteral("ソ表")).leftJustified(30, '\0'));
    EXPECT_EQ(stored.right(128), expectedTag);
    EXPECT_TRUE(stored.chopped(128).endsWith(fixture("tagless.mp3")));
    EXPECT_EQ(read(path("song.mp3")), tags) << "the new ID3v2 tag holds every value";
}

// Unicode texts of an MP3 file's tags come whole, also characters Shift-JIS lacks, and are
// written whole.
TEST_F(TrackTagsTest, UnicodeTagsOfMp3FilesAreReadWhole) {
    writeBytes(path("utf16.mp3"), fixture("id3v2-utf16.mp3"));
    writeBytes(path("id3v24.mp3"), fixture("tagless.mp3"));
    writeBytes(path("ape.mp3"), fixture("tagless.mp3"));
    {
        TagLib::MPEG::File id3(QFile::encodeName(path("id3v24.mp3")).constData());
        id3.ID3v2Tag(true)->setTitle(TagLib::String("Café 表ソ", TagLib::String::UTF8));
        ASSERT_TRUE(id3.save(TagLib::MPEG::File::ID3v2));
        TagLib::MPEG::File ape(QFile::encodeName(path("ape.mp3")).constData());
        ape.APETag(true)->setTitle(TagLib::String("Ápe 曲", TagLib::String::UTF8));
        ape.APETag()->setArtist(TagLib::String("Ümit", TagLib::String::UTF8));
        ASSERT_TRUE(ape.save(TagLib::MPEG::File::APE));
    }
    const std::pair<const char*, QString> cases[] = {{"utf16.mp3", QStringLiteral("表ソ")},
                                                     {"id3v24.mp3", QStringLiteral("Café 表ソ")},
                                                     {"ape.mp3", QStringLiteral("Ápe 曲")}};
    for (const auto& [name, title] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(read(path(name)).title, title);
        EXPECT_EQ(ReadTagSet(library_, path(name))[TagField::Title], title.toUtf8());
    }
    EXPECT_EQ(read(path("ape.mp3")).performer, QStringLiteral("Ümit"));

    const TagWritePlan plan = planTrackTags(
        library_, path("ape.mp3"), songTags(QStringLiteral("新"), QStringLiteral("Ümit")), true);
    EXPECT_EQ(plan.lostCharacters, QString()) << "the new ID3v2 tag holds Unicode";
    EXPECT_EQ(WriteTrackTags(library_, path("ape.mp3"),
                             songTags(QStringLiteral("新"), QStringLiteral("Ümit")), true),
              TagWriteResult::Written);
    EXPECT_EQ(ReadTagSet(library_, path("ape.mp3"))[TagField::Title],
              QStringLiteral("新").toUtf8());
    EXPECT_EQ(read(path("ape.mp3")).performer, QStringLiteral("Ümit"));
}

// A Vorbis comment takes UTF-8 whatever its values held before: a title of ASCII only (which
// in a WAV file's INFO tag would keep the tag in code page 932) is replaced by a UTF-8 one.
TEST_F(TrackTagsTest, VorbisCommentsAreWrittenInUtf8UnderThePlainNames) {
    const QString tone = path("tone.wav");
    ASSERT_TRUE(test::makeToneSong(tone, 1.5, {44100, 2, 16}));
    for (const char* name : {"a.flac", "a.ogg", "a.opus"}) {
        SCOPED_TRACE(name);
        const QString song = path(name);
        ASSERT_TRUE(test::runToolSucceeded("ffmpeg", {"-v", "error", "-i", tone, "-metadata",
                                                      "title=Plain", "-metadata", "artist=Someone",
                                                      "-metadata", "date=2001", song}));
        library_.valueNames.clear();
        library_.setNames.clear();
        EXPECT_EQ(read(song), (TrackTags{"Plain", "Someone", "", "2001", "", ""}));
        EXPECT_EQ(library_.GetType(), SongFileType::VorbisComment);
        EXPECT_TRUE(library_.valueNames.contains("INAM"));
        EXPECT_EQ(library_.writeEncoding(), TagEncoding::Utf8);

        const TrackTags edited{QStringLiteral("表ソ é"), "Someone", "", "2001", "", ""};
        const TagWritePlan plan = planTrackTags(library_, song, edited, true);
        EXPECT_EQ(plan.lostCharacters, QString());
        EXPECT_EQ(WriteTrackTags(library_, song, edited, true), TagWriteResult::Written);
        EXPECT_EQ(library_.setNames, QList<QByteArray>{"INAM"});
        EXPECT_EQ(ReadTagSet(library_, song)[TagField::Title], QStringLiteral("表ソ é").toUtf8());
        EXPECT_EQ(read(song), edited);

        const QByteArray saved = bytesOf(song);
        library_.saves.clear();
        EXPECT_EQ(WriteTrackTags(library_, song, edited, true), TagWriteResult::Unchanged);
        EXPECT_TRUE(library_.saves.isEmpty());
        {
            FileSizeLimit limit(rlim_t(saved.size() / 2));
            EXPECT_EQ(WriteTrackTags(library_, song, songTags("New"), true),
                      TagWriteResult::Failed);
        }
        EXPECT_EQ(bytesOf(song), saved);
    }
    EXPECT_EQ(QDir(dir_.path()).entryList({".*"}, QDir::Files | QDir::Hidden), QStringList());
}

TEST_F(TrackTagsTest, UpperCaseExtensionIsTheSongItself) {
    writeBytes(path("Song.MP3"), fixture("tagless.mp3"));
    EXPECT_EQ(WriteTrackTags(library_, path("Song.MP3"), songTags("x"), true),
              TagWriteResult::Written);
    EXPECT_TRUE(bytesOf(path("Song.MP3")).startsWith("ID3"));
}

TEST_F(TrackTagsTest, ValuesNeverReachAnotherFile) {
    // "Song.mp3" is the name the loaded "Song.MP3" is prepared under, but another file here.
    const QByteArray other = fixture("tagless.mp3") + "other";
    writeBytes(path("Song.MP3"), fixture("tagless.mp3"));
    writeBytes(path("Song.mp3"), other);
    EXPECT_EQ(WriteTrackTags(library_, path("Song.MP3"), songTags("x"), true),
              TagWriteResult::Failed);
    EXPECT_EQ(bytesOf(path("Song.mp3")), other);
    EXPECT_EQ(bytesOf(path("Song.MP3")), fixture("tagless.mp3"));

    // A file the library cannot load is not written, whatever was loaded before it.
    const QString wav = wavWithInfo("a.wav", {{"INAM", "Kept"}});
    writeBytes(path("notes.wav"), "no song here");
    read(wav);
    library_.saves.clear();
    EXPECT_EQ(WriteTrackTags(library_, path("notes.wav"), songTags("x"), false),
              TagWriteResult::NoSong);
    EXPECT_TRUE(library_.saves.isEmpty());
    EXPECT_EQ(read(wav).title, QStringLiteral("Kept"));
}

TEST_F(TrackTagsTest, TitleFallsBackToTheFileName) {
    test::writeTestWav(path("01 Intro.wav"), 100);
    EXPECT_EQ(read(path("01 Intro.wav")).title, QStringLiteral("01 Intro"));
    EXPECT_EQ(ReadTagSet(library_, path("01 Intro.wav"))[TagField::Title], QByteArray());
}

TEST_F(TrackTagsTest, ValuesEndAtControlCharactersAndAfter128Bytes) {
    // 127 ASCII bytes and a double-byte character: the character would end past byte 128.
    const QByteArray straddling = QByteArray(127, 'a') + kSjisTitle;
    const QString wav = wavWithInfo(
        "a.wav",
        {{"ICMT", "line one\r\nline two"}, {"INAM", QByteArray(200, 'x')}, {"IART", straddling}});
    const TagSet set = ReadTagSet(library_, wav);
    EXPECT_EQ(set[TagField::Comment], QByteArray("line one"));
    EXPECT_EQ(set[TagField::Title], QByteArray(128, 'x'));
    EXPECT_EQ(set[TagField::Performer], QByteArray(127, 'a'));
}

// MPEG frames turn up in the bytes of other formats (here an AIFF file whose samples are the
// bytes of an MP3 stream): such a song is read and written as what its container says.
TEST_F(TrackTagsTest, SongsOfOtherFormatsAreNeverTakenForMp3Files) {
    ASSERT_TRUE(test::makeToneSong(path("tone.wav"), 2, {}));
    ASSERT_TRUE(test::runToolSucceeded("lame", {"--quiet", path("tone.wav"), path("tone.mp3")}));
    ASSERT_TRUE(
        test::runToolSucceeded("ffmpeg", {"-v", "error", "-f", "s16be", "-ar", "44100", "-ac", "2",
                                          "-i", path("tone.mp3"), path("frames.aiff")}));
    const QString file = path("frames.aiff");
    const QByteArray ssnd = bytesOf(file).mid(bytesOf(file).indexOf("SSND"));
    EXPECT_EQ(read(file).title, QStringLiteral("frames"));
    EXPECT_EQ(library_.GetType(), SongFileType::Tagged);
    EXPECT_EQ(WriteTrackTags(library_, file, songTags("New"), true), TagWriteResult::Written);
    EXPECT_TRUE(bytesOf(file).startsWith("FORM"));
    EXPECT_TRUE(bytesOf(file).contains(ssnd));
    EXPECT_EQ(read(file).title, QStringLiteral("New"));
}

TEST_F(TrackTagsTest, FailedWriteLeavesTheSongByteIdentical) {
    const QString wav = wavWithInfo("a.wav", {{"INAM", kSjisTitle}});
    const QByteArray before = bytesOf(wav);
    {
        FileSizeLimit limit(rlim_t(before.size() / 2));
        EXPECT_EQ(WriteTrackTags(library_, wav, songTags("New"), true), TagWriteResult::Failed);
    }
    EXPECT_EQ(bytesOf(wav), before);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"a.wav"});

    writeBytes(path("song.mp3"), fixture("tagless.mp3"));
    {
        FileSizeLimit limit(rlim_t(fixture("tagless.mp3").size()));
        EXPECT_EQ(WriteTrackTags(library_, path("song.mp3"), songTags("New"), true),
                  TagWriteResult::Failed);
    }
    EXPECT_EQ(bytesOf(path("song.mp3")), fixture("tagless.mp3"));
}

} // namespace
} // namespace lccd
