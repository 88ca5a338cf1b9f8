#include "cli/Cli.h"
#include "platform/adapters/DesktopServices.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    // No window opens: Qt's offscreen platform gives the fonts and paint devices without a
    // display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("lccdtool-cli"));

    // The desktop the commands run on; the dialogs are answered by the command line itself.
    lccd::DesktopServices desktop;

    QTextStream out(stdout);
    QTextStream err(stderr);
    return lccd::runCommandLine(
        QGuiApplication::arguments(),
        lccd::ProgramPaths::forExecutable(QGuiApplication::applicationFilePath()),
        desktop.services(), out, err);
}
