#include "app/Unit1.h"
#include "platform/ProgramPaths.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lccdtool"));

    // Qt's own buttons and dialogs speak Japanese, as the rest of the program does.
    QTranslator qtJapanese;
    if (qtJapanese.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtJapanese);

    lccd::TForm1 mainWindow(lccd::ProgramPaths::forExecutable(QApplication::applicationFilePath()));
    mainWindow.show();
    return QApplication::exec();
}
