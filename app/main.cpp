#include "app/Unit1.h"
#include "platform/ProgramPaths.h"
#include "platform/adapters/DesktopServices.h"
#include "platform/adapters/QtDialogs.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lccdtool"));
    const lccd::ProgramPaths paths =
        lccd::ProgramPaths::forExecutable(QApplication::applicationFilePath());

    // Qt's own buttons and dialogs speak Japanese, as the rest of the program does: from the
    // translation installed with the program, else from Qt's.
    QTranslator qtJapanese;
    for (const QString& folder :
         paths.readFolders + QStringList{QLibraryInfo::path(QLibraryInfo::TranslationsPath)})
        if (qtJapanese.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"),
                            QStringLiteral("_"), folder)) {
            QApplication::installTranslator(&qtJapanese);
            break;
        }

    // The desktop the program runs on.
    lccd::QtDialogs dialogs;
    const lccd::Service<lccd::DialogAdapter>::Override useDialogs(dialogs);
    lccd::DesktopServices desktop;

    lccd::TForm1 mainWindow(paths, desktop.services());
    mainWindow.show();
    return QApplication::exec();
}
