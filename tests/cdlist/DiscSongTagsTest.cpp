#include "cdlist/EditorCommands.h"
#include "cdlist/EditorDiscSave.h"
#include "cdlist/FolderLoader.h"
#include "tests/cdlist/DiscFolderFixture.h"
#include "tests/support/EncodedSongs.h"
#include "tests/support/ExternalTools.h"
#include "tests/support/RecordingMp3Infp.h"
#include "tests/support/ScriptedDialogs.h"

#include <QTimer>

// What a save with the tag option writes into the songs, as ffprobe and metaflac read them: the
// user's edits, a loaded project's values only where a song lacks them, and the jacket's name
// only over a comment nobody wrote.
namespace lccd {
namespace {

class DiscSongTagsTest : public test::DiscFolderTest {
protected:
    void SetUp() override {
        DiscFolderTest::SetUp();
        if (!test::toolInstalled("ffprobe"))
            GTEST_SKIP() << "ffprobe is not installed";
        settings_.cd.setId3Tag = true;
    }

    void writeWav(const QString& name, const QList<test::InfoField>& info) {
        test::writeTestWav(path(name), 8000, {8000, 1, 8}, info);
    }

    QString probeTag(const QString& name, const char* tag) {
        return test::runTool("ffprobe", {"-v", "error", "-show_entries",
                                         QStringLiteral("format_tags=") + QLatin1String(tag), "-of",
                                         "default=nw=1:nk=1", path(name)})
            .trimmed();
    }

