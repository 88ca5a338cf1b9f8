#include "disc/AlbumTracks.h"

#include "audio/CdFormat.h"
#include "disc/DiscInfo.h"
#include "disc/DiscPaths.h"
#include "disc/SongFiles.h"
#include "platform/AppError.h"
#include "platform/AudioDecoder.h"
#include "platform/FileIO.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace lccd {
namespace {

// A sheet is no album's when it is larger than any sheet of 99 tracks.
constexpr qint64 kLargestSheetBytes = 1 << 20;

// The folder's song file a FILE line names: as written (a Windows path keeps its name only),
// else the first song file with the same base name.
std::optional<QString> imageNamed(const QString& folder, const QStringList& songs,
                                  const QString& written) {
    QString name = written;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    name = lastPathComponent(name);
    if (name.isEmpty())
        return std::nullopt;
    if (const std::optional<QString> path = existingFileInFolder(folder, name))
        return path;
    const QString base = composedName(QFileInfo(name).completeBaseName());
    for (const QString& song : songs)
        if (composedName(QFileInfo(song).completeBaseName()).compare(base, Qt::CaseInsensitive) ==
            0)
            return song;
    return std::nullopt;
}

std::optional<AlbumSheet> albumSheet(const QString& path, const QStringList& songs,
                                     const QStringList& taken) {
    if (QFileInfo(path).size() > kLargestSheetBytes)
        return std::nullopt;
    AlbumSheet sheet{path, {}, {}, {}};
    try {
        sheet.content = readCueSheet(readWholeFile(path));
    } catch (const AppError&) {
        return std::nullopt; // an unreadable sheet divides nothing: its images stay songs
    }
    const QString folder = QFileInfo(path).absolutePath();
    QHash<QString, std::optional<QString>> images; // by the FILE line's name
    QHash<QString, int> audioTracks;               // by image path
    for (const CueTrack& track : sheet.content.tracks) {
        if (!images.contains(track.file))
            images.insert(track.file, imageNamed(folder, songs, track.file));
        if (const std::optional<QString>& image = images.value(track.file);
            image && track.type == QLatin1String("AUDIO"))
            ++audioTracks[*image];
    }
    const QList<CueTrack>& tracks = sheet.content.tracks;
    for (qsizetype i = 0; i < tracks.size(); ++i) {
        const std::optional<QString> image = images.value(tracks[i].file);
        if (!image || audioTracks.value(*image) < 2 || taken.contains(*image) ||
            tracks[i].type != QLatin1String("AUDIO"))
            continue;
        SongSegment segment{tracks[i].start, std::nullopt};
        for (qsizetype next = i + 1; next < tracks.size(); ++next)
            if (tracks[next].file == tracks[i].file) {
                segment.endSector = tracks[next].start;
                break;
            }
        sheet.tracks.append({path, *image, tracks[i], segment});
        if (!sheet.images.contains(*image))
            sheet.images.append(*image);
    }
    if (sheet.tracks.isEmpty())
        return std::nullopt;
    return sheet;
}

} // namespace

QList<AlbumSheet> albumSheetsIn(const QString& folder) {
    const QStringList songs = songFilesIn(folder);
    QList<AlbumSheet> sheets;
    QStringList taken;
    for (const QString& path : filesWithExtension(folder, QStringLiteral("cue"))) {
        if (std::optional<AlbumSheet> sheet = albumSheet(path, songs, taken)) {
            taken += sheet->images;
            sheets.append(*sheet);
        }
    }
    return sheets;
}

QString albumTrackName(const AlbumTrack& track) {
    return QStringLiteral("%1#%2")
        .arg(lastPathComponent(track.sheetPath))
        .arg(track.cue.number, 2, 10, QLatin1Char('0'));
}

std::optional<AlbumTrack> albumTrackNamed(const QString& folder, const QString& fileName) {
    static const QRegularExpression form(QStringLiteral("^(.+\\.cue)#(\\d{1,2})$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = form.match(lastPathComponent(fileName));
    if (!match.hasMatch())
        return std::nullopt;
    const std::optional<QString> sheetPath = existingFileInFolder(folder, match.captured(1));
    if (!sheetPath)
        return std::nullopt;
    const std::optional<AlbumSheet> sheet = albumSheet(*sheetPath, songFilesIn(folder), {});
    if (!sheet)
        return std::nullopt;
    const int number = match.captured(2).toInt();
    for (const AlbumTrack& track : sheet->tracks)
        if (track.cue.number == number)
            return track;
    return std::nullopt;
}

QStringList albumSheetsOf(const QString& folder, const TrackRows& tracks) {
    QStringList sheets;
    for (const TrackRow& row : tracks)
        if (const std::optional<AlbumTrack> track = albumTrackNamed(folder, row.fileName);
            track && !sheets.contains(track->sheetPath))
            sheets.append(track->sheetPath);
    return sheets;
}

std::optional<int> albumTrackSeconds(AudioDecoder& decoder, const AlbumTrack& track) {
    const SongSegment& segment = track.segment;
    if (segment.endSector)
        return int((*segment.endSector - segment.startSector) / kCdSectorsPerSecond);
    try {
        const AudioFormat format = decoder.open(track.imagePath)->format();
        const qint64 frames =
            format.frames - songFrameAtSector(segment.startSector, format.sampleRate);
        return frames > 0 ? int(frames / format.sampleRate) : 0;
    } catch (const AppError&) {
        return std::nullopt;
    }
}

TrackRow albumTrackRow(const AlbumSheet& sheet, const AlbumTrack& track) {
    TrackRow row;
    row.check = QStringLiteral("1");
    row.title = track.cue.title.isEmpty() ? QStringLiteral("Track-%1").arg(track.cue.number)
                                          : track.cue.title;
    row.performer = track.cue.performer.isEmpty() ? sheet.content.performer : track.cue.performer;
    row.album = sheet.content.title;
    row.year = sheet.content.date;
    row.genre = sheet.content.genre;
    row.fileName = pathInFolder(QFileInfo(track.sheetPath).absolutePath(), albumTrackName(track));
    return row;
}

void takeSheetDiscFields(DiscInfo& disc, const QList<AlbumSheet>& sheets) {
    const std::pair<QString DiscInfo::*, QString CueSheetContent::*> fields[] = {
        {&DiscInfo::albumTitle, &CueSheetContent::title},
        {&DiscInfo::discPerformer, &CueSheetContent::performer},
        {&DiscInfo::catalog, &CueSheetContent::catalog},
        {&DiscInfo::releaseYear, &CueSheetContent::date},
    };
    for (const AlbumSheet& sheet : sheets)
        for (const auto& [discField, sheetField] : fields)
            if ((disc.*discField).isEmpty())
                disc.*discField = sheet.content.*sheetField;
    for (const AlbumSheet& sheet : sheets)
        if (!sheet.content.genre.isEmpty()) {
            disc.chooseGenre(sheet.content.genre);
            break;
        }
}

} // namespace lccd
