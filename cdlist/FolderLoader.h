#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Filling the CD list editor from the folder that holds a disc's songs.
namespace lccd {

class CdListPresenter;

// Loads the folder, once what saves interrupted by a crash left there is put right (a song
// half written gets its old bytes back, temporary files go; the status panel then says so): its
// first ".txt" file (any letter case) that is not readme.txt is read as
// the disc project; without one, the folder's song files (WAV, FLAC, MP3, Ogg Vorbis and Opus,
// M4A (AAC, ALAC), AIFF, WMA, Monkey's Audio, WavPack, TTA, Musepack, ... by their extensions
// in any letter case) become the rows, after the list is cleared and the album title set to the
// folder's name. An album image that a CUE sheet beside it divides gives a row per track
// instead, and the sheet's disc texts fill the disc fields first (albumSheetsIn). A folder with
// neither (or one
// that no longer exists) leaves the editor as it was. Both searches take the files in file-name
// order. Song files whose names are no UTF-8 cannot be opened and are named in the status panel
// instead, also when no other song loads; so are the folder's other music files (MIDI, say, or
// a FLAC song named .bak), by their extensions or first bytes. Returns the window caption naming
// the project file when one was read; the caption stays otherwise. Throws AppError when the project
// file cannot be read.
std::optional<QString> LoadFolder(CdListPresenter& editor, const QString& folder);

// Fills the rows from song files, one per row in list order, each measured and read for its
// tags, its print check on. A file that cannot be read keeps its row, titled by its name, so no
// song after it drops out. Files beyond the list's 25 rows are measured and read like the others
// and count in the load-time total that the totals label then shows, but get no row. The status
// panel ends with what went wrong: files not read, songs whose length is only estimated because
// they could not be decoded, songs titled by their names because their tags could not be read,
// files left out, names the disc's files cannot hold.
void FillTracksFromFiles(CdListPresenter& editor, const QStringList& paths);

} // namespace lccd
