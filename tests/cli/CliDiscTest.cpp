#include "cdlist/CdListPresenter.h"
#include "cdlist/DiscSaveCommand.h"
#include "cdlist/FolderLoader.h"
#include "platform/CodePage.h"
#include "platform/SongDecoder.h"
#include "tests/cli/CliProcess.h"
#include "tests/support/TestSongs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lccd {
namespace {

using test::runCli;

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A folder "海の歌" of three tagged WAV songs under root.
QString makeDiscFolder(const QString& root) {
    const QString folder = QDir(root).filePath(QStringLiteral("海の歌"));
    QDir().mkpath(folder);
    const QStringList titles = {QStringLiteral("朝"), QStringLiteral("昼"), QStringLiteral("夜")};
    for (int i = 0; i < titles.size(); ++i)
        test::writeTestWav(QDir(folder).filePath(QStringLiteral("0%1.wav").arg(i + 1)),
                           8000 * (i + 2), {8000, 1, 8}, {{"INAM", toSjis(titles[i])}});
    return folder;
}

TEST(CliDiscTest, WritesTheBytesTheEditorsSaveWrites) {
    QTemporaryDir editorRoot;
    QTemporaryDir cliRoot;
    const QString editorFolder = makeDiscFolder(editorRoot.path());
    const QString cliFolder = makeDiscFolder(cliRoot.path());

    // The editor: the folder chosen and loaded, boxes typed in, the gap option on, saved.
    SongDecoder decoder;
    CdListPresenter editor(decoder);
    editor.disc().setFolderPath(editorFolder);
    LoadFolder(editor, editorFolder);
    editor.disc().albumTitle = QStringLiteral("夏の記録");
    editor.disc().discPerformer = QStringLiteral("ミナモ, 楽団");
    editor.disc().catalog = QStringLiteral("4988");
    DiscSaveSettings settings;
    settings.addGap = true;
    settings.programPaths = ProgramPaths::forExecutable(QStringLiteral(LCCD_CLI_PATH));
    ASSERT_TRUE(DiscSaveCommand(editor).run(settings).has_value());

    const test::CliRun run = runCli({QStringLiteral("disc"), cliFolder, QStringLiteral("--album"),
                                     QStringLiteral("夏の記録"), QStringLiteral("--performer"),
                                     QStringLiteral("ミナモ, 楽団"), QStringLiteral("--catalog"),
                                     QStringLiteral("4988"), QStringLiteral("--gap")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QStringList written;
    for (const char* extension : {".txt", ".cue", ".csv"}) {
        const QString name = QStringLiteral("夏の記録") + QLatin1String(extension);
        written.append(QDir(cliFolder).filePath(name));
        const QByteArray bytes = fileBytes(written.last());
        EXPECT_FALSE(bytes.isEmpty()) << extension;
        EXPECT_EQ(bytes, fileBytes(QDir(editorFolder).filePath(name))) << extension;
    }
    EXPECT_EQ(run.out, written.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

TEST(CliDiscTest, FailedCheckExitsWithTwoAndWritesNothing) {
    QTemporaryDir root;
    const QString folder = makeDiscFolder(root.path());
    const test::CliRun run = runCli({QStringLiteral("disc"), folder});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("演者がブランクです"))) << run.err.toStdString();
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 3);
}

// A file that is no song is named on standard error and keeps its place; a value that would
// lose characters stops the save unless --lossy says to write "?".
TEST(CliDiscTest, UnreadableSongsAreNamedAndLossyValuesNeedTheOption) {
    QTemporaryDir root;
    const QString folder = makeDiscFolder(root.path());
    QFile aiff(QDir(folder).filePath(QStringLiteral("02b.wav")));
    ASSERT_TRUE(aiff.open(QIODevice::WriteOnly));
    aiff.write(QByteArray("FORM\0\0\0 AIFFCOMM", 16));
    aiff.close();
    const QStringList disc = {QStringLiteral("disc"),        folder,
                              QStringLiteral("--performer"), QStringLiteral("Band"),
                              QStringLiteral("--album"),     QStringLiteral("Caf\u00e9")};

    const test::CliRun refused = runCli(disc);
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("Not Music file: 02b.wav (AIFFファイルです)")))
        << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains(QStringLiteral("アルバム (\u00e9)")));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 4);

    const test::CliRun lossy = runCli(disc + QStringList{QStringLiteral("--lossy")});
    ASSERT_EQ(lossy.exitCode, 0) << lossy.err.toStdString();
    const QByteArray cue = fileBytes(QDir(folder).filePath(QStringLiteral("Caf\u00e9.cue")));
    EXPECT_TRUE(cue.contains("TITLE \"Caf?\""));
    EXPECT_TRUE(cue.contains("FILE \"02b.wav\" WAVE\r\nTRACK 03 AUDIO\r\n TITLE \"02b\""))
        << "the songs after it keep their places";
}

} // namespace
} // namespace lccd
