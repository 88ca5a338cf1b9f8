#include "disc/DiscImage.h"

#include "audio/CdFormat.h"
#include "audio/CdImage.h"
#include "disc/AlbumTracks.h"
#include "disc/CueSheetReader.h"
#include "disc/DiscInfo.h"
#include "disc/DiscPaths.h"
#include "platform/AppError.h"
#include "platform/BlankTrim.h"
#include "platform/FileIO.h"

#include <QFileInfo>

namespace lccd {
namespace {

// A text between the quotes of a CUE line: on one line, without a double quote of its own.
QString cueText(QString text) {
    for (QChar& character : text)
        if (character.unicode() < 0x20)
            character = QLatin1Char(' ');
    return text.replace(QLatin1Char('"'), QLatin1Char('\''));
}

QString quotedLine(const QString& indent, const char* keyword, const QString& text) {
    return QStringLiteral("%1%2 \"%3\"").arg(indent, QLatin1String(keyword), cueText(text));
}

} // namespace

int discSongCount(const TrackRows& tracks) {
    int count = 0;
    while (count < kTrackRowCount && !isTitleEmptyTrimmed(tracks[count].title))
        ++count;
    return count;
}

DiscSong discSong(const DiscInfo& disc, const TrackRows& tracks, int songNumber) {
    const TrackRow& row = tracks[songNumber - 1];
    const QString name = trimBlanks(row.fileName);
    if (const std::optional<AlbumTrack> album = albumTrackNamed(disc.folderPath, name))
        return {album->imagePath, trimBlanks(row.title), trimBlanks(row.performer), album->segment};
    const QString path =
        existingFileInFolder(disc.folderPath, name).value_or(songFilePath(disc.folderPath, name));
    if (name.isEmpty() || !QFileInfo(path).isFile())
        throw AppError(QStringLiteral("%1曲目「%2」の曲ファイルがありません")
                           .arg(songNumber)
                           .arg(trimBlanks(row.title)));
    return {path, trimBlanks(row.title), trimBlanks(row.performer), {}};
}

QList<DiscSong> discSongs(const DiscInfo& disc, const TrackRows& tracks) {
    QList<DiscSong> songs;
    const int count = discSongCount(tracks);
    for (int songNumber = 1; songNumber <= count; ++songNumber)
        songs.append(discSong(disc, tracks, songNumber));
    return songs;
}

QByteArray discImageCueSheet(const DiscInfo& disc, const QList<DiscSong>& songs,
                             const CdImageLayout& layout, const QString& wavFileName) {
    QStringList lines;
    if (!trimBlanks(disc.discPerformer).isEmpty())
        lines.append(quotedLine({}, "PERFORMER", trimBlanks(disc.discPerformer)));
    if (!trimBlanks(disc.albumTitle).isEmpty())
        lines.append(quotedLine({}, "TITLE", trimBlanks(disc.albumTitle)));
    lines.append(quotedLine({}, "FILE", wavFileName) + QStringLiteral(" WAVE"));
    for (qsizetype i = 0; i < songs.size() && i < layout.tracks.size(); ++i) {
        const CdImageTrack& track = layout.tracks[i];
        lines.append(QStringLiteral("  TRACK %1 AUDIO").arg(i + 1, 2, 10, QLatin1Char('0')));
        lines.append(quotedLine(QStringLiteral("    "), "TITLE", songs[i].title));
        if (!songs[i].performer.isEmpty())
            lines.append(quotedLine(QStringLiteral("    "), "PERFORMER", songs[i].performer));
        if (track.gapStart != track.start)
            lines.append(QStringLiteral("    INDEX 00 ") + cuePositionText(track.gapStart));
        lines.append(QStringLiteral("    INDEX 01 ") + cuePositionText(track.start));
    }
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

QString cueSheetPathBeside(const QString& wavPath) {
    const QString extension = QStringLiteral(".wav");
    const QString base = wavPath.endsWith(extension, Qt::CaseInsensitive)
                             ? wavPath.chopped(extension.size())
                             : wavPath;
    return base + QStringLiteral(".cue");
}

QStringList writeDiscImage(AudioDecoder& decoder, const DiscInfo& disc, const TrackRows& tracks,
                           bool gaps, const QString& wavPath, const CdImageProgress& progress,
                           const TrackLevelling& levelling) {
    const QString wavFileName = QFileInfo(wavPath).fileName();
    if (wavFileName.contains(QLatin1Char('"')))
        throw AppError(
            QStringLiteral("CUEシートに書けないファイル名です (\" を含みます): %1").arg(wavPath));
    const QList<DiscSong> songs = discSongs(disc, tracks);
    if (songs.isEmpty())
        throw AppError(QStringLiteral("CD にする曲がありません"));
    QList<TrackSource> sources;
    for (const DiscSong& song : songs) {
        if (QFileInfo(song.path).canonicalFilePath() == QFileInfo(wavPath).canonicalFilePath())
            throw AppError(QStringLiteral("書き出すファイル %1 はCDの曲の一つです").arg(wavPath));
        sources.append({song.path, song.segment});
    }
    if (levelling)
        levelling(sources);
    const CdImageLayout layout = planCdImage(decoder, sources, gaps);
    const QStringList cutShort = writeCdImageWav(decoder, layout, wavPath, progress);
    writeFileAtomically(cueSheetPathBeside(wavPath),
                        discImageCueSheet(disc, songs, layout, wavFileName));
    return cutShort;
}

} // namespace lccd