    DiscSaveSettings settings_;
    test::ScriptedDialogs dialogs_;
};

// 01 holds "Café", which the project could only keep as "Caf?"; 02 has no title; 03 was
// retagged after the project was written; 04 is retitled in the grid. The first two rows are
// swapped after the load, so a row compared with another song's loaded values would show.
TEST_F(DiscSongTagsTest, ProjectValuesGoOnlyWhereTheSongLacksThemOrTheUserSaysSo) {
    const struct {
        ProjectTagChoice choice;
        int answer;                      // to the question, when the save asks
        std::optional<QString> retagged; // nothing: the save stopped, no song changed
    } cases[] = {
        {ProjectTagChoice::KeepSongs, 0, QStringLiteral("Retagged")},
        {ProjectTagChoice::UseProject, 0, QStringLiteral("Old")},
        {ProjectTagChoice::Ask, DialogResult::No, QStringLiteral("Retagged")},
        {ProjectTagChoice::Ask, DialogResult::Yes, QStringLiteral("Old")},
        {ProjectTagChoice::Ask, DialogResult::Cancel, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.choice) * 10 + c.answer);
        writeWav("01.wav", {{"INAM", "Caf\xC3\xA9"}});
        writeWav("02.wav", {});
        writeWav("03.wav", {{"INAM", "Retagged"}});
        writeWav("04.wav", {{"INAM", "Four"}});
        test::writeFileBytes(path("Album.txt"), test::sjisFileBytes({
                                                    "TITLE:Album",
                                                    "PERFORMER:Band",
                                                    R"(01,000:01,"Caf?","","",,,"01.wav")",
                                                    R"(02,000:01,"Seeded","","",,,"02.wav")",
                                                    R"(03,000:01,"Old","","",,,"03.wav")",
                                                    R"(04,000:01,"Four","","",,,"04.wav")",
                                                }));
        const QByteArray cafe = test::fileBytes(path("01.wav"));
        const QByteArray untitled = test::fileBytes(path("02.wav"));
        LoadFolder(editor_, dir_.path());
        moveTrackUp(editor_.tracks(), 2);
        editor_.tracks().setField(4, TrackColumn::Title, QStringLiteral("Typed"));
        settings_.projectTags = c.choice;
        const qsizetype asked = dialogs_.prompts().size();
        if (c.answer != 0)
            dialogs_.answerMessage(c.answer);

        EXPECT_EQ(EditorDiscSave(editor_).run(settings_).has_value(), c.retagged.has_value());
        EXPECT_EQ(test::fileBytes(path("01.wav")), cafe);
        if (c.choice == ProjectTagChoice::Ask) {
            ASSERT_EQ(dialogs_.prompts().size(), asked + 1);
            const QString question = dialogs_.prompts().back().text;
            EXPECT_TRUE(question.contains(QStringLiteral("\n03.wav (曲名)\n")))
                << question.toStdString();
            EXPECT_FALSE(question.contains(QStringLiteral("01.wav")));
        } else {
            EXPECT_EQ(dialogs_.prompts().size(), asked);
        }
        if (!c.retagged) {
            EXPECT_EQ(test::fileBytes(path("02.wav")), untitled);
            EXPECT_EQ(probeTag("03.wav", "title"), QStringLiteral("Retagged"));
            EXPECT_EQ(probeTag("04.wav", "title"), QStringLiteral("Four"));
            continue;
        }
        EXPECT_EQ(probeTag("02.wav", "title"), QStringLiteral("Seeded"));
        EXPECT_EQ(probeTag("02.wav", "artist"), QString());
        EXPECT_EQ(probeTag("03.wav", "title"), *c.retagged);
        EXPECT_EQ(probeTag("04.wav", "title"), QStringLiteral("Typed"));
    }
}

TEST_F(DiscSongTagsTest, TheJacketNameReplacesOnlyEmptyCommentsAndImageNames) {
    if (!test::toolInstalled("metaflac") || !test::toolInstalled("sox"))
        GTEST_SKIP() << "flac and sox are needed";
    writeWav("a.wav", {{"INAM", "A"}});
    writeWav("b.wav", {{"INAM", "B"}, {"ICMT", "old cover.PNG"}});
    writeWav("c.wav", {{"INAM", "C"}, {"ICMT", "ripped by me"}});
    ASSERT_TRUE(test::makeToneSong(path("d.flac"), 1, {44100, 2, 16}));
    ASSERT_TRUE(
        test::runToolSucceeded("metaflac", {"--remove-all-tags", "--set-tag=TITLE=D",
                                            "--set-tag=COMMENT=ripped by me", path("d.flac")}));
    const QByteArray ownComment = test::fileBytes(path("c.wav"));
    const QByteArray ownFlacComment = test::fileBytes(path("d.flac"));
    LoadFolder(editor_, dir_.path());
    editor_.disc().discPerformer = QStringLiteral("Band");
    editor_.disc().setJacketPath(path("front.jpg"));

    ASSERT_TRUE(EditorDiscSave(editor_).run(settings_));
    EXPECT_EQ(probeTag("a.wav", "comment"), QStringLiteral("front.jpg"));
    EXPECT_EQ(probeTag("b.wav", "comment"), QStringLiteral("front.jpg"));
    EXPECT_EQ(test::fileBytes(path("c.wav")), ownComment);
    EXPECT_EQ(test::fileBytes(path("d.flac")), ownFlacComment);
    EXPECT_EQ(test::runTool("metaflac", {"--show-tag=COMMENT", path("d.flac")}).trimmed(),
              QStringLiteral("COMMENT=ripped by me"));
}

// The tag library, noting for each load whether the window's events were let through before
// the next one.
class LoadWatchingTags : public test::RecordingMp3Infp {
public:
    int Load(const QString& path) override {
        const int load = ++loads_;
        QTimer::singleShot(0, [this, load] { handledBeforeNextLoad.append(load == loads_); });
        return RecordingMp3Infp::Load(path);
    }

    QList<bool> handledBeforeNextLoad;

private:
    int loads_ = 0;
};

class SongTagWaitTest : public test::DiscFolderTest {};

// A song left unchanged, a read-only one, one that is no song and one written: the wait follows
// each of them.
TEST_F(SongTagWaitTest, EverySongTriedIsFollowedByTheWait) {
    const auto update = [&](const QString& name, const QString& title) {
        TrackTags tags;
        tags.title = title;
        return SongTagUpdate{path(name), tags, tags, {}, false};
    };
    addWav("same.wav", 1, "Same");
    addWav("locked.wav", 1, "Old");
    ASSERT_TRUE(QFile::setPermissions(path("locked.wav"), QFile::ReadOwner | QFile::ReadUser));
    test::writeFileBytes(path("junk.wav"), "no song");
    addWav("new.wav", 1, "Old");
    LoadWatchingTags tags;
    MessageBoxSaveQuestions questions;
    const SongTagOutcome outcome =
        writeSongTags(tags,
                      {update("same.wav", "Same"), update("locked.wav", "New"),
                       update("junk.wav", "New"), update("new.wav", "New")},
                      false, questions);
    EXPECT_EQ(outcome.written, QStringList{path("new.wav")});
    EXPECT_EQ(tags.handledBeforeNextLoad, QList<bool>(4, true));
}

} // namespace
} // namespace lccd
