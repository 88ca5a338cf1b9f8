#include "app/Settings.h"
#include "cdlist/CdListPresenter.h"
#include "cdlist/FolderLoader.h"
#include "disc/TrackTags.h"
#include "layout/LayoutFile.h"
#include "layout/LayoutIniStore.h"
#include "platform/AppError.h"
#include "platform/IniFile.h"
#include "platform/adapters/TagLibMp3Infp.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/DesktopSongs.h"
#include "tests/support/TestSongs.h"

#include <QDir>
#include <QFileInfo>
#include <QtEndian>

#include <functional>
#include <random>

#include <sys/stat.h>

// Files written by other people and programs, made to hurt: each is read whole or refused with
// a message, within the program's bounds, and nothing the user has is lost on the way.
namespace lccd {
namespace {

using HostileInputTest = test::MainWindowTest;

QString sparseFile(const QString& path, qint64 size) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(size));
    return path;
}

qsizetype textPrimitives(const PagePicture& page) {
    return std::count_if(
        page.primitives().begin(), page.primitives().end(),
        [](const Primitive& p) { return std::holds_alternative<primitive::Text>(p); });
}

TEST_F(HostileInputTest, HugeLinesManyRowsAndBrokenBytesOpenWholeAndDrawWithinBounds) {
    const QString tenMegabytes(10 * 1024 * 1024, QLatin1Char('x'));
    const QString oneMegabyte(1024 * 1024, QChar(u'あ'));
    QStringList rows = {
        QStringLiteral("文字,Yes,Yes,Yes,100,100,1000,53,,左寄せ,No,,%1,,9,,").arg(tenMegabytes),
        QStringLiteral("文字,Yes,Yes,Yes,100,200,1000,53,,左寄せ,Yes,,%1,,9,,").arg(oneMegabyte),
        // numbers far beyond any page or integer
        QStringLiteral("文字,Yes,Yes,Yes,2147483647,-2147483648,2147483647,9,2147483647,"
                       "均等割付,No,1e308,big,,1e30,,"),
        QStringLiteral("矩形,Yes,Yes,Yes,-2147483648,0,2147483647,2147483647,2147483647,角丸,No,,"
                       ",,1e300,,"),
    };
    for (int i = 0; i < 100000; ++i)
        rows.append(QStringLiteral("罫線,Yes,Yes,Yes,%1,10,%1,20,,,,,,,0.3,,").arg(i % 2000));
    const QString path = writeLayout(QStringLiteral("hostile.csv"), rows);
    // a lone lead byte before a line end, then a NUL, which reads as a blank
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(toSjis(QStringLiteral("矩形,Yes")) + "\x81\r\n" + toSjis(QStringLiteral("罫線")) +
               QByteArray("\r\n\0after\r\n", 10));
    file.close();
    const QByteArray before = readWholeFile(path);
    const QDateTime modified = QFileInfo(path).lastModified();

    open();
    dialogs.answerFile(path);
    trigger("CSVO1");

    LayoutList& list = form->layoutList();
    ASSERT_EQ(list.count(), 4 + 100000 + 3);
    EXPECT_EQ(list.item(0).field(Field::Value), tenMegabytes);
    EXPECT_EQ(list.item(1).field(Field::Value), oneMegabyte);
    EXPECT_EQ(list.index(0, LayoutList::columnOf(Field::Value)).data().toString(),
              tenMegabytes.left(LayoutList::kMaxShownCharacters));
    EXPECT_EQ(list.item(100004).field(Field::Screen), QStringLiteral("Yes\uFFFD"));
    EXPECT_EQ(list.item(100005).field(Field::Id), QStringLiteral("罫線"));
    EXPECT_EQ(list.item(100006).field(Field::Id), QStringLiteral(" after"));
    const PagePicture* page = form->surface().currentPage();
    ASSERT_NE(page, nullptr);
    EXPECT_LE(textPrimitives(*page), 2 * SheetSurface::kMaxDrawnCharacters + 3);
    EXPECT_GE(page->primitives().size(), 100000u);

    // Opening and drawing never write the layout.
    form.reset();
    EXPECT_EQ(readWholeFile(path), before);
    EXPECT_EQ(QFileInfo(path).lastModified(), modified);
}

