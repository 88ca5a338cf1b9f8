// Drawing passes on the built-in 600-dpi PDF printer: recording the page, and replaying it into
// the preview at zoom 200. Two layouts: 40 shape rows, and the jacket template with 25 songs
// drawn with real fonts.
#include "bench/JacketRows.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"
#include "platform/adapters/QtFonts.h"
#include "platform/adapters/QtPrinters.h"
#include "render/DrawingPass.h"
#include "render/LcPrnPrev.h"

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QStringList shapeRows() {
    const QStringList shapes = {
        QStringLiteral("矩形,Yes,Yes,Yes,100,100,2500,1300,,左寄せ,No,13.5,,ＭＳ "
                       "Ｐゴシック,3.0,clGray,clWhite"),
        QStringLiteral("矩形,Yes,Yes,Yes,105,1200,1300,1295,,左寄せ,No,13.5,,ＭＳ "
                       "Ｐゴシック,0.3,clGray,$00B7BDC8"),
        QStringLiteral("矩形,Yes,Yes,Yes,990,1210,1220,1290,10,角丸,No,13.5,,ＭＳ "
                       "Ｐゴシック,0.7,clNavy,clWhite"),
        QStringLiteral("矩形,Yes,Yes,Yes,1350,500,2450,1250,,円,No,13.5,,,2.5,clTeal,clYellow"),
        QStringLiteral("罫線,Yes,Yes,Yes,1300,100,1300,1200,,左寄せ,No,13.5,,ＭＳ "
                       "Ｐゴシック,0.3,clGray,clWhite"),
    };
    QStringList rows;
    for (int i = 0; i < 40; ++i)
        rows.append(shapes[i % shapes.size()]);
    return rows;
}

// One paragraph row over a text file of 2000 lines of Japanese and ASCII.
QStringList paragraphRow() {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lines.txt"));
    QList<QByteArray> lines;
    for (int i = 0; i < 2000; ++i)
        lines.append(lccd::toSjis(
            QStringLiteral("%1 夏の終わりのコンサート、海辺の歌 Summer song number %1。").arg(i)));
    lccd::writeFileAtomically(path, lccd::joinLinesCrLf(lines));
    return {QStringLiteral("文章,Yes,Yes,Yes,200,200,1700,2500,,左寄せ,No,13.5,%1,ＭＳ 明朝,9.0,"
                           "clWindowText,clWhite")
                .arg(path)};
}

struct Setup {
    lccd::QtPrinterSystem printers;
    lccd::QtFontSystem fonts;
    lccd::SheetSurface surface{printers, fonts};
    lccd::TLcPrnPrev preview{surface};
    lccd::LayoutDrawingPass pass{surface};
    lccd::SheetInputs inputs;
    lccd::LayoutList rows;

    explicit Setup(const QStringList& lines) {
        for (const QString& line : lines)
            rows.append(lccd::LayoutItem::fromRowLine(line));
        printers.setCurrentIndex(int(printers.printerNames().size()) - 1);
        lccd::PrinterInfo info;
        surface.GetPrinterInfo(info);
        inputs.paperNames = info.paperNames;
        inputs.selectedPaperIndex = 0;
        inputs.printerDpiX = info.dpiX;
        preview.setZoomScale(200);
        pass.RedrawLayout(rows, false,
                          inputs); // fonts and their metrics are loaded once, as at start
    }
};

void recordPass(benchmark::State& state, const QStringList& lines) {
    Setup setup(lines);
    for (auto _ : state)
        setup.pass.RedrawLayout(setup.rows, false, setup.inputs);
}

void replayAtZoom200(benchmark::State& state, const QStringList& lines) {
    Setup setup(lines);
    QImage screen(setup.preview.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        setup.preview.render(&screen);
}

BENCHMARK_CAPTURE(recordPass, shapes40, shapeRows())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(replayAtZoom200, shapes40, shapeRows())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(recordPass, jacket25songs, jacketRows())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(replayAtZoom200, jacket25songs, jacketRows())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(recordPass, paragraph2000lines, paragraphRow())->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
