// lccdtool-man OUTDIR DATE: writes the manual pages of lccdtool and lccdtool-cli, in English
// (OUTDIR/man1) and Japanese (OUTDIR/ja/man1), from the texts the programs show.
#include "cli/CliText.h"
#include "cli/ManPage.h"
#include "cli/WindowManText.h"
#include "platform/AppError.h"
#include "platform/FileIO.h"
#include "platform/ProgramVersion.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fputs("usage: lccdtool-man OUTDIR DATE\n", stderr);
        return 2;
    }
    struct Page {
        const char* program;
        QString (*text)(bool japanese);
    };
    const Page pages[] = {{"lccdtool", lccd::windowManText}, {"lccdtool-cli", lccd::cliHelpText}};
    try {
        for (const bool japanese : {false, true}) {
            const QDir folder(arguments[1] + (japanese ? "/ja/man1" : "/man1"));
            QDir().mkpath(folder.path());
            for (const Page& page : pages) {
                const lccd::ManPageTitle title{QString::fromLatin1(page.program),
                                               QStringLiteral("lccdtool " LCCD_VERSION_TEXT),
                                               arguments[2], japanese};
                lccd::writeFileAtomically(folder.filePath(title.program + ".1"),
                                          lccd::manPage(page.text(japanese), title).toUtf8());
            }
        }
    } catch (const lccd::AppError& error) {
        std::fprintf(stderr, "lccdtool-man: %s\n", error.message().toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
