#include "cli/Cli.h"
#include "platform/adapters/QtFonts.h"
#include "tests/cli/CliProcess.h"
#include "tests/support/FakePrinters.h"
#include "tests/support/StrictServices.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lccd {
namespace {

class CliPrintTest : public ::testing::Test {
protected:
    int run(const QStringList& arguments) {
        QTextStream out(&outText);
        QTextStream err(&errText);
        return runCommandLine(QStringList{QStringLiteral("lccdtool-cli")} + arguments,
                              ProgramPaths(), services, out, err);
    }

    QTemporaryDir dir;
    const QString layout = dir.filePath(QStringLiteral("label.csv"));
    test::FakePrinters printers;
    QtFontSystem fonts;
    const Services services = test::TestServices().with(printers).with(fonts).services();
    QString outText;
    QString errText;
};

TEST_F(CliPrintTest, PrintsOnTheNamedPrinterInCopiesOnThePaperAsked) {
    test::writeLayout(layout,
                      {QStringLiteral("設定,Yes,Yes,Yes,,,,,,左寄せ,Yes,13.5,A4,,,,"),
                       QStringLiteral("矩形,Yes,Yes,Yes,100,100,500,500,,矩形,No,,,,1,clBlack,"
                                      "clWhite")});
    printers.names.append(QStringLiteral("Label.Writer"));
    printers.settings.declaresCopies = true;

    EXPECT_EQ(run({QStringLiteral("print"), layout, QStringLiteral("--printer"),
                   QStringLiteral("Label.Writer"), QStringLiteral("--copies"), QStringLiteral("3"),
                   QStringLiteral("--paper"), QStringLiteral("B5"), QStringLiteral("--landscape")}),
              0)
        << errText.toStdString();
    EXPECT_EQ(printers.current, 1);
    ASSERT_EQ(printers.jobs.size(), 1);
    EXPECT_EQ(printers.jobs[0].copies, 3);
    EXPECT_EQ(printers.jobs[0].title, QStringLiteral("label.csv"));
    EXPECT_EQ(printers.settings.paperCode, 13) << "B5 (JIS)";
    EXPECT_EQ(printers.settings.orientation, PaperOrientation::Landscape);

    EXPECT_EQ(run({QStringLiteral("print"), layout, QStringLiteral("--printer"),
                   QStringLiteral("Nowhere")}),
              2);
    EXPECT_TRUE(errText.contains(QStringLiteral("Office.Laser, Label.Writer")))
        << errText.toStdString();
    EXPECT_EQ(printers.jobs.size(), 1);
}

// Through the real queue that ./test.sh sets up: a job that cannot start (its spool file cannot
// be made, the temporary folder being a file) ends the program with 1 and says why.
TEST_F(CliPrintTest, AJobThatCannotStartExitsWithOne) {
    const QString queue = qEnvironmentVariable("LCCD_TEST_CUPS_QUEUE");
    if (queue.isEmpty())
        GTEST_SKIP() << "no CUPS test queue: ./test.sh starts one when it runs as root";
    test::writeLayout(layout, {QStringLiteral("矩形,Yes,Yes,Yes,100,100,500,500,,矩形,No,,,,1,"
                                              "clBlack,clWhite")});
    const QString notAFolder = dir.filePath(QStringLiteral("file"));
    QFile(notAFolder).open(QIODevice::WriteOnly);
    const test::CliRun run = test::runCli(
        {QStringLiteral("print"), layout, QStringLiteral("--printer"), queue},
        {QStringLiteral("TMPDIR=") + notAFolder, QStringLiteral("QT_QPA_PLATFORM=offscreen")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("印刷を開始できません: ") + queue))
        << run.err.toStdString();
}

} // namespace
} // namespace lccd
