#include "cli/Cli.h"
#include "platform/adapters/LoadedPrintModule.h"
#include "platform/adapters/LoadedSongModule.h"
#include "platform/adapters/QtDesktopShell.h"
#include "platform/adapters/QtFonts.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    // No window opens: Qt's offscreen platform gives the fonts and paint devices without a
    // display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("lccdtool-cli"));

    // The desktop the commands run on; the dialogs are answered by the command line itself.
    // The print system (with Qt Widgets and PrintSupport) and the song libraries are loaded
    // only by the commands that use them.
    lccd::LoadedPrintModule printers;
    lccd::QtFontSystem fonts;
    lccd::QtDesktopShell shell;
    lccd::LoadedSongModule songs;
    lccd::NoAudioOutput sound;
    const lccd::Services services{printers, fonts, shell, songs.songs(), songs.burner(), sound};

    QTextStream out(stdout);
    QTextStream err(stderr);
    return lccd::runCommandLine(
        QGuiApplication::arguments(),
        lccd::ProgramPaths::forExecutable(QGuiApplication::applicationFilePath()), services, out,
        err);
}
