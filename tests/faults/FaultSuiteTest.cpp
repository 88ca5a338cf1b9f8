#include "tests/cli/CliProcess.h"
#include "tests/faults/FolderJudge.h"
#include "tests/faults/ShimRun.h"
#include "tests/faults/SongFolders.h"
#include "tests/support/ExternalTools.h"
#include "tests/support/TestSongs.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <optional>

// Every writer of the command line against a full disk, a failing disk, short writes, failed
// syncs and failed renames: each watched call of a run fails in turn, and the folder must then
// hold each file old or new and complete, nothing beside them, and a failure must not end in
// success.
namespace lccd {
namespace {

using test::Fault;
using test::ShimCall;
using test::Snapshot;

using test::pathIn;

void writeTinyLayout(const QString& path, const QString& text) {
    test::writeLayout(path, {QStringLiteral("設定,Yes,Yes,Yes,,,,,,左寄せ,No,13.5,A4,,,,"),
                             QStringLiteral("文字,Yes,Yes,Yes,100,100,1200,53,1,左寄せ,No,,") +
                                 text + QStringLiteral(",ＭＳ ゴシック,14,clBlack,clWhite")});
}

void twoWavSongs(const QString& folder) {
    for (const char* name : {"01.wav", "02.wav"})
        test::writeTestWav(pathIn(folder, name), 8000, {8000, 1, 8});
    test::writeProject(folder, {QStringLiteral("01.wav"), QStringLiteral("02.wav")});
}

// A writer: the files it starts from in folder, and the command that writes.
struct Writer {
    const char* name;
    std::optional<QStringList> (*prepare)(const QString& folder);
    // A song: only the calls up to its save are faulted, the disc files after it have their
    // own writer.
    const char* song = nullptr;
};

void PrintTo(const Writer& writer, std::ostream* out) {
    *out << writer.name;
}

std::optional<QStringList> tagWriter(const QString& folder, const char* song) {
    if (!test::makeSongFolder(folder, song))
        return std::nullopt;
    return QStringList{QStringLiteral("disc"), folder, QStringLiteral("--tags"),
                       QStringLiteral("--catalog"), QStringLiteral("4988")};
}

const Writer kWriters[] = {
    {"ini_new",
     [](const QString& f) -> std::optional<QStringList> {
         writeTinyLayout(pathIn(f, "layout.csv"), QStringLiteral("new"));
         return QStringList{QStringLiteral("store"), pathIn(f, "layout.csv"),
                            pathIn(f, "lccd.ini")};
     }},
    {"ini_over",
     [](const QString& f) -> std::optional<QStringList> {
         writeTinyLayout(pathIn(f, "layout.csv"), QStringLiteral("old"));
         if (test::runCli({QStringLiteral("store"), pathIn(f, "layout.csv"), pathIn(f, "lccd.ini")})
                 .exitCode != 0)
             return std::nullopt;
         writeTinyLayout(pathIn(f, "layout.csv"), QStringLiteral("new"));
         return QStringList{QStringLiteral("store"), pathIn(f, "layout.csv"),
                            pathIn(f, "lccd.ini")};
     }},
    {"layout_demo",
     [](const QString& f) -> std::optional<QStringList> {
         if (test::runCli({QStringLiteral("demo"), pathIn(f, "out.csv"), QStringLiteral("--songs"),
                           QStringLiteral("1")})
                 .exitCode != 0)
             return std::nullopt;
         return QStringList{QStringLiteral("demo"), pathIn(f, "out.csv")};
     }},
    {"layout_sheet",
     [](const QString& f) -> std::optional<QStringList> {
         return QStringList{QStringLiteral("sheet"), QStringLiteral("Avery L6043"),
                            QStringLiteral("-o"), pathIn(f, "out.csv")};
     }},
    {"calibration",
     [](const QString& f) -> std::optional<QStringList> {
         return QStringList{QStringLiteral("calibration"), QStringLiteral("-o"),
                            pathIn(f, "calibration.csv")};
     }},
    {"render_png",
     [](const QString& f) -> std::optional<QStringList> {
         writeTinyLayout(pathIn(f, "layout.csv"), QStringLiteral("new"));
         const QStringList render{QStringLiteral("render"), pathIn(f, "layout.csv"),
                                  QStringLiteral("-o"), pathIn(f, "out.png")};
         writeTinyLayout(pathIn(f, "old.csv"), QStringLiteral("old"));
         if (test::runCli({QStringLiteral("render"), pathIn(f, "old.csv"), QStringLiteral("-o"),
                           pathIn(f, "out.png")})
                 .exitCode != 0)
             return std::nullopt;
         return render;
     }},
    {"disc",
     [](const QString& f) -> std::optional<QStringList> {
         twoWavSongs(f);
         return QStringList{QStringLiteral("disc"), f, QStringLiteral("--catalog"),
                            QStringLiteral("4988")};
     }},
    {"image",
     [](const QString& f) -> std::optional<QStringList> {
         twoWavSongs(f);
         return QStringList{QStringLiteral("image"), f, QStringLiteral("-o"),
                            pathIn(f, "disc.wav")};
     }},
    {"tags_wav", [](const QString& f) { return tagWriter(f, "01.wav"); }, "01.wav"},
    {"tags_flac", [](const QString& f) { return tagWriter(f, "01.flac"); }, "01.flac"},
    {"tags_mp3", [](const QString& f) { return tagWriter(f, "01.mp3"); }, "01.mp3"},
    {"tags_ogg", [](const QString& f) { return tagWriter(f, "01.ogg"); }, "01.ogg"},
    {"tags_m4a", [](const QString& f) { return tagWriter(f, "01.m4a"); }, "01.m4a"},
    {"tags_wv", [](const QString& f) { return tagWriter(f, "01.wv"); }, "01.wv"},
};

// What each kind of call is failed with. After a short write a writer may carry on and
// complete the file.
const struct {
    const char* kind;
    const char* error;
} kFaults[] = {
    {"write", "ENOSPC"},  {"write", "EIO"},     {"write", "short"},  {"sync", "EIO"},
    {"rename", "ENOSPC"}, {"create", "ENOSPC"}, {"truncate", "EIO"},
};

// Every call of a kind while they are few; past that, this many spread from the first to the
// last, which keeps the suite within its minute.
constexpr int kMaxCallsPerKind = 12;

QList<int> callsToFault(int count) {
    QList<int> numbers;
    for (int i = 0; i < qMin(count, kMaxCallsPerKind); ++i)
        numbers.append(count <= kMaxCallsPerKind
                           ? i + 1
                           : 1 + int(qint64(i) * (count - 1) / (kMaxCallsPerKind - 1)));
    return numbers;
}

// How many calls of a kind the run made, up to the last one on the song when there is one.
int callCount(const QList<ShimCall>& calls, const QString& kind, const char* song) {
    qsizetype end = calls.size();
    if (song != nullptr)
        while (end > 0 && !calls[end - 1].file.contains(QLatin1String(song)))
            --end;
    int count = 0;
    for (qsizetype i = 0; i < end; ++i)
        if (calls[i].kind == kind)
            count = calls[i].number;
    return count;
}

QString faultedCall(const QList<ShimCall>& calls) {
    for (const ShimCall& call : calls)
        if (call.faulted)
            return call.function + QLatin1Char(' ') + call.file;
    return {};
}

QString countsText(const QList<ShimCall>& calls, const char* song) {
    QStringList counts;
    for (const char* kind : {"create", "write", "sync", "rename", "truncate"})
        counts.append(QStringLiteral("%1 %2")
                          .arg(callCount(calls, QString::fromLatin1(kind), song))
                          .arg(kind));
    return counts.join(QStringLiteral(", "));
}

class FaultSuite : public ::testing::TestWithParam<Writer> {};

TEST_P(FaultSuite, EveryFailedCallLeavesOldOrNewFiles) {
    const Writer& writer = GetParam();
    for (const char* tool : {"sox", "ffmpeg", "lame"})
        if (!test::toolInstalled(QString::fromLatin1(tool)))
            GTEST_SKIP() << tool << " is not installed";
    const QString folder = QDir(test::workRoot()).filePath(QString::fromLatin1(writer.name));
    QDir().mkpath(folder);
    const std::optional<QStringList> command = writer.prepare(folder);
    ASSERT_TRUE(command.has_value())
        << "could not make the files " << writer.name << " starts from";
    const Snapshot before = test::snapshot(folder);

    // The reference: a run without faults, twice, to see that its output depends on nothing
    // but its input.
    const test::ShimRun clean = test::runUnderShim(*command, folder);
    ASSERT_EQ(clean.exitCode, 0) << clean.err.toStdString();
    const Snapshot reference = test::snapshot(folder);
    test::restore(folder, before);
    ASSERT_EQ(test::runUnderShim(*command, folder).exitCode, 0);
    ASSERT_TRUE(test::snapshot(folder) == reference) << "two clean runs wrote different files";

    QStringList failures;
    int cases = 0;
    for (const auto& fault : kFaults) {
        const QString kind = QString::fromLatin1(fault.kind);
        for (const int nth : callsToFault(callCount(clean.calls, kind, writer.song))) {
            ++cases;
            test::restore(folder, before);
            const Fault injected{kind, nth, QString::fromLatin1(fault.error)};
            const test::ShimRun run = test::runUnderShim(*command, folder, injected);
            QStringList problems = test::judgeFolder(before, reference, test::snapshot(folder),
                                                     run.exitCode, kind == QLatin1String("sync"));
            const QString call = faultedCall(run.calls);
            if (call.isEmpty())
                problems.prepend(QStringLiteral("the call was never made"));
            for (const QString& problem : problems)
                failures.append(QStringLiteral("| %1 #%2 %3 | %4 | %5 | %6 |")
                                    .arg(kind)
                                    .arg(nth)
                                    .arg(injected.error, call)
                                    .arg(run.exitCode)
                                    .arg(problem));
        }
    }
    test::restore(folder, {});
    std::printf("%s: %s; %d cases, %lld problems\n", writer.name,
                qPrintable(countsText(clean.calls, writer.song)), cases,
                static_cast<long long>(failures.size()));
    if (!failures.isEmpty())
        ADD_FAILURE() << writer.name << ": " << failures.size() << " problems in " << cases
                      << " cases\n| fault | failed call | exit | what was wrong |\n"
                      << failures.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Writers, FaultSuite, ::testing::ValuesIn(kWriters),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace lccd
