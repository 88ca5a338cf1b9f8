#include "layout/LabelDatabase.h"
#include "platform/CodePage.h"
#include "tests/cli/CliProcess.h"
#include "tests/support/ExternalTools.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lccd {
namespace {

using test::runCli;

class CliLabelTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (installedLabelTemplatesFolder().isEmpty())
            GTEST_SKIP() << "glabels-data is not installed";
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
};

TEST_F(CliLabelTest, SheetsListsMatchingProductsAndSaysWhenNoneMatch) {
    const test::CliRun trays = runCli({QStringLiteral("sheets"), QStringLiteral("--cd"),
                                       QStringLiteral("canon"), QStringLiteral("tray")});
    ASSERT_EQ(trays.exitCode, 0) << trays.err.toStdString();
    EXPECT_TRUE(trays.out.contains(
        QStringLiteral("Canon\tType J Tray\tCD/DVD Tray\t1\t135.0 × 295.0 mm\n")))
        << trays.out.toStdString();
    EXPECT_EQ(trays.out.count(QLatin1Char('\n')), 6);

    const test::CliRun none = runCli({QStringLiteral("sheets"), QStringLiteral("no-such-label")});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_TRUE(none.out.isEmpty());
    EXPECT_TRUE(none.err.contains(QStringLiteral("no-such-label")));
}

TEST_F(CliLabelTest, SheetWritesTheSettingsRowAndTheGuidesAsALayout) {
    const QString guides = path(QStringLiteral("guides.csv"));
    const test::CliRun run = runCli(
        {QStringLiteral("sheet"), QStringLiteral("avery l6043"), QStringLiteral("-o"), guides});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const std::optional<LayoutFileContent> layout = readLayoutFile(guides).content;
    ASSERT_TRUE(layout);
    ASSERT_EQ(layout->rowLines.size(), 5);
    EXPECT_EQ(layout->rowLines[0], QStringLiteral("設定,,,,,,,,,,Yes,,A4,,,,"));
    // the second rim: centre (104.7, 217.5), radius 58.7 mm
    EXPECT_TRUE(
        layout->rowLines[3].startsWith(QStringLiteral("矩形,Yes,No,Yes,460,1588,1634,2762,,円")))
        << layout->rowLines[3].toStdString();

    const test::CliRun unknown = runCli(
        {QStringLiteral("sheet"), QStringLiteral("Avery NOPE"), QStringLiteral("-o"), guides});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("Avery NOPE")));
}

int bluePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor color = image.pixelColor(x, y);
            count += color.blue() - color.red() > 40 ? 1 : 0;
        }
    return count;
}

TEST_F(CliLabelTest, RenderDrawsTheGuidesOnlyWhenAsked) {
    const QString guides = path(QStringLiteral("guides.csv"));
    ASSERT_EQ(runCli({QStringLiteral("sheet"), QStringLiteral("Avery L6043"), QStringLiteral("-o"),
                      guides})
                  .exitCode,
              0);
    const QString plain = path(QStringLiteral("plain.png"));
    const QString shown = path(QStringLiteral("shown.png"));
    ASSERT_EQ(runCli({QStringLiteral("render"), guides, QStringLiteral("-o"), plain,
                      QStringLiteral("--dpi"), QStringLiteral("72")})
                  .exitCode,
              0);
    ASSERT_EQ(runCli({QStringLiteral("render"), guides, QStringLiteral("-o"), shown,
                      QStringLiteral("--dpi"), QStringLiteral("72"), QStringLiteral("--guides")})
                  .exitCode,
              0);
    EXPECT_EQ(bluePixels(QImage(plain)), 0);
    EXPECT_GT(bluePixels(QImage(shown)), 1000);
}

TEST_F(CliLabelTest, CalibrationWritesTheSheetForThePaperAsPageOrLayout) {
    if (!test::toolInstalled(QStringLiteral("pdftotext")))
        GTEST_SKIP() << "poppler-utils is not installed";
    const QString pdf = path(QStringLiteral("calibration.pdf"));
    const test::CliRun run =
        runCli({QStringLiteral("calibration"), QStringLiteral("-o"), pdf, QStringLiteral("--paper"),
                QStringLiteral("A5"), QStringLiteral("--offset"), QStringLiteral("20,-15")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString text = test::runTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("用紙 148.0 × 210.0 mm"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("補横 +20・補縦 -15")));
    EXPECT_TRUE(text.contains(QStringLiteral("74.0 mm（横）・105.0 mm（縦）")));

    const QString csv = path(QStringLiteral("calibration.csv"));
    ASSERT_EQ(runCli({QStringLiteral("calibration"), QStringLiteral("-o"), csv,
                      QStringLiteral("--landscape")})
                  .exitCode,
              0);
    const std::optional<LayoutFileContent> layout = readLayoutFile(csv).content;
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->rowLines.value(0), QStringLiteral("設定,,,,,,,,,,No,,A4,,,,"));
    EXPECT_GT(layout->rowLines.size(), 500);

    EXPECT_EQ(runCli({QStringLiteral("calibration"), QStringLiteral("-o"),
                      path(QStringLiteral("sheet.txt"))})
                  .exitCode,
              2);
}

} // namespace
} // namespace lccd
