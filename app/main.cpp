#include "app/Unit1.h"
#include "platform/ProgramPaths.h"
#include "platform/adapters/LibBurnDiscBurner.h"
#include "platform/adapters/MediaLength.h"
#include "platform/adapters/QtDesktopShell.h"
#include "platform/adapters/QtDialogs.h"
#include "platform/adapters/QtFonts.h"
#include "platform/adapters/QtPrinters.h"
#include "platform/adapters/SongDecoder.h"
#include "platform/adapters/TagLibMp3Infp.h"

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
    lccd::QtPrinterSystem printers;
    lccd::QtFontSystem fonts;
    lccd::QtDesktopShell shell;
    lccd::TagLibMp3Infp tags;
    lccd::HeaderMediaLengths lengths;
    lccd::SongDecoder decoder;
    lccd::LibBurnDiscBurner burner;
    const lccd::Services services{printers, fonts, shell, {tags, lengths, decoder}, burner};

    lccd::TForm1 mainWindow(paths, services);
    mainWindow.show();
    return QApplication::exec();
}
