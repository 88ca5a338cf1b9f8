#pragma once

#include "disc/Disc.h"
#include "disc/DiscNotes.h"

#include <QString>
#include <QStringList>

#include <optional>

// Reading a disc from the folder that holds its songs.
namespace lccd {

// What a folder's load made of the disc, and what it has to tell.
struct FolderLoad {
    // The disc as loaded; nothing when the folder held neither a project nor songs (or no
    // longer exists): the disc stays as it was.
    std::optional<Disc> disc;
    // The project file read, when there was one.
    std::optional<QString> projectFile;
    // The summed playing time of all song files loaded, also of those left without a row;
    // nothing when a project was read (its songs are counted on their rows).
    std::optional<int> loadSeconds;
    // What reading the songs' tags told, in order.
    DiscNotes notes;
    // What went wrong with the folder's files, in one text told at the end of the load; empty
    // when nothing did.
    QString problems;
    // What putting right the saves a crash interrupted did, told before anything else.
    QStringList recovered;
};

// Loads the folder, once what saves interrupted by a crash left there is put right (a song
// half written gets its old bytes back, temporary files go): its first ".txt" file (any letter
// case) that is not readme.txt is read as the disc project (discFromProject); without one, the
// folder's song files (WAV, FLAC, MP3, Ogg Vorbis and Opus, M4A (AAC, ALAC), AIFF, WMA, Monkey's
// Audio, WavPack, TTA, Musepack, ... by their extensions in any letter case) become the rows of
// the cleared disc, its album title the folder's name. An album image that a CUE sheet beside
// it divides gives a row per track instead, and the sheet's disc texts fill the disc fields
// first (albumSheetsIn). Both searches take the files in file-name order. Song files whose
// names are no UTF-8 cannot be opened and are named in the problems instead, also when no other
// song loads; so are the folder's other music files (MIDI, say, or a FLAC song named .bak), by
// their extensions or first bytes. Throws AppError when the project file cannot be read.
FolderLoad loadDiscFolder(const Disc& current, const QString& folder, const SongReaders& songs);

// Song files read into a disc's rows.
struct SongsAdded {
    Disc disc;
    // The summed playing time of all files, also of those left without a row.
    int seconds = 0;
    DiscNotes notes;
    QString problems;
};

// The disc with its rows filled from song files, one per row in list order from the first,
// each measured and read for its tags, its print check on. A file that cannot be read keeps its
// row, titled by its name, so no song after it drops out. Files beyond the list's 25 rows are
// measured and read like the others and count in the seconds, but get no row. The problems
// tell what went wrong: files not read, songs whose length is only estimated because they could
// not be decoded, songs titled by their names because their tags could not be read, files left
// out, names the disc's files cannot hold.
SongsAdded discWithSongFiles(const Disc& current, const QStringList& paths,
                             const SongReaders& songs);

// The disc with song files added after its songs, in the order given, each measured and read
// as above, up to the list's 25 rows, and remembered as loaded. Files that are no songs by their
// extension are left out and named in the problems.
SongsAdded discWithAddedSongs(const Disc& current, const QStringList& paths,
                              const SongReaders& songs);

} // namespace lccd
