#include "cli/Cli.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"
#include "platform/adapters/LoadedPrintModule.h"
#include "platform/adapters/QtFonts.h"
#include "tests/cli/CliProcess.h"
#include "tests/support/ExternalTools.h"
#include "tests/support/StrictServices.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lccd {
namespace {

using test::runCli;

class CliRenderTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!test::toolInstalled(QStringLiteral("pdfinfo")))
            GTEST_SKIP() << "poppler-utils is not installed";
        // A postcard in landscape with a row of every kind; the picture is named without a
        // folder and found in the project folder.
        QImage red(30, 30, QImage::Format_RGB32);
        red.fill(Qt::red);
        ASSERT_TRUE(red.save(dir.filePath(QStringLiteral("red.png"))));
        const QString paragraph = dir.filePath(QStringLiteral("paragraph.txt"));
        writeFileAtomically(paragraph, toSjis(QStringLiteral("段落の文章です。\r\n")));
        test::writeLayout(
            layout,
            {QStringLiteral("設定,Yes,Yes,Yes,,,,,,左寄せ,No,13.5,官製ハガキ,,,,"),
             QStringLiteral("矩形,Yes,Yes,Yes,50,50,1430,950,,矩形,No,,,,1,clBlack,clWhite"),
             QStringLiteral("罫線,Yes,Yes,Yes,100,250,1300,250,,左寄せ,No,,,,1,clBlack,clWhite"),
             QStringLiteral("文字,Yes,Yes,Yes,100,100,1200,53,1,左寄せ,No,,Render 見本,"
                            "ＭＳ ゴシック,14,clBlack,clWhite"),
             QStringLiteral("文章,Yes,Yes,Yes,100,300,1200,300,,左寄せ,No,13.5,%1,ＭＳ 明朝,10.5,"
                            "clBlack,clWhite")
                 .arg(paragraph),
             QStringLiteral(
                 "画像,Yes,Yes,Yes,1000,500,300,300,,左寄せ,No,,red.png,,,clBlack,clWhite"),
             QStringLiteral("バーコード,Yes,Yes,Yes,100,800,1000,60,,左寄せ,No,,1000001 1-1-1,,10,"
                            "clBlack,clWhite")});
    }

    // The page size pdfinfo reports, in points.
    static QSizeF pageSize(const QString& pdf) {
        const QRegularExpressionMatch match =
            QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts"))
                .match(test::runTool(QStringLiteral("pdfinfo"), {pdf}));
        return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble())
                                : QSizeF();
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    const QString layout = dir.filePath(QStringLiteral("every-kind.csv"));
};

TEST_F(CliRenderTest, WritesTheLayoutsPaperAsPdfWithTextAndAsPngOfTheAskedSize) {
    const QString pdf = path(QStringLiteral("sheet.pdf"));
    const test::CliRun run = runCli({QStringLiteral("render"), layout, QStringLiteral("-o"), pdf,
                                     QStringLiteral("--project-folder"), dir.path()});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QSizeF size = pageSize(pdf); // the postcard of the settings row, turned: 148 × 100 mm
    EXPECT_NEAR(size.width(), 148 / 25.4 * 72, 1);
    EXPECT_NEAR(size.height(), 100 / 25.4 * 72, 1);
    const QString text = test::runTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("Render 見本"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("段落の文章です"))) << text.toStdString();

    // At 254 dpi one pixel is 0.1 mm, as layout units are.
    const QString png = path(QStringLiteral("sheet.png"));
    ASSERT_EQ(runCli({QStringLiteral("render"), layout, QStringLiteral("--output"), png,
                      QStringLiteral("--dpi"), QStringLiteral("254"),
                      QStringLiteral("--project-folder"), dir.path()})
                  .exitCode,
              0);
    const QImage picture(png);
    EXPECT_EQ(picture.size(), QSize(1480, 1000));
    EXPECT_EQ(picture.pixelColor(1150, 650), QColor(Qt::red))
        << "the picture of the project folder";
}

