#include "cdlist/FolderLoader.h"

#include "cdlist/CdListPresenter.h"
#include "cdlist/DiscPaths.h"
#include "cdlist/DiscProjectReader.h"
#include "cdlist/PlayingTime.h"
#include "cdlist/TrackTags.h"
#include "common/FileHelpers.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"

#include <QDir>

namespace lccd {
namespace {

QStringList filesWithExtension(const QString& folder, const QString& extension) {
    QStringList files;
    FindFiles(files, folder, extension, false, true, FileAttr::Any);
    return files;
}

std::optional<QString> projectFileIn(const QString& folder) {
    for (const QString& path : filesWithExtension(folder, QStringLiteral("txt")))
        if (lastPathComponent(path).compare(QLatin1String("readme.txt"), Qt::CaseInsensitive) != 0)
            return path;
    return std::nullopt;
}

} // namespace

std::optional<QString> LoadFolder(CdListPresenter& editor, const QString& folder) {
    if (const std::optional<QString> project = projectFileIn(folder)) {
        ReadDiscProject(editor, splitLines(readWholeFile(*project)));
        return QStringLiteral("ＣＤリスト編集 - ") + lastPathComponent(*project);
    }
    const QStringList songs = filesWithExtension(folder, QStringLiteral("wav"));
    if (songs.isEmpty())
        return std::nullopt;
    editor.ClearCdList();
    editor.disc().albumTitle = QDir(folder).dirName();
    emit editor.discChanged();
    FillTracksFromFiles(editor, songs);
    return std::nullopt;
}

void FillTracksFromFiles(CdListPresenter& editor, const QStringList& paths) {
    if (paths.isEmpty())
        return;
    int total = 0;
    for (int i = 0; i < paths.size(); ++i) {
        const QString& path = paths[i];
        const PlayingTime time = QueryPlayingTime(path).value_or(PlayingTime{});
        total += time.seconds;
        const int row = i + 1;
        if (row > kTrackRowCount)
            continue; // measured for the total only
        TrackRow song;
        setRowTags(song, ReadTrackTags(path, editor.status()));
        song.fileName = path;
        song.check = QStringLiteral("1");
        song.time = time.text;
        editor.tracks().setTrack(row, song);
    }
    editor.showLoadTotal(total);
}

} // namespace lccd