TEST_F(HostileInputTest, FilesAbove64MegabytesAndNonFilesAreRefusedWithAMessage) {
    const QString limit = sparseFile(dir.filePath(QStringLiteral("limit.csv")), kMaxReadFileBytes);
    EXPECT_EQ(readWholeFile(limit).size(), kMaxReadFileBytes);

    // A sparse gigabyte is refused from its size, before a byte is read.
    const QString huge = sparseFile(dir.filePath(QStringLiteral("huge.csv")), qint64(1) << 30);
    open();
    form->AddLayoutRow(QStringLiteral("矩形"), kLayoutFieldCount);
    dialogs.answerMessage(DialogResult::No); // the row added may go
    dialogs.answerFile(huge);
    trigger("CSVO1");
    EXPECT_EQ(dialogs.messages().last(),
              QStringLiteral("ファイル %1 は大きすぎて開けません (64 MB まで)").arg(huge));
    EXPECT_EQ(form->layoutList().count(), 1);
}

TEST_F(HostileInputTest, DiscFoldersWithAFolderAPipeOrAGigabyteNamedLikeTheProject) {
    test::DesktopSongs songs;
    CdListPresenter editor(songs.services());
    test::writeTestWav(dir.filePath(QStringLiteral("01.wav")), 44100);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("album.txt")));
    LoadFolder(editor, dir.path());
    EXPECT_EQ(editor.tracks().rows()[0].fileName, dir.filePath(QStringLiteral("01.wav")));

    // A pipe would keep the load waiting for a writer; a sparse gigabyte is refused from its size.
    const QString project = dir.filePath(QStringLiteral("album.txt"));
    ASSERT_TRUE(QDir(dir.path()).rmdir(QStringLiteral("album.txt")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(project).constData(), 0600), 0);
    const QString refusals[] = {QStringLiteral("ファイル %1 は開けません"),
                                QStringLiteral("ファイル %1 は大きすぎて開けません (64 MB まで)")};
    for (const QString& refusal : refusals) {
        editor.disc().albumTitle = QStringLiteral("kept");
        try {
            LoadFolder(editor, dir.path());
            ADD_FAILURE() << "the project was read";
        } catch (const AppError& error) {
            EXPECT_EQ(error.message(), refusal.arg(project));
        }
        EXPECT_EQ(editor.disc().albumTitle, QStringLiteral("kept"));
        ASSERT_TRUE(QFile::remove(project));
        sparseFile(project, qint64(1) << 30);
    }
}

