#include "cdlist/DiscProject.h"

#include "cdlist/DiscInfo.h"
#include "cdlist/DiscPaths.h"
#include "common/MyCommonW.h"
#include "platform/CodePage.h"

#include <QDir>
#include <QFileInfo>

namespace lccd {
namespace {

// The jacket as the project stores it: a file directly in the disc's folder by its name, so
// that the folder can be moved with its project; anything else by its full path.
QString storedJacketPath(const DiscInfo& disc) {
    const QString& jacket = disc.jacketPath;
    const bool inFolder =
        QDir::cleanPath(QFileInfo(jacket).path()) == QDir::cleanPath(disc.folderPath);
    return inFolder ? lastPathComponent(jacket) : jacket;
}

QString trackLine(int number, const TrackRow& song) {
    const auto quoted = [](const QString& text) {
        return QLatin1Char('"') + trimW(text) + QLatin1Char('"');
    };
    return QStringList{QString::asprintf("%.02d", number),
                       trimW(song.time),
                       quoted(song.title),
                       quoted(song.performer),
                       quoted(song.album),
                       trimW(song.year),
                       trimW(song.genre),
                       quoted(composedName(lastPathComponent(trimW(song.fileName))))}
        .join(QLatin1Char(','));
}

} // namespace

int projectTrackCount(const TrackRows& tracks) {
    int count = 0;
    while (count < kTrackRowCount && !isTitleEmptyRaw(tracks[size_t(count)].title))
        ++count;
    return count;
}

QList<QByteArray> discProjectLines(const DiscInfo& disc, const TrackRows& tracks) {
    const QStringList header = {
        QStringLiteral("TITLE:") + disc.albumTitle,
        QStringLiteral("SUBTITLE1:") + disc.subtitle1,
        QStringLiteral("SUBTITLE2:") + disc.subtitle2,
        QStringLiteral("PERFORMER:") + disc.discPerformer,
        QStringLiteral("DISCID:") + disc.discId,
        QStringLiteral("CATALOG:") + disc.catalog,
        QStringLiteral("GENRE:") + disc.selectedGenre(),
        QStringLiteral("DATE:") + disc.releaseYear,
        QStringLiteral("JACKET:") + storedJacketPath(disc),
    };
    QList<QByteArray> lines;
    for (const QString& line : header)
        lines.append(toSjis(line));
    const int count = projectTrackCount(tracks);
    for (int songNumber = 1; songNumber <= count; ++songNumber)
        lines.append(toSjis(trackLine(songNumber, tracks[size_t(songNumber - 1)])));
    return lines;
}

} // namespace lccd
