#include "cli/Cli.h"
#include "platform/adapters/LibBurnDiscBurner.h"
#include "platform/adapters/MediaLength.h"
#include "platform/adapters/QtDesktopShell.h"
#include "platform/adapters/QtFonts.h"
#include "platform/adapters/QtPrinters.h"
#include "platform/adapters/SongDecoder.h"
#include "platform/adapters/TagLibMp3Infp.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    // No window opens: Qt's offscreen platform gives the fonts and paint devices without a
    // display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("lccdtool-cli"));

    // The desktop the commands run on; the dialogs are answered by the command line itself.
    lccd::QtPrinterSystem printers;
    lccd::QtFontSystem fonts;
    lccd::QtDesktopShell shell;
    lccd::TagLibMp3Infp tags;
    lccd::HeaderMediaLengths lengths;
    lccd::SongDecoder decoder;
    lccd::LibBurnDiscBurner burner;
    const lccd::Services services{printers, fonts, shell, {tags, lengths, decoder}, burner};

    QTextStream out(stdout);
    QTextStream err(stderr);
    return lccd::runCommandLine(
        QGuiApplication::arguments(),
        lccd::ProgramPaths::forExecutable(QGuiApplication::applicationFilePath()), services, out,
        err);
}
