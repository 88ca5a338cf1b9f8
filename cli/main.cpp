#include "cli/Cli.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    // No window opens: Qt's offscreen platform gives the fonts and paint devices without a
    // display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("lccdtool-cli"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return lccd::RunCli(QGuiApplication::arguments(),
                        lccd::ProgramPaths::forExecutable(QGuiApplication::applicationFilePath()),
                        out, err);
}
