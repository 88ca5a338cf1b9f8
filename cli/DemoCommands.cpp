#include "cli/DemoCommands.h"

#include "cdlist/DiscInfo.h"
#include "cdlist/LabelLayout.h"
#include "cdlist/LabelTemplate.h"
#include "cdlist/PlayingTime.h"
#include "cli/HeadlessSheet.h"
#include "layout/LayoutIniStore.h"
#include "platform/AppError.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"

namespace lccd {
namespace {

constexpr int kDefaultDemoSongs = 6;

DiscInfo demoDisc() {
    DiscInfo disc;
    disc.albumTitle = QStringLiteral("港町スケッチ");
    disc.subtitle1 = QStringLiteral("春の演奏会 ライブ録音");
    disc.subtitle2 = QStringLiteral("第一部");
    disc.discPerformer = QStringLiteral("みなと室内合奏団");
    disc.discId = QStringLiteral("0001");
    disc.releaseYear = QStringLiteral("2024");
    return disc;
}

TrackRows demoSongs(int count) {
    static const char* const titles[] = {"朝の港",     "かもめのワルツ", "坂道の散歩",
                                         "灯台守の歌", "夕凪",           "帰り道"};
    TrackRows tracks;
    for (int i = 0; i < count; ++i) {
        TrackRow& song = tracks[size_t(i)];
        song.check = QStringLiteral("1");
        song.title = i < int(std::size(titles))
                         ? QString::fromUtf8(titles[i])
                         : QStringLiteral("小品 第%1番").arg(i + 1 - int(std::size(titles)));
        song.time = FormatPlayingTime(150 + (i * 47) % 140);
    }
    return tracks;
}

} // namespace

QList<QByteArray> demoJacketLines(int songCount) {
    return labelLayoutLines(builtInLabelTemplate(), demoDisc(), demoSongs(songCount));
}

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
