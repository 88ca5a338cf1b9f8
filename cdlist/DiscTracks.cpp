#include "cdlist/DiscTracks.h"

#include "cdlist/DiscInfo.h"
#include "cdlist/DiscPaths.h"
#include "cdlist/StatusPanel.h"
#include "common/FileHelpers.h"
#include "common/MyCommonW.h"

namespace lccd {
namespace {

constexpr int kUnsplitTrackLimit = 4;

QList<DiscTrack> songTracks(const TrackRows& tracks) {
    QList<DiscTrack> list;
    for (const TrackRow& row : tracks) {
        if (isTitleEmptyTrimmed(row.title))
            break;
        list.append({composedName(lastPathComponent(row.fileName)), trimW(row.title),
                     trimW(row.performer)});
    }
    return list;
}

QList<DiscTrack> unsplitTracks(const DiscInfo& disc, StatusPanel& status) {
    QStringList wavFiles;
    FindFiles(wavFiles, disc.folderPath, QStringLiteral("wav"), false, true, FileAttr::Any);
    QList<DiscTrack> list;
    for (int k = 1; k <= kUnsplitTrackLimit && k <= wavFiles.size(); ++k)
        list.append({composedName(lastPathComponent(wavFiles[k - 1])),
                     QStringLiteral("Track-%1").arg(k), disc.discPerformer});
    if (wavFiles.size() > kUnsplitTrackLimit)
        status.setText(QStringLiteral("WAVファイル数が４本を越えています"));
    return list;
}

} // namespace

QList<DiscTrack> discTracks(const DiscInfo& disc, const TrackRows& tracks, bool unsplit,
                            StatusPanel& status) {
    return unsplit ? unsplitTracks(disc, status) : songTracks(tracks);
}

} // namespace lccd
