#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The CD list editor filled from a disc's folder (loadDiscFolder and its kin), with what the
// load tells shown on its status panel.
namespace lccd {

class CdListPresenter;

// Loads the folder into the editor; a folder with neither a project nor songs leaves the editor
// as it was. After a project the totals are recounted and the position box shows the first row;
// after songs the totals label shows the summed playing time of all files found. The panel says
// what went wrong, after what putting right interrupted saves did. Returns the window caption
// naming the project file when one was read; the caption stays otherwise. Throws AppError when
// the project file cannot be read.
std::optional<QString> LoadFolder(CdListPresenter& editor, const QString& folder);

// Fills the editor from the lines of a project file as a load does (discFromProject).
void readDiscProject(CdListPresenter& editor, const QList<QByteArray>& lines);

// Fills the rows from song files (discWithSongFiles); the totals label shows their summed
// playing time.
void FillTracksFromFiles(CdListPresenter& editor, const QStringList& paths);

// Adds song files after the songs of the list (discWithAddedSongs); the panel names what went
// wrong after the recounted totals.
void appendSongFiles(CdListPresenter& editor, const QStringList& paths);

} // namespace lccd
