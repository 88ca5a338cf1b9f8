#include "cdlist/DiscTracks.h"

#include "cdlist/DiscInfo.h"
#include "cdlist/DiscPaths.h"
#include "cdlist/StatusPanel.h"
#include "common/FileHelpers.h"
#include "platform/BlankTrim.h"

namespace lccd {
namespace {

constexpr int kUnsplitTrackLimit = 4;

QList<DiscTrack> songTracks(const QString& folder, const TrackRows& tracks) {
    QList<DiscTrack> list;
    for (const TrackRow& row : tracks) {
        if (isTitleEmptyTrimmed(row.title))
            break;
        DiscTrack track{composedName(lastPathComponent(row.fileName)), trimBlanks(row.title),
                        trimBlanks(row.performer), albumTrackNamed(folder, row.fileName)};
        if (track.albumTrack)
            track.fileName = composedName(lastPathComponent(track.albumTrack->imagePath));
        list.append(track);
    }
    return list;
}

QList<DiscTrack> unsplitTracks(const DiscInfo& disc, StatusPanel& status, bool* wavFilesLeftOut) {
    QStringList wavFiles;
    FindFiles(wavFiles, disc.folderPath, QStringLiteral("wav"), false, true, FileAttr::Any);
    QList<DiscTrack> list;
    for (int k = 1; k <= kUnsplitTrackLimit && k <= wavFiles.size(); ++k)
        list.append({composedName(lastPathComponent(wavFiles[k - 1])),
                     QStringLiteral("Track-%1").arg(k), disc.discPerformer, std::nullopt});
    const bool leftOut = wavFiles.size() > kUnsplitTrackLimit;
    if (leftOut)
        status.setText(wavFilesLeftOutMessage());
    if (wavFilesLeftOut)
        *wavFilesLeftOut = leftOut;
    return list;
}

} // namespace

QList<DiscTrack> discTracks(const DiscInfo& disc, const TrackRows& tracks, bool unsplit,
                            StatusPanel& status, bool* wavFilesLeftOut) {
    if (!unsplit) {
        if (wavFilesLeftOut)
            *wavFilesLeftOut = false;
        return songTracks(disc.folderPath, tracks);
    }
    return unsplitTracks(disc, status, wavFilesLeftOut);
}

QString wavFilesLeftOutMessage() {
    return QStringLiteral("WAVファイル数が４本を越えています");
}

} // namespace lccd
