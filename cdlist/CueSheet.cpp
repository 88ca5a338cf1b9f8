#include "cdlist/CueSheet.h"

#include "cdlist/DiscInfo.h"
#include "cdlist/DiscPaths.h"
#include "cdlist/StatusPanel.h"
#include "common/FileHelpers.h"
#include "common/MyCommonW.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"

namespace lccd {
namespace {

constexpr int kUnsplitTrackLimit = 4;

struct CueTrack {
    QString fileName;
    QString title;
    QString performer;
};

QString quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

void appendTrack(QList<QByteArray>& lines, int number, const CueTrack& track, bool addGap) {
    lines.append(
        toSjis(QStringLiteral("FILE ") + quoted(track.fileName) + QStringLiteral(" WAVE")));
    lines.append(QString::asprintf("TRACK %.02d AUDIO", number).toLatin1());
    lines.append(toSjis(QStringLiteral(" TITLE ") + quoted(track.title)));
    lines.append(toSjis(QStringLiteral("  PERFORMER ") + quoted(track.performer)));
    if (addGap)
        lines.append("    PREGAP 00:02:00");
    lines.append("    INDEX 01 00:00:00");
}

void appendSongTracks(QList<QByteArray>& lines, const TrackRows& tracks, bool addGap) {
    for (int r = 1; r <= kTrackRowCount; ++r) {
        const TrackRow& row = tracks[size_t(r - 1)];
        if (isTitleEmptyTrimmed(row.title))
            break;
        appendTrack(
            lines, r,
            {composedName(lastPathComponent(row.fileName)), TrimW(row.title), TrimW(row.performer)},
            addGap);
    }
}

void appendUnsplitTracks(QList<QByteArray>& lines, const DiscInfo& disc, bool addGap,
                         StatusPanel& status) {
    QStringList wavFiles;
    FindFiles(wavFiles, disc.folderPath, QStringLiteral("wav"), false, true, FileAttr::Any);
    for (int k = 1; k <= kUnsplitTrackLimit && k <= wavFiles.size(); ++k)
        appendTrack(lines, k,
                    {composedName(lastPathComponent(wavFiles[k - 1])),
                     QStringLiteral("Track-%1").arg(k), disc.discPerformer},
                    addGap);
    if (wavFiles.size() > kUnsplitTrackLimit)
        status.setText(QStringLiteral("WAVファイル数が４本を越えています"));
}

} // namespace

QByteArray cueCatalogValue(const QString& catalog) {
    constexpr qsizetype kCatalogBytes = 13;
    QByteArray value = catalog.isEmpty() ? QByteArray("MNGD2008A0101") : toSjis(catalog);
    if (value.size() != kCatalogBytes)
        value = (value + "123456789ABCD").left(kCatalogBytes);
    return value;
}

QList<QByteArray> CueSheetLines(const DiscInfo& disc, const TrackRows& tracks,
                                const CueSheetOptions& options, StatusPanel& status) {
    QList<QByteArray> lines = {
        "REM COMMENT \"ExactAudioCopy v0.95b4\"",
        "CATALOG " + cueCatalogValue(disc.catalog),
        toSjis(QStringLiteral("PERFORMER ") + quoted(disc.discPerformer)),
        toSjis(QStringLiteral("TITLE ") + quoted(disc.albumTitle)),
    };
    if (options.unsplit)
        appendUnsplitTracks(lines, disc, options.addGap, status);
    else
        appendSongTracks(lines, tracks, options.addGap);
    return lines;
}

void WriteCueSheet(const QString& path, const DiscInfo& disc, const TrackRows& tracks,
                   const CueSheetOptions& options, StatusPanel& status) {
    writeFileAtomically(path, joinLinesCrLf(CueSheetLines(disc, tracks, options, status)));
}

} // namespace lccd
