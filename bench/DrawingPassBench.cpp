// A drawing pass of 40 shape rows on the built-in 600-dpi PDF printer: recording the page, and
// replaying it into the preview at zoom 200.
#include "platform/QtPrinters.h"
#include "render/DrawingPass.h"
#include "tests/support/FakePassHost.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

void addShapeRows(lccd::LayoutList& list) {
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
    for (int i = 0; i < 40; ++i)
        list.append(lccd::LayoutItem::fromRowLine(shapes[i % shapes.size()]));
}

struct Setup {
    lccd::QtPrinterSystem printers;
    lccd::Service<lccd::PrinterSystem>::Override use{printers};
    lccd::TLcPrnPrev surface;
    lccd::test::FakePassHost host;
    lccd::LayoutDrawingPass pass{surface, host};
    lccd::LayoutList rows;

    Setup() {
        addShapeRows(rows);
        printers.setCurrentIndex(int(printers.printerNames().size()) - 1);
        lccd::PrinterInfo info;
        surface.GetPrinterInfo(info);
        host.papers = info.paperNames;
        surface.setZoomScale(200);
    }
};

void BM_RecordShapePass(benchmark::State& state) {
    Setup setup;
    for (auto _ : state)
        setup.pass.RedrawLayout(setup.rows, false);
}
BENCHMARK(BM_RecordShapePass)->Unit(benchmark::kMicrosecond);

void BM_ReplayPreviewZoom200(benchmark::State& state) {
    Setup setup;
    setup.pass.RedrawLayout(setup.rows, false);
    QImage screen(setup.surface.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        setup.surface.render(&screen);
}
BENCHMARK(BM_ReplayPreviewZoom200)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
