#include "tests/app/MainWindowFixture.h"

#include "tests/support/ExternalTools.h"

#include <QImage>

namespace lccd {
namespace {

using ExportTest = test::MainWindowTest;

TEST_F(ExportTest, WritesThePreviewedPageAsPdfWithTextOrAsPng) {
    if (!test::toolInstalled(QStringLiteral("pdftotext")))
        GTEST_SKIP() << "poppler-utils is not installed";
    open();
    form->AddLayoutRow(
        QStringLiteral("文字,Yes,Yes,Yes,200,200,1500,53,1,左寄せ,No,,Label text 見本,"
                       "ＭＳ ゴシック,14,clBlack,clWhite"),
        kLayoutFieldCount);
    form->RedrawLayout(false);

    dialogs.answerFile(dir.filePath(QStringLiteral("sheet")));
    trigger("Export1");
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    const QString info = test::runTool(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QLatin1String("(A4)"))) << info.toStdString();
    const QString text = test::runTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("Label text 見本"))) << text.toStdString();

    dialogs.answerFile(dir.filePath(QStringLiteral("sheet.png")));
    dialogs.answerNumber(100);
    trigger("Export1");
    const QImage png(dir.filePath(QStringLiteral("sheet.png")));
    EXPECT_EQ(png.size(), QSize(827, 1169));
}

} // namespace
} // namespace lccd
