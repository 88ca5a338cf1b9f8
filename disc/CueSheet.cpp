#include "disc/CueSheet.h"

#include "disc/CueSheetReader.h"
#include "disc/DiscInfo.h"
#include "disc/DiscTracks.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"

namespace lccd {
namespace {

QString quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

void appendTrack(QList<QByteArray>& lines, int number, const DiscTrack& track,
                 const DiscTrack* previous, bool addGap) {
    // The tracks of an album image that follow each other in it share its FILE line; each track
    // starts where the image's sheet says.
    const AlbumTrack* album = track.albumTrack ? &*track.albumTrack : nullptr;
    const bool sameImage = album && previous && previous->albumTrack &&
                           previous->albumTrack->imagePath == album->imagePath;
    if (!sameImage)
        lines.append(
            toSjis(QStringLiteral("FILE ") + quoted(track.fileName) + QStringLiteral(" WAVE")));
    lines.append(QString::asprintf("TRACK %.02d AUDIO", number).toLatin1());
    lines.append(toSjis(QStringLiteral(" TITLE ") + quoted(track.title)));
    lines.append(toSjis(QStringLiteral("  PERFORMER ") + quoted(track.performer)));
    if (album && !album->cue.songwriter.isEmpty())
        lines.append(toSjis(QStringLiteral("  SONGWRITER ") + quoted(album->cue.songwriter)));
    if (album && !album->cue.isrc.isEmpty())
        lines.append(toSjis(QStringLiteral("    ISRC ") + album->cue.isrc));
    if (addGap)
        lines.append("    PREGAP 00:02:00");
    if (album && album->cue.pregapStart)
        lines.append("    INDEX 00 " + cuePositionText(*album->cue.pregapStart).toLatin1());
    lines.append("    INDEX 01 " +
                 (album ? cuePositionText(album->segment.startSector).toLatin1() : "00:00:00"));
}

} // namespace

QByteArray cueCatalogValue(const QString& catalog) {
    constexpr qsizetype kCatalogBytes = 13;
    QByteArray value = catalog.isEmpty() ? QByteArray("MNGD2008A0101") : toSjis(catalog);
    if (value.size() != kCatalogBytes)
        value = (value + "123456789ABCD").left(kCatalogBytes);
    return value;
}

QList<QByteArray> cueSheetLines(const DiscInfo& disc, const TrackRows& tracks,
                                const CdOptions& options, DiscNotes& notes) {
    QList<QByteArray> lines = {
        "REM COMMENT \"ExactAudioCopy v0.95b4\"",
        "CATALOG " + cueCatalogValue(disc.catalog),
        toSjis(QStringLiteral("PERFORMER ") + quoted(disc.discPerformer)),
        toSjis(QStringLiteral("TITLE ") + quoted(disc.albumTitle)),
    };
    const QList<DiscTrack> discTrackList = discTracks(disc, tracks, options.noCut, notes);
    for (int number = 1; number <= discTrackList.size(); ++number)
        appendTrack(lines, number, discTrackList[number - 1],
                    number > 1 ? &discTrackList[number - 2] : nullptr, options.addGap);
    return lines;
}

void writeCueSheet(const QString& path, const DiscInfo& disc, const TrackRows& tracks,
                   const CdOptions& options, DiscNotes& notes) {
    writeFileAtomically(path, joinLinesCrLf(cueSheetLines(disc, tracks, options, notes)));
}

} // namespace lccd