// A NUL inside a value (a crash mid-write, another program's editor) reads as a blank: every
// line and section after it stays, and a save writes them back.
TEST_F(HostileInputTest, ANulInsideAValueKeepsEverythingAfterIt) {
    const QString nul(QChar(u'\0'));
    test::DesktopSongs songs;
    CdListPresenter editor(songs.services());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("disc")));
    const struct {
        QString path;
        std::function<QStringList(const QString& path)> read;
        QStringList expected;
    } cases[] = {
        {writeFile("lccdtool.ini",
                   "[ListView]\r\nItem0=海" + nul + "の歌\r\nItem1=罫線\r\n[Extra]\r\nKept=1\r\n"),
         [](const QString& path) {
             SaveSettings(path, LoadSettings(path)); // written back before it is read again
             IniFile ini(path);
             ini.load();
             return *LoadLayoutFromIni(path) << ini.readString("Extra", "Kept", "gone");
         },
         {QStringLiteral("海 の歌"), QStringLiteral("罫線"), "1"}},
        {writeLayout("layout.csv", {"海" + nul + "の歌", "罫線"}),
         [](const QString& path) { return readLayoutFile(path).content.value().rowLines; },
         {QStringLiteral("海 の歌"), QStringLiteral("罫線")}},
        {writeFile("disc/project.txt", "TITLE:海" + nul + "の歌\r\nOne\r\nTwo\r\n"),
         [&editor](const QString& path) {
             LoadFolder(editor, QFileInfo(path).path());
             return QStringList{editor.disc().albumTitle, editor.tracks().track(1).title,
                                editor.tracks().track(2).title};
         },
         {QStringLiteral("海 の歌"), "One", "Two"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        EXPECT_EQ(c.read(c.path), c.expected);
    }
}

// A PCM WAV file with an INFO title, its chunk sizes then changed to lie.
QByteArray wavWithSizes(quint32 riffSize, quint32 fmtSize, quint32 dataSize, quint32 listSize) {
    auto chunk = [](const char* id, quint32 size, const QByteArray& data) {
        QByteArray bytes(id, 4);
        bytes.append(reinterpret_cast<const char*>(&size), 4);
        return bytes + data;
    };
    const QByteArray fmt = QByteArray::fromHex("01000100401f0000803e000002001000");
    const QByteArray info = "INFO" + chunk("INAM", 6, QByteArray("Title\0", 6));
    return chunk("RIFF", riffSize,
                 "WAVE" + chunk("fmt ", fmtSize, fmt) +
                     chunk("data", dataSize, QByteArray(64, 'a')) + chunk("LIST", listSize, info));
}

// A file whose chunks cannot be trusted reads as a song without tags (its title is its name);
// one that is no song at all gives nothing and says so.
TEST_F(HostileInputTest, SongFilesWhoseSizesLieOrThatAreNoiseGiveEmptyTags) {
    std::mt19937 engine(7);
    QByteArray noise(64 * 1024, Qt::Uninitialized);
    for (char& byte : noise)
        byte = char(engine());
    const struct {
        const char* name;
        QByteArray bytes;
        const char* title;
        const char* status;
    } songs[] = {
        {"larger.wav", wavWithSizes(0xFFFFFFF0, 16, 0x7FFFFFFF, 0xFFFFFFFF), "larger", ""},
        {"zero.wav", wavWithSizes(0, 0, 0, 0), "zero", ""},
        {"odd.wav", wavWithSizes(101, 17, 63, 21), "odd", ""},
        {"noise.mp3", noise, "", "Not Music file"},
        {"noise.wav", QByteArray("RIFF\x10\0\0\0WAVE", 12) + noise, "noise", ""},
    };
    for (const auto& song : songs) {
        SCOPED_TRACE(song.name);
        test::DesktopSongs desktop;
        const QString path = dir.filePath(QString::fromUtf8(song.name));
        writeFileAtomically(path, song.bytes);
        TrackTags expected;
        expected.title = QString::fromUtf8(song.title);
        DiscNotes notes;
        EXPECT_EQ(ReadTrackTags(desktop.tags, path, notes), expected);
        EXPECT_EQ(discNoteTexts(notes).join(QString()), QString::fromUtf8(song.status));
    }
}

// Found by fuzzing: a save into an MP3 file in RMP form whose data chunk reaches past the end of
// the file put the title where nothing read it again, and reported success. The stream is now
// taken as what the file holds, and the saved file describes itself.
TEST_F(HostileInputTest, SongWhoseDataChunkReachesPastTheEndIsSavedWellFormed) {
    const QByteArray mp3 = readWholeFile(QStringLiteral(LCCD_TEST_DATA_DIR "/tagless.mp3"));
    QByteArray song = QByteArray("RIFF\0\0\0\0RMP3data\0\0\0\0", 20) + mp3;
    const quint32 pastTheEnd = quint32(mp3.size() + 100);
    std::memcpy(song.data() + 16, &pastTheEnd, 4);
    const QString path = dir.filePath(QStringLiteral("song.mp3"));
    writeFileAtomically(path, song);

    TagLibMp3Infp library;
    ASSERT_EQ(library.Load(path), 0);
    ASSERT_EQ(library.SetValue("INAM_rmp", "New"), 0);
    ASSERT_EQ(library.Save(path), 0);
    ASSERT_EQ(library.Load(path), 0);
    EXPECT_EQ(library.GetValue("INAM_rmp"), QByteArray("New"));
    EXPECT_EQ(test::riffDataChunk(path), mp3);
    const QByteArray saved = readWholeFile(path);
    EXPECT_EQ(qFromLittleEndian<quint32>(saved.constData() + 4), quint32(saved.size() - 8));
}

// Found by fuzzing: an ID3v2 text frame whose encoding byte names no encoding was read through
// an enum value that does not exist.
TEST_F(HostileInputTest, UnknownId3v2TextEncodingReadsAsUnicode) {
    QByteArray tag = test::id3v2Latin1Tag({{"TIT2", "Title"}, {"TPE1", "Band"}});
    tag[tag.indexOf("TIT2") + 10] = char(0xA0);
    const QString path = dir.filePath(QStringLiteral("song.mp3"));
    writeFileAtomically(path,
                        tag + readWholeFile(QStringLiteral(LCCD_TEST_DATA_DIR "/tagless.mp3")));
    TagLibMp3Infp library;
    const TagSet tags = ReadTagSet(library, path);
    EXPECT_EQ(tags[TagField::Performer], QByteArray("Band"));
    // TagLib decodes the title as UTF-16 (big-endian, having no byte-order mark): two characters,
    // handed on in UTF-8 as the text of every Unicode frame is.
    EXPECT_EQ(tags[TagField::Title], QStringLiteral("呩瑬").toUtf8());
}

} // namespace
} // namespace lccd
