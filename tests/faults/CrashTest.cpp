#include "tests/faults/FolderJudge.h"
#include "tests/faults/ShimRun.h"
#include "tests/faults/SongFolders.h"
#include "tests/support/ExternalTools.h"

#include "tests/cli/CliProcess.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

// A tag save of a song with a second hard link in another folder, killed (SIGKILL) at ten
// moments spread over the save on a slow disk: through both links the song is the old bytes or
// the new ones, also once the folder is loaded again, and then no copy is left beside it and
// the links are still one file.
namespace lccd {
namespace {

using test::pathIn;
using test::Snapshot;

constexpr int kKills = 10;

// Every write goes out in 4 KB pieces 3 ms apart: a second of CD audio takes a quarter of a
// second to write, long enough to be killed inside.
const QStringList kSlowDisk = {QStringLiteral("LCCD_FAULT_DELAY_US=3000"),
                               QStringLiteral("LCCD_FAULT_CHUNK=4096")};

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(absent)");
}

ino_t inodeOf(const QString& path) {
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_ino : 0;
}

QString songState(const QByteArray& song, const QByteArray& old, const QByteArray& saved) {
    if (song == old)
        return QStringLiteral("old");
    if (song == saved)
        return QStringLiteral("new");
    qsizetype same = 0;
    while (same < qMin(song.size(), saved.size()) && song[same] == saved[same])
        ++same;
    return QStringLiteral("mixed (%1 bytes, the first %2 new)").arg(song.size()).arg(same);
}

class CrashTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!test::toolInstalled(QStringLiteral("sox")))
            GTEST_SKIP() << "sox is not installed";
        QDir().mkpath(folder_);
        ASSERT_TRUE(test::makeSongFolder(folder_, "01.wav"));
        before_ = test::snapshot(folder_);
    }
    void TearDown() override { QDir(root_).removeRecursively(); }

    void reset() {
        test::restore(folder_, before_);
        QDir(elsewhere_).removeRecursively();
        QDir().mkpath(elsewhere_);
        ASSERT_EQ(
            ::link(QFile::encodeName(song()).constData(), QFile::encodeName(link()).constData()),
            0);
    }

    QString song() const { return pathIn(folder_, "01.wav"); }
    QString link() const { return pathIn(elsewhere_, "01.wav"); }

    // The save on the slow disk, killed after the given milliseconds unless it ends first.
    bool saveKilledAfter(qint64 milliseconds) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const QString log = QDir(root_).filePath(QStringLiteral("shim.log"));
        for (const QString& entry : test::shimEnvironment(folder_, log) + kSlowDisk)
            environment.insert(entry.section(QLatin1Char('='), 0, 0),
                               entry.section(QLatin1Char('='), 1));
        QProcess save;
        save.setProcessEnvironment(environment);
        save.start(QStringLiteral(LCCD_CLI_PATH), saveCommand_);
        const bool ended = save.waitForFinished(int(milliseconds));
        if (!ended) {
            save.kill();
            save.waitForFinished();
        }
        QFile::remove(log);
        return !ended;
    }

    const QString root_ = QDir(test::workRoot()).filePath(QStringLiteral("crash"));
    const QString folder_ = QDir(root_).filePath(QStringLiteral("disc"));
    const QString elsewhere_ = QDir(root_).filePath(QStringLiteral("elsewhere"));
    const QStringList saveCommand_ = {QStringLiteral("disc"), folder_, QStringLiteral("--tags")};
    Snapshot before_;
};

TEST_F(CrashTest, AKilledTagSaveOfAHardLinkedSongLeavesItOldOrNew) {
    reset();
    QElapsedTimer clock;
    clock.start();
    ASSERT_FALSE(saveKilledAfter(120000)) << "the unkilled save did not end";
    const qint64 duration = clock.elapsed();
    const Snapshot saved = test::snapshot(folder_);
    const QByteArray old = before_.value(QStringLiteral("01.wav"));
    const QByteArray tagged = saved.value(QStringLiteral("01.wav"));
    ASSERT_NE(tagged, old) << "the save wrote no tag";
    EXPECT_EQ(bytesOf(link()), tagged) << "the other link does not see the saved song";

    QStringList failures;
    QStringList outcomes;
    for (int kill = 0; kill < kKills; ++kill) {
        reset();
        const qint64 moment = duration * (2 * kill + 1) / (2 * kKills);
        const bool killed = saveKilledAfter(moment);
        const QString when =
            QStringLiteral("| %1 ms%2 |").arg(moment).arg(killed ? "" : " (ended)");
        const auto checkLinks = [&](const char* stage) {
            for (const QString& path : {song(), link()}) {
                const QString state = songState(bytesOf(path), old, tagged);
                if (state != QLatin1String("old") && state != QLatin1String("new"))
                    failures.append(QStringLiteral("%1 %2 | %3 %4 |")
                                        .arg(when, QString::fromLatin1(stage),
                                             QDir(root_).relativeFilePath(path), state));
            }
        };
        checkLinks("after the kill");
        outcomes.append(songState(bytesOf(song()), old, tagged));

        // The next load of the folder, as the user would run after the crash.
        const test::CliRun next = test::runCli({QStringLiteral("disc"), folder_});
        if (next.exitCode != 0)
            failures.append(QStringLiteral("%1 next load | exit status %2: %3 |")
                                .arg(when)
                                .arg(next.exitCode)
                                .arg(next.err.trimmed()));
        checkLinks("after the next load");
        Snapshot expected = saved;
        expected.insert(before_);
        for (const QString& problem :
             test::fileProblems(expected, expected, test::snapshot(folder_)))
            if (problem.startsWith(QLatin1String("stray")))
                failures.append(QStringLiteral("%1 after the next load | %2 |").arg(when, problem));
        if (QDir(elsewhere_).entryList(QDir::Files | QDir::Hidden).size() != 1)
            failures.append(
                QStringLiteral("%1 after the next load | a file beside the other link |")
                    .arg(when));
        if (inodeOf(song()) != inodeOf(link()))
            failures.append(
                QStringLiteral("%1 after the next load | the links are two files now |").arg(when));
    }
    std::printf("crash: unkilled slowed save %lld ms; the song after each kill: %s\n",
                static_cast<long long>(duration), qPrintable(outcomes.join(QStringLiteral(", "))));
    if (!failures.isEmpty())
        ADD_FAILURE() << failures.size() << " problems in " << kKills
                      << " kills\n| killed after | when | what was wrong |\n"
                      << failures.join(QLatin1Char('\n')).toStdString();
}

} // namespace
} // namespace lccd
