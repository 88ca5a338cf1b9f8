// From creating the main window to its first painted preview, with the jacket template and 25
// songs as the layout stored in the INI file, on the built-in PDF printer (offscreen).
#include "app/Unit1.h"
#include "bench/JacketRows.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"
#include "platform/adapters/DesktopServices.h"
#include "platform/adapters/QtDialogs.h"
#include "render/LcPrnPrev.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_StartToFirstPaintedPreview(benchmark::State& state) {
    QTemporaryDir dir;
    lccd::ProgramPaths paths;
    paths.programPath = dir.filePath(QStringLiteral("lccdtool"));
    paths.iniPath = dir.filePath(QStringLiteral("lccdtool.ini"));
    paths.readFolders = {dir.path()};
    QList<QByteArray> ini{"[General]", "Name=MarovellApplication", "[ListView]"};
    const QStringList rows = jacketRows();
    for (int i = 0; i < rows.size(); ++i)
        ini.append(lccd::toSjis(QStringLiteral("Item%1=%2").arg(i).arg(rows[i])));
    lccd::writeFileAtomically(paths.iniPath, lccd::joinLinesCrLf(ini));

    // The services as the program's main chooses them.
    lccd::QtDialogs dialogs;
    const lccd::Service<lccd::DialogAdapter>::Override useDialogs(dialogs);
    lccd::DesktopServices desktop;

    for (auto _ : state) {
        lccd::TForm1 window(paths, desktop.services());
        window.show();
        benchmark::DoNotOptimize(window.preview().grab());
    }
}
BENCHMARK(BM_StartToFirstPaintedPreview)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
