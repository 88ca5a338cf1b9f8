#include "platform/FileIO.h"
#include "tests/cli/CliProcess.h"
#include "tests/support/ExternalTools.h"
#include "tests/support/TestSongs.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lccd {
namespace {

// The system calls of one run of lccdtool-cli, as strace logs them, and its exit status.
std::pair<QStringList, int> tracedRun(const QTemporaryDir& dir, const QStringList& arguments) {
    const QString log = dir.filePath(QStringLiteral("strace.log"));
    QProcess strace;
    // LeakSanitizer cannot run under ptrace and would fail a sanitized build's every run.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    strace.setProcessEnvironment(environment);
    strace.start(QStringLiteral("strace"),
                 QStringList{QStringLiteral("-f"), QStringLiteral("-qq"), QStringLiteral("-o"), log,
                             QStringLiteral("-e"), QStringLiteral("trace=connect,openat"),
                             QStringLiteral(LCCD_CLI_PATH)} +
                     arguments);
    strace.waitForFinished(120000);
    return {QString::fromUtf8(readWholeFile(log)).split(QLatin1Char('\n')), strace.exitCode()};
}

bool anyCall(const QStringList& calls, const char* call, const QStringList& words) {
    for (const QString& line : calls)
        if (line.contains(QLatin1String(call)))
            for (const QString& word : words)
                if (line.contains(word))
                    return true;
    return false;
}

struct StartupCase {
    QStringList arguments;
    int exitCode;
    bool printSystem;   // connects to CUPS
    bool songLibraries; // loads FFmpeg, TagLib, libburn and libebur128
};

// A command that writes files asks neither CUPS nor D-Bus, and only the commands that read songs
// load the song libraries; printing asks CUPS for its queues.
TEST(CliStartupTest, CommandsReachThePrintSystemAndLoadSongLibrariesOnlyWhenTheyNeedThem) {
    if (!test::toolInstalled(QStringLiteral("strace")))
        GTEST_SKIP() << "strace is not installed";
    QTemporaryDir dir;
    const QString layout = dir.filePath(QStringLiteral("demo.csv"));
    const QString songs = dir.filePath(QStringLiteral("songs"));
    QDir().mkpath(songs);
    test::writeTestWav(songs + QStringLiteral("/01 朝.wav"), 44100);
    const StartupCase table[] = {
        {{QStringLiteral("demo"), layout}, 0, false, false},
        {{QStringLiteral("store"), layout, dir.filePath(QStringLiteral("lccdtool.ini"))},
         0,
         false,
         false},
        {{QStringLiteral("render"), layout, QStringLiteral("-o"),
          dir.filePath(QStringLiteral("demo.pdf"))},
         0,
         false,
         false},
        {{QStringLiteral("calibration"), QStringLiteral("-o"),
          dir.filePath(QStringLiteral("calibration.png"))},
         0,
         false,
         false},
        {{QStringLiteral("disc"), songs, QStringLiteral("--performer"), QStringLiteral("みなと")},
         0,
         false,
         true},
        {{QStringLiteral("image"), songs, QStringLiteral("-o"),
          dir.filePath(QStringLiteral("disc.wav"))},
         0,
         false,
         true},
        // the print stops once CUPS has said it has no such queue
        {{QStringLiteral("print"), layout, QStringLiteral("--printer"), QStringLiteral("nowhere")},
         2,
         true,
         false},
    };
    for (const StartupCase& c : table) {
        SCOPED_TRACE(c.arguments.first().toStdString());
        const auto [calls, exitCode] = tracedRun(dir, c.arguments);
        EXPECT_EQ(exitCode, c.exitCode);
        EXPECT_EQ(
            anyCall(calls, "connect(", {QStringLiteral("cups.sock"), QStringLiteral("htons(631)")}),
            c.printSystem);
        EXPECT_EQ(
            anyCall(calls, "openat(",
                    {QStringLiteral("libQt6PrintSupport"), QStringLiteral("lccdtool-printers")}),
            c.printSystem);
        if (!c.printSystem) {
            EXPECT_FALSE(anyCall(calls, "connect(", {QStringLiteral("dbus")}));
        }
        EXPECT_EQ(anyCall(calls, "openat(",
                          {QStringLiteral("libavcodec"), QStringLiteral("libtag."),
                           QStringLiteral("libburn"), QStringLiteral("libebur128")}),
                  c.songLibraries);
    }
}

} // namespace
} // namespace lccd
