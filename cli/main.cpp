#include "cli/Cli.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    // No window opens: Qt's offscreen platform gives the fonts and paint devices without a
    // display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lccdtool-cli"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return lccd::RunCli(QApplication::arguments(),
                        lccd::ProgramPaths::forExecutable(QApplication::applicationFilePath()), out,
                        err);
}
