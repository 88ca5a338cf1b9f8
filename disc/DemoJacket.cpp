#include "disc/DemoJacket.h"

#include "common/MyCommonW.h"
#include "disc/DiscInfo.h"
#include "disc/LabelLayout.h"
#include "disc/LabelTemplate.h"
#include "disc/PlayingTime.h"
#include "layout/LayoutIniStore.h"
#include "platform/AppError.h"
#include "platform/CodePage.h"

namespace lccd {
namespace {

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

void storeDemoJacket(const QString& iniPath) {
    const QList<QByteArray> lines = demoJacketLines();
    const int fieldCount = CsvFieldCountW(fromSjis(lines.first()));
    QList<LayoutItem> rows;
    for (qsizetype i = 1; i < lines.size(); ++i)
        rows.append(LayoutItem::fromRowLine(fromSjis(lines[i]), fieldCount));
    if (const IniStoreOutcome outcome = SaveLayoutToIni(iniPath, rows);
        outcome == IniStoreOutcome::TooLarge)
        throw AppError(describeIniStoreOutcome(outcome, iniPath));
}

} // namespace lccd
