#include "cdlist/EditorDiscSave.h"

#include "cdlist/FolderLoader.h"
#include "disc/LabelLayout.h"
#include "disc/TrackTags.h"
#include "platform/AppError.h"
#include "platform/FileIO.h"
#include "tests/cdlist/DiscFolderFixture.h"
#include "tests/support/ExternalTools.h"
#include "tests/support/ScriptedDialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

namespace lccd {
namespace {

using test::song;

class DiscSaveCommandTest : public test::DiscFolderTest {
protected:
    void SetUp() override {
        DiscFolderTest::SetUp();
        DiscInfo& disc = editor_.disc();
        disc.albumTitle = QStringLiteral("Album");
        disc.discPerformer = QStringLiteral("Band");
        setSongs({song(QStringLiteral("One"), {}, addWav("01.wav", 2)),
                  song(QStringLiteral("Two"), {}, "02.wav")});
    }

    QStringList folderEntries() const { return QDir(dir_.path()).entryList(QDir::Files); }

    DiscSaveSettings settings_;
    EditorDiscSave save_{editor_};
    test::ScriptedDialogs dialogs_;
};

TEST_F(DiscSaveCommandTest, ChecksRunInOrderAndWriteNothing) {
    const struct {
        QString performer;
        QString folderBox;
        QString album;
        QString message;
    } cases[] = {
        {" ", "", "", QStringLiteral("演者がブランクです")},
        {"Band", " ", "", QStringLiteral("読み込みがされていません")},
        {"Band", "/music", "\t", QStringLiteral("アルバム名が設定されていません")},
    };
    for (const auto& c : cases) {
        editor_.disc().discPerformer = c.performer;
        editor_.disc().folderBoxText = c.folderBox; // the path itself stays
        editor_.disc().albumTitle = c.album;
        EXPECT_EQ(save_.run(settings_), std::nullopt);
        EXPECT_EQ(editor_.status().text(), c.message);
        EXPECT_TRUE(editor_.status().clearTimer().isActive());
    }
    EXPECT_EQ(folderEntries(), QStringList({"01.wav"}));
}

TEST_F(DiscSaveCommandTest, SavedDiscReadsBackWhole) {
    setDiscFields();
    DiscInfo& disc = editor_.disc();
    TrackRow third = song(QStringLiteral("Three"), QStringLiteral("P3"), addWav("03.wav", 1));
    third.check = QStringLiteral("0"); // comes back on: its file exists
    third.album = QStringLiteral("A3");
    third.year = QStringLiteral("2003");
    third.genre = QStringLiteral("Rock");
    editor_.tracks().setTrack(3, third);

    const std::optional<QString> label = save_.run(settings_);
    const QString base = path(QStringLiteral("海の歌 "));
    EXPECT_EQ(label, base + ".csv");
    EXPECT_EQ(folderEntries(),
              QStringList({"01.wav", "03.wav", QStringLiteral("海の歌 .cdt"),
                           QStringLiteral("海の歌 .csv"), QStringLiteral("海の歌 .cue"),
                           QStringLiteral("海の歌 .txt")}));
    EXPECT_TRUE(dialogs_.prompts().isEmpty());

    const DiscInfo saved = disc;
    disc.setJacketPath(QString());
    EXPECT_EQ(LoadFolder(editor_, dir_.path()), QStringLiteral("ＣＤリスト編集 - 海の歌 .txt"));
    for (QString DiscInfo::*field :
         {&DiscInfo::albumTitle, &DiscInfo::subtitle1, &DiscInfo::subtitle2,
          &DiscInfo::discPerformer, &DiscInfo::discId, &DiscInfo::catalog, &DiscInfo::releaseYear})
        EXPECT_EQ(disc.*field, saved.*field);
    EXPECT_EQ(disc.genre, QStringLiteral("Jazz")) << "the list entry that \"jazz\" selected";
    EXPECT_EQ(disc.selectedGenre(), QStringLiteral("Jazz"));
    EXPECT_EQ(disc.jacketPath, QStringLiteral("front.jpg"));
    EXPECT_EQ(editor_.tracks().track(1),
              TrackRow({"1", "000:02", "One", "", "", "", "", "01.wav"}));
    EXPECT_EQ(editor_.tracks().track(2), TrackRow({"0", "", "Two", "", "", "", "", ""}));
    EXPECT_EQ(editor_.tracks().track(3),
              TrackRow({"1", "000:01", "Three", "P3", "A3", "2003", "Rock", "03.wav"}));
    EXPECT_EQ(editor_.tracks().track(4), TrackRow());
}

TEST_F(DiscSaveCommandTest, FirstSongUncheckedAsksAboutUnsplitMode) {
    addWav("live.wav", 1);
    editor_.tracks().setField(1, TrackColumn::Check, QStringLiteral("0"));
    dialogs_.answerMessage(DialogResult::Cancel).answerMessage(DialogResult::Ok);

    save_.run(settings_);
    ASSERT_EQ(dialogs_.prompts().size(), 1);
    EXPECT_EQ(dialogs_.prompts()[0].text, QStringLiteral("WAVファイルが[無分割]ではないですか"));
    EXPECT_EQ(dialogs_.prompts()[0].caption, QStringLiteral("確認"));
    EXPECT_EQ(dialogs_.prompts()[0].type,
              MessageBoxType::OkCancel | MessageBoxType::IconInformation);
    EXPECT_FALSE(settings_.cd.noCut);
    EXPECT_TRUE(test::fileBytes(path("Album.cue")).contains("TITLE \"One\""));

    save_.run(settings_);
    EXPECT_TRUE(settings_.cd.noCut);
    EXPECT_TRUE(test::fileBytes(path("Album.cue")).contains("TITLE \"Track-1\""));

    save_.run(settings_);
    EXPECT_EQ(dialogs_.prompts().size(), 2) << "no question once unsplit mode is on";
}

// The save's report does not push the message about the fifth WAV file off the panel.
TEST_F(DiscSaveCommandTest, WavFilesLeftOutByUnsplitModeStayOnThePanel) {
    for (const char* name : {"02.wav", "03.wav", "04.wav", "05.wav"})
        addWav(QString::fromLatin1(name), 1);
    settings_.cd.noCut = true;
    ASSERT_TRUE(save_.run(settings_));
    EXPECT_TRUE(editor_.status().text().startsWith(
        QStringLiteral("WAVファイル数が４本を越えています / 保存しました: ")))
        << editor_.status().text().toStdString();
    EXPECT_FALSE(editor_.status().clearTimer().isActive());
}

// The error names what the save had written before it and what it did not write.
TEST_F(DiscSaveCommandTest, FileThatCannotBeWrittenStopsTheSave) {
    const struct {
        const char* failing;
        QString written;
        QStringList entries;
    } cases[] = {
        {".txt",
         QStringLiteral("保存したファイルはありません\n保存できなかったファイル: Album.txt, "
                        "Album.cue, Album.cdt, Album.csv"),
         {"01.wav"}},
        {".cue",
         QStringLiteral("保存したファイル: Album.txt\n"
                        "保存できなかったファイル: Album.cue, Album.cdt, Album.csv"),
         {"01.wav", "Album.txt"}},
        {".csv",
         QStringLiteral("保存したファイル: Album.txt, Album.cue, Album.cdt\n"
                        "保存できなかったファイル: Album.csv"),
         {"01.wav", "Album.cdt", "Album.cue", "Album.txt"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.failing);
        for (const QString& entry : folderEntries())
            if (entry != QLatin1String("01.wav"))
                QFile::remove(path(entry));
        setWriteFaultForTests(
            [&](const QString& written) { return written.endsWith(QLatin1String(c.failing)); });
        try {
            save_.run(settings_);
            ADD_FAILURE() << "the save went on";
        } catch (const AppError& error) {
            const QString failed = path(QStringLiteral("Album") + QLatin1String(c.failing));
            EXPECT_EQ(error.message(),
                      QStringLiteral("%1 に書き込めません\n").arg(failed) + c.written);
        }
        setWriteFaultForTests({});
        EXPECT_EQ(folderEntries(), c.entries);
    }

    // A save may run again after a failed one.
    EXPECT_EQ(save_.run(settings_), path("Album.csv"));
}

TEST_F(DiscSaveCommandTest, TagsAreWrittenWhenAskedAndASecondSaveMeanwhileIsIgnored) {
    const QByteArray untagged = test::fileBytes(path("01.wav"));
    save_.run(settings_);
    EXPECT_EQ(test::fileBytes(path("01.wav")), untagged) << "tags only when asked for";

    settings_.cd.setId3Tag = true;
    settings_.cd.templateName = "Mine.lct";
    editor_.disc().setJacketPath("/pictures/front.jpg");
    editor_.tracks().setField(1, TrackColumn::Title, QStringLiteral("表ソ "));
    editor_.tracks().setField(1, TrackColumn::Performer, QStringLiteral("Singer"));
    std::optional<std::optional<QString>> saveMeanwhile;
    QTimer::singleShot(0, [&] { saveMeanwhile = save_.run(settings_); });
    EXPECT_EQ(save_.run(settings_), path("Album.csv"));
    ASSERT_TRUE(saveMeanwhile.has_value()) << "no window events were handled during the save";
    EXPECT_EQ(*saveMeanwhile, std::nullopt);

    DiscNotes notes;
    EXPECT_EQ(ReadTrackTags(songs_.tags, path("01.wav"), notes),
              TrackTags({QStringLiteral("表ソ "), "Singer", "", "", "", "front.jpg"}));
}

// A song file whose name the project cannot hold stops the save before anything is written; a
// value that would lose characters is written as "?" only when the user says so.
TEST_F(DiscSaveCommandTest, CharactersTheFilesCannotHoldStopOrAskFirst) {
    const QString cafe = QStringLiteral("Caf\u00e9.wav");
    editor_.tracks().setTrack(2, song(QStringLiteral("Two"), {}, addWav(cafe, 1)));
    EXPECT_EQ(save_.run(settings_), std::nullopt);
    ASSERT_EQ(dialogs_.messages().size(), 1);
    EXPECT_TRUE(dialogs_.messages()[0].contains(cafe + QStringLiteral(" (\u00e9)")));
    EXPECT_EQ(folderEntries(), QStringList({"01.wav", cafe}));

    editor_.tracks().setTrack(2, song(QStringLiteral("Two")));
    editor_.disc().albumTitle = QStringLiteral("Caf\u00e9 \u301c");
    dialogs_.answerMessage(DialogResult::Cancel).answerMessage(DialogResult::Ok);
    EXPECT_EQ(save_.run(settings_), std::nullopt);
    EXPECT_TRUE(dialogs_.messages()[1].contains(QStringLiteral("アルバム (\u00e9\u301c)")));
    EXPECT_EQ(folderEntries().size(), 2) << "going back writes nothing";
    ASSERT_TRUE(save_.run(settings_));
    EXPECT_TRUE(test::fileBytes(editor_.disc().folderPath + QStringLiteral("/Caf\u00e9 \u301c.txt"))
                    .startsWith("TITLE:Caf? "));
    EXPECT_TRUE(editor_.status().text().startsWith(QStringLiteral("保存しました: ")));
}

// The folder's own path is written into none of the disc's files, so characters code page 932
// lacks there stop nothing.
TEST_F(DiscSaveCommandTest, FolderPathOutsideTheCodePageIsSaved) {
    const QString folder = path(QStringLiteral("\u00c9t\u00e9/CD1"));
    ASSERT_TRUE(QDir().mkpath(folder));
    test::writeTestWav(folder + QStringLiteral("/01.wav"), 8000, {8000, 1, 8});
    editor_.disc().setFolderPath(folder);
    setSongs({song(QStringLiteral("One"), {}, "01.wav")});
    ASSERT_TRUE(save_.run(settings_));
    EXPECT_TRUE(dialogs_.messages().isEmpty());
    const QByteArray cue = test::fileBytes(folder + QStringLiteral("/Album.cue"));
    EXPECT_TRUE(cue.contains("FILE \"01.wav\" WAVE")) << cue.toStdString();
    EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("/Album.txt")));
}

// The CD-TEXT file beside the CUE sheet is the one cdrecord-family burners take: cdrskin reads
// it back as MS-JIS with the album and every track's title. The option leaves it out.
TEST_F(DiscSaveCommandTest, CdTextFileIsWhatCdrskinReadsAsJapanese) {
    if (!test::toolInstalled(QStringLiteral("cdrskin")))
        GTEST_SKIP() << "cdrskin is not installed";
    editor_.disc().albumTitle = QStringLiteral("夏の記録");
    setSongs({song(QStringLiteral("朝の歌"), QStringLiteral("ミナモ"), "01.wav"),
              song(QStringLiteral("昼 noon"), QStringLiteral("ミナモ")),
              song(QStringLiteral("夜の歌"), QStringLiteral("ゲスト"))});
    ASSERT_TRUE(save_.run(settings_));
    QProcess cdrskin;
    cdrskin.start(QStringLiteral("cdrskin"),
                  {QStringLiteral("textfile_to_v07t=") + path(QStringLiteral("夏の記録.cdt"))});
    ASSERT_TRUE(cdrskin.waitForFinished(30000));
    const QString sheet = fromSjis(cdrskin.readAllStandardOutput());
    for (const QString& line : {QStringLiteral("Text Code           = MS-JIS"),
                                QStringLiteral("Album Title         = 夏の記録"),
                                QStringLiteral("Track 01 Title      = 朝の歌"),
                                QStringLiteral("Track 02 Title      = 昼　ｎｏｏｎ"),
                                QStringLiteral("Track 03 Title      = 夜の歌"),
                                QStringLiteral("Track 03 Artist     = ゲスト")})
        EXPECT_TRUE(sheet.contains(line)) << line.toStdString() << "\n" << sheet.toStdString();
    EXPECT_TRUE(editor_.status().text().contains(QStringLiteral(".cdt")));

    QFile::remove(path(QStringLiteral("夏の記録.cdt")));
    settings_.cd.writeCdText = false;
    ASSERT_TRUE(save_.run(settings_));
    EXPECT_FALSE(folderEntries().contains(QStringLiteral("夏の記録.cdt")));
}

// A name written decomposed by another system (kana with a voiced mark) is stored composed and
// found again when the project is read.
TEST_F(DiscSaveCommandTest, DecomposedFileNamesAreStoredComposedAndFoundAgain) {
    const QString decomposed = QStringLiteral("か\u3099.wav");
    editor_.tracks().setTrack(2, song(QStringLiteral("Two"), {}, addWav(decomposed, 1)));
    ASSERT_TRUE(save_.run(settings_));
    EXPECT_TRUE(test::fileBytes(path("Album.txt")).contains(toSjis(QStringLiteral("\"が.wav\""))));
    EXPECT_TRUE(
        test::fileBytes(path("Album.cue")).contains(toSjis(QStringLiteral("FILE \"が.wav\""))));
    LoadFolder(editor_, dir_.path());
    EXPECT_EQ(editor_.tracks().track(2).check, QStringLiteral("1"));
    EXPECT_EQ(editor_.tracks().track(2).time, QStringLiteral("000:01"));
}

TEST_F(DiscSaveCommandTest, LabelComesFromTheTemplateInTheProgramFolder) {
    QTemporaryDir program;
    test::writeFileBytes(program.filePath("Mine.lct"),
                         toSjis(QStringLiteral("ID\r\n文字,[演奏者]\r\n")));
    settings_.cd.templateName = "Mine.lct";
    settings_.programPaths.programPath = program.filePath("lccdtool");
    settings_.programPaths.readFolders = {program.path()};
    save_.run(settings_);
    EXPECT_TRUE(test::fileBytes(path("Album.csv"))
                    .startsWith(toSjis(QStringLiteral("ID\r\n文字,Band\r\n文字,"))));
}

TEST_F(DiscSaveCommandTest, ALabelProductIsFoundBeforeAnythingIsWrittenAndCarriesTheDisc) {
    QStringList asked;
    std::optional<DiscLabelSheet> found;
    settings_.cd.labelProduct = QStringLiteral("Acme CD2");
    settings_.labelSheets = [&](const QString& name) {
        asked.append(name);
        return found;
    };
    EXPECT_EQ(save_.run(settings_), std::nullopt);
    EXPECT_EQ(
        editor_.status().text(),
        QStringLiteral("ラベル用紙 Acme CD2 が見つかりません。オプション設定で選び直してください"));
    EXPECT_EQ(folderEntries(), QStringList({"01.wav"}));

    const QString paperNote = QStringLiteral("近い A4 を選びました。");
    found = DiscLabelSheet{{LayoutItem::fromRowLine(QStringLiteral("設定,,,,,,,,,,Yes,,A4,,,,"))},
                           QPointF(1050, 800),
                           paperNote};
    ASSERT_TRUE(save_.run(settings_));
    EXPECT_TRUE(test::fileBytes(path("Album.csv"))
                    .startsWith(toSjis(builtInLabelTemplate()[0] +
                                       QStringLiteral("\r\n設定,,,,,,,,,,Yes,,A4,,,,\r\n画像,"))));
    EXPECT_TRUE(editor_.status().text().endsWith(QStringLiteral(" / ") + paperNote));
    // The sheet's other labels carry the disc too only when asked.
    found->otherLabelCentres = {QPointF(1050, 2200)};
    for (const bool everyLabel : {false, true}) {
        settings_.cd.everyLabel = everyLabel;
        ASSERT_TRUE(save_.run(settings_));
        EXPECT_EQ(test::fileBytes(path("Album.csv")).count(toSjis(QStringLiteral("\r\n画像,"))),
                  everyLabel ? 2 : 1);
    }

    // Without a product the label is the template's as it always was.
    settings_.cd.labelProduct.clear();
    ASSERT_TRUE(save_.run(settings_));
    EXPECT_EQ(test::fileBytes(path("Album.csv")),
              joinLinesCrLf(labelLayoutLines(builtInLabelTemplate(), editor_.disc(),
                                             editor_.tracks().rows())));
    EXPECT_EQ(asked, QStringList(4, QStringLiteral("Acme CD2")));
}

} // namespace
} // namespace lccd
