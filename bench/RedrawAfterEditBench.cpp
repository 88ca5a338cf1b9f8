// The preview following the list: one song row of the jacket template (25 songs) is edited in
// the main window, and the coalesced redraw runs when the event loop comes round, on the
// built-in PDF printer at zoom 100 (offscreen). Measured: the edit, the drawing pass and the
// repaint of the preview it brings; and three edits in one turn, which make one pass.
#include "app/Unit1.h"
#include "bench/JacketRows.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"
#include "platform/adapters/DesktopServices.h"
#include "platform/adapters/QtDialogs.h"
#include "render/LcPrnPrev.h"

#include <QApplication>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct Window {
    QTemporaryDir dir;
    lccd::ProgramPaths paths;
    lccd::QtDialogs dialogs;
    lccd::Service<lccd::DialogAdapter>::Override useDialogs{dialogs};
    lccd::DesktopServices desktop;
    std::unique_ptr<lccd::TForm1> window;
    int firstSong = 0;

    Window() {
        paths.programPath = dir.filePath(QStringLiteral("lccdtool"));
        paths.iniPath = dir.filePath(QStringLiteral("lccdtool.ini"));
        paths.readFolders = {dir.path()};
        QList<QByteArray> ini{"[General]", "Name=MarovellApplication", "[Form1]", "Zoom=100",
                              "[ListView]"};
        const QStringList rows = jacketRows();
        for (int i = 0; i < rows.size(); ++i)
            ini.append(lccd::toSjis(QStringLiteral("Item%1=%2").arg(i).arg(rows[i])));
        lccd::writeFileAtomically(paths.iniPath, lccd::joinLinesCrLf(ini));
        firstSong = int(rows.size()) - 25;

        window = std::make_unique<lccd::TForm1>(paths, desktop.services());
        window->show();
        window->findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(1);
        QCoreApplication::processEvents();
        if (window->preview().ZoomScale() != 100)
            std::abort();
    }

    // Edits the value of a song row, as the item dialog's OK or an undo would.
    void editSong(int song, int round) {
        window->layoutList().setField(firstSong + song, lccd::Field::Value,
                                      QStringLiteral("%1 004:%2 海辺の歌 その%3 (%4)")
                                          .arg(song + 1, 2, 10, QLatin1Char('0'))
                                          .arg(song + 11)
                                          .arg(song + 1)
                                          .arg(round));
    }

    // Lets the event loop come round until the redraw has run and painted.
    void settle(benchmark::State& state, int passesBefore) {
        while (window->redrawPending())
            QCoreApplication::processEvents();
        window->preview().repaint();
        if (window->passCount() != passesBefore + 1)
            state.SkipWithError("the edits did not make exactly one pass");
    }
};

void BM_OneRowEditThenCoalescedRedrawAtZoom100(benchmark::State& state) {
    Window w;
    int round = 0;
    for (auto _ : state) {
        const int passes = w.window->passCount();
        w.editSong(round % 25, round);
        w.settle(state, passes);
        ++round;
    }
}
BENCHMARK(BM_OneRowEditThenCoalescedRedrawAtZoom100)->Unit(benchmark::kMillisecond);

void BM_ThreeRowEditsInOneTurnMakeOnePass(benchmark::State& state) {
    Window w;
    int round = 0;
    for (auto _ : state) {
        const int passes = w.window->passCount();
        for (int song = 0; song < 3; ++song)
            w.editSong(song, round);
        w.settle(state, passes);
        ++round;
    }
}
BENCHMARK(BM_ThreeRowEditsInOneTurnMakeOnePass)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
