#include "cdlist/FolderLoader.h"

#include "cdlist/CdListPresenter.h"
#include "cdlist/StatusNotes.h"
#include "disc/DiscPaths.h"
#include "disc/DiscProjectReader.h"
#include "disc/FolderLoad.h"

namespace lccd {
namespace {

void showProblems(CdListPresenter& editor, const QString& problems) {
    if (!problems.isEmpty())
        editor.ShowStatusMessage(problems);
}

void showProject(CdListPresenter& editor, const Disc& disc) {
    editor.takeNewDisc(disc);
    editor.showPosition(1, editor.RecountTracks());
}

} // namespace

std::optional<QString> LoadFolder(CdListPresenter& editor, const QString& folder) {
    const FolderLoad load = loadDiscFolder(editor.currentDisc(), folder, editor.songReaders());
    showDiscNotes(editor.status(), load.notes);
    if (load.projectFile) {
        showProject(editor, *load.disc);
    } else if (load.disc) {
        editor.takeNewDisc(*load.disc);
        editor.showLoadTotal(*load.loadSeconds);
    }
    showProblems(editor, load.problems);
    if (!load.recovered.isEmpty()) {
        const QString shown = editor.status().text();
        editor.ShowStatusMessage(
            (load.recovered + (shown.isEmpty() ? QStringList() : QStringList{shown}))
                .join(QStringLiteral(" / ")));
    }
    if (!load.projectFile)
        return std::nullopt;
    return QStringLiteral("ＣＤリスト編集 - ") + lastPathComponent(*load.projectFile);
}

void readDiscProject(CdListPresenter& editor, const QList<QByteArray>& lines) {
    DiscNotes notes;
    const Disc disc = discFromProject(editor.currentDisc(), lines, editor.songReaders(), notes);
    showDiscNotes(editor.status(), notes);
    showProject(editor, disc);
}

void FillTracksFromFiles(CdListPresenter& editor, const QStringList& paths) {
    if (paths.isEmpty())
        return;
    const SongsAdded added = discWithSongFiles(editor.currentDisc(), paths, editor.songReaders());
    showDiscNotes(editor.status(), added.notes);
    editor.takeDisc(added.disc);
    editor.showLoadTotal(added.seconds);
    showProblems(editor, added.problems);
}

void appendSongFiles(CdListPresenter& editor, const QStringList& paths) {
    const SongsAdded added = discWithAddedSongs(editor.currentDisc(), paths, editor.songReaders());
    showDiscNotes(editor.status(), added.notes);
    editor.takeDisc(added.disc);
    editor.RecountTracks();
    showProblems(editor, added.problems);
}

} // namespace lccd
