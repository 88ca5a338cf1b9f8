#include "disc/DiscProject.h"

#include "disc/DiscInfo.h"
#include "disc/DiscPaths.h"
#include "platform/BlankTrim.h"
#include "platform/CodePage.h"

#include <QDir>
#include <QFileInfo>

#include <array>
#include <utility>

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

// Each value is written in the bytes it was read in, unless it was edited.
QByteArray trackLine(int number, const TrackRow& song, const SjisSpellings& spellings) {
    const auto value = [&](const QString& text) { return spellings.bytesOf(trimBlanks(text)); };
    const auto quoted = [](const QByteArray& bytes) { return '"' + bytes + '"'; };
    return QList<QByteArray>{
        QString::asprintf("%.02d", number).toLatin1(),
        value(song.time),
        quoted(value(song.title)),
        quoted(value(song.performer)),
        quoted(value(song.album)),
        value(song.year),
        value(song.genre),
        quoted(spellings.bytesOf(composedName(lastPathComponent(trimBlanks(song.fileName))))),
    }
        .join(',');
}

} // namespace

int projectTrackCount(const TrackRows& tracks) {
    int count = 0;
    while (count < kTrackRowCount && !isTitleEmptyRaw(tracks[size_t(count)].title))
        ++count;
    return count;
}

QList<QByteArray> discProjectLines(const DiscInfo& disc, const TrackRows& tracks) {
    const std::array<std::pair<const char*, QString>, 9> header = {{
        {"TITLE:", disc.albumTitle},
        {"SUBTITLE1:", disc.subtitle1},
        {"SUBTITLE2:", disc.subtitle2},
        {"PERFORMER:", disc.discPerformer},
        {"DISCID:", disc.discId},
        {"CATALOG:", disc.catalog},
        {"GENRE:", disc.selectedGenre()},
        {"DATE:", disc.releaseYear},
        {"JACKET:", storedJacketPath(disc)},
    }};
    QList<QByteArray> lines;
    for (const auto& [key, value] : header)
        lines.append(key + disc.spellings.bytesOf(value));
    const int count = projectTrackCount(tracks);
    for (int songNumber = 1; songNumber <= count; ++songNumber)
        lines.append(trackLine(songNumber, tracks[size_t(songNumber - 1)], disc.spellings));
    return lines;
}

} // namespace lccd
