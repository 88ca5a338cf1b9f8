#pragma once

#include "cdlist/CdListPresenter.h"

#include <QList>
#include <optional>

// The CD list editor's commands on its rows, apart from its window.
namespace lccd {

class SongLengths;

// Exchanges a song with the one above (below) it; the row numbers stay. Nothing happens for
// the first (last) row or next to a row without a title. Returns the row now holding the song.
int moveTrackUp(TrackTableModel& tracks, int songNumber);
int moveTrackDown(TrackTableModel& tracks, int songNumber);
// Moves a song to the row songNumber (a drag in the grid) one step at a time, as the move
// buttons do: it stops next to a row without a title. Returns the row now holding the song.
int moveTrackTo(TrackTableModel& tracks, int fromSongNumber, int songNumber);

// Gives every song the disc's performer, album title, genre and release year, each only when
// its box is not blank.
void applyDiscFieldsToSongs(TrackTableModel& tracks, const DiscInfo& disc);

// What the tag and time dialog edits for one row.
struct SongEdit {
    QString title;
    QString performer;
    QString album;
    QString year;
    QString genre; // the selected genre entry, empty when none is selected
    QString comment;
    QString hour = QStringLiteral("00");
    QString minute = QStringLiteral("00");
    QString second = QStringLiteral("00");
};

// Whether the tag and time dialog may open on the row: a song row, or the first row after
// the songs (which adds a song).
bool canEditSong(const TrackTableModel& tracks, int songNumber);

// The dialog's values for a row: its tags, the jacket's file name as comment, and its playing
// time split into hours (only from an hour on), minutes and seconds.
SongEdit songEditFor(const CdListPresenter& editor, int songNumber);

// Writes the dialog's values back into the row. The typed time replaces the row's only in
// unsplit mode or when the row has none. When the song's file exists its tags are written too;
// when its tag cannot hold some typed characters the user is asked first, and choosing to go
// back returns false with nothing changed.
bool applySongEdit(CdListPresenter& editor, int songNumber, const SongEdit& edit, bool unsplit);

// One line of the WAV check: a file of the folder and its playing time.
struct WavCheckLine {
    QString time = QStringLiteral("00:00");
    QString fileName;
};

// The first four WAV files of the folder, as the WAV check shows them; nothing when the folder
// has no WAV file.
std::optional<QList<WavCheckLine>> wavCheckLines(SongLengths& lengths, const QString& folder);

} // namespace lccd
