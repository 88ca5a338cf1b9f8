#include "cli/DemoCommands.h"

#include "cli/HeadlessSheet.h"
#include "disc/DemoJacket.h"
#include "disc/TrackRow.h"
#include "layout/LayoutIniStore.h"
#include "platform/AppError.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"

namespace lccd {

int demoCommand(const QStringList& arguments, CliContext&) {
    QCommandLineParser parser;
    parser.addOption(valueOption({QStringLiteral("songs")}));
    parseCommand(parser, arguments, 1);
    const int songs =
        intOption(parser, QStringLiteral("songs"), 1, kTrackRowCount, kDefaultDemoSongs);
    writeFileAtomically(parser.positionalArguments().first(),
                        joinLinesCrLf(demoJacketLines(songs)));
    return 0;
}

int storeCommand(const QStringList& arguments, CliContext&) {
    QCommandLineParser parser;
    parseCommand(parser, arguments, 2);
    const LayoutFileContent content = readLayoutOrThrow(parser.positionalArguments()[0]);
    QList<LayoutItem> rows;
    for (const QString& line : content.rowLines)
        rows.append(LayoutItem::fromRowLine(line, content.headerFieldCount));
    const QString iniPath = parser.positionalArguments()[1];
    if (const IniStoreOutcome outcome = SaveLayoutToIni(iniPath, rows);
        outcome == IniStoreOutcome::TooLarge)
        throw AppError(describeIniStoreOutcome(outcome, iniPath));
    return 0;
}

} // namespace lccd