// The command line draws on the sheet surface alone, so it needs no widget toolkit: a render in
// this process leaves no widget behind.
TEST_F(CliRenderTest, RendersWithoutAnyWidget) {
    QString output;
    QString errors;
    QTextStream out(&output);
    QTextStream err(&errors);
    const QString pdf = path(QStringLiteral("in-process.pdf"));
    LoadedPrintModule printers;
    QtFontSystem fonts;
    const Services services = test::TestServices().with(printers).with(fonts).services();
    EXPECT_EQ(runCommandLine(
                  {QStringLiteral("lccdtool-cli"), QStringLiteral("render"), layout,
                   QStringLiteral("-o"), pdf, QStringLiteral("--project-folder"), dir.path()},
                  ProgramPaths::forExecutable(QStringLiteral(LCCD_CLI_PATH)), services, out, err),
              0)
        << errors.toStdString();
    EXPECT_TRUE(QFileInfo(pdf).size() > 0);
    EXPECT_TRUE(QApplication::allWidgets().isEmpty());
}

TEST_F(CliRenderTest, PaperOnTheCommandLineWinsOverTheSettingsRow) {
    const QString pdf = path(QStringLiteral("a5.pdf"));
    const test::CliRun run =
        runCli({QStringLiteral("render"), layout, QStringLiteral("-o"), pdf,
                QStringLiteral("--paper"), QStringLiteral("a5"), QStringLiteral("--portrait")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QSizeF size = pageSize(pdf);
    EXPECT_NEAR(size.width(), 148 / 25.4 * 72, 1);
    EXPECT_NEAR(size.height(), 210 / 25.4 * 72, 1);
}

TEST_F(CliRenderTest, FailuresExitWithOneAndWrongUsageWithTwo) {
    const QString missing = path(QStringLiteral("missing.csv"));
    test::CliRun run = runCli(
        {QStringLiteral("render"), missing, QStringLiteral("-o"), path(QStringLiteral("x.pdf"))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(missing)) << run.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("x.pdf"))));

    const QString out = path(QStringLiteral("out.png"));
    const QStringList wrongUsages[] = {
        {},
        {QStringLiteral("paint")},
        {QStringLiteral("render"), layout},
        {QStringLiteral("render"), layout, QStringLiteral("-o"), path(QStringLiteral("out.txt"))},
        {QStringLiteral("render"), layout, QStringLiteral("-o"), out, QStringLiteral("--dpi"),
         QStringLiteral("10")},
        {QStringLiteral("render"), layout, QStringLiteral("-o"), out, QStringLiteral("--offset"),
         QStringLiteral("5")},
        {QStringLiteral("render"), layout, QStringLiteral("-o"), out, QStringLiteral("--paper"),
         QStringLiteral("Z9")},
        {QStringLiteral("render"), layout, QStringLiteral("-o"), out, QStringLiteral("--sideways")},
        {QStringLiteral("print"), layout, QStringLiteral("--copies"), QStringLiteral("0")},
    };
    for (const QStringList& arguments : wrongUsages) {
        run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QLatin1String("--help"))) << run.err.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(out));
}

TEST(CliHelpTest, SpeaksTheLanguageOfTheLocale) {
    const test::CliRun english = runCli({QStringLiteral("--help")}, {QStringLiteral("LC_ALL=C")});
    const test::CliRun japanese = runCli({QStringLiteral("render"), QStringLiteral("-h")},
                                         {QStringLiteral("LC_ALL=ja_JP.UTF-8")});
    EXPECT_EQ(english.exitCode, 0);
    EXPECT_EQ(japanese.exitCode, 0);
    EXPECT_TRUE(english.out.startsWith(QLatin1String("Usage: lccdtool-cli")));
    EXPECT_TRUE(japanese.out.startsWith(QStringLiteral("使い方: lccdtool-cli")));
    for (const char* command : {"render LAYOUT", "print LAYOUT", "disc FOLDER"})
        EXPECT_TRUE(english.out.contains(QLatin1String(command))) << command;
    // Both languages tell every command once, and the options once.
    for (const char* word :
         {"render", "print", "disc", "image", "burn", "drives", "demo", "store", "sheets", "sheet",
          "calibration", "--gap", "--nocut", "--tags", "--overwrite-tags"}) {
        const QRegularExpression entry(QStringLiteral("^  %1( |$)").arg(QLatin1String(word)),
                                       QRegularExpression::MultilineOption);
        EXPECT_EQ(english.out.count(entry), 1) << word;
        EXPECT_EQ(japanese.out.count(entry), 1) << word;
    }
}

} // namespace
} // namespace lccd
