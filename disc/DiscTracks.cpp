#include "disc/DiscTracks.h"

#include "common/FileHelpers.h"
#include "disc/DiscInfo.h"
#include "disc/DiscPaths.h"
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

QList<DiscTrack> unsplitTracks(const DiscInfo& disc, DiscNotes& notes) {
    QStringList wavFiles;
    FindFiles(wavFiles, disc.folderPath, QStringLiteral("wav"), false, true, FileAttr::Any);
    QList<DiscTrack> list;
    for (int k = 1; k <= kUnsplitTrackLimit && k <= wavFiles.size(); ++k)
        list.append({composedName(lastPathComponent(wavFiles[k - 1])),
                     QStringLiteral("Track-%1").arg(k), disc.discPerformer, std::nullopt});
    if (wavFiles.size() > kUnsplitTrackLimit)
        notes.append({DiscNoteKind::WavFilesLeftOut, {}});
    return list;
}

} // namespace

QList<DiscTrack> discTracks(const DiscInfo& disc, const TrackRows& tracks, bool unsplit,
                            DiscNotes& notes) {
    if (!unsplit)
        return songTracks(disc.folderPath, tracks);
    return unsplitTracks(disc, notes);
}

} // namespace lccd
