#pragma once

#include "disc/LoadedSongs.h"
#include "disc/TrackTags.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The tags the disc save writes into its songs: the user's edits, and what a loaded project
// knows about songs that lack it; never a value the user did not touch over the song's own.
namespace lccd {

struct DiscInfo;
class Mp3Infp;
class SaveQuestions;

// What happens where a song's tag holds another value than the project it was loaded with (the
// song was tagged after the project was written).
enum class ProjectTagChoice {
    Ask,        // the save asks once, before it writes anything
    KeepSongs,  // the songs keep their values
    UseProject, // the project's values replace them
};

// What the save writes into one song.
struct SongTagUpdate {
    QString path;
    // The tags to write when the songs keep their own values where the project differs ...
    TrackTags keepingSongs;
    // ... and when the project's values replace them.
    TrackTags takingProject;
    // The fields, by their names in the grid, where the song and the project differ.
    QStringList differingFields;
    // The user edited the song, but the tag library cannot load it.
    bool unreadable = false;
};

// Plans the tags of the disc's songs (the rows the project lists whose file exists), comparing
// each row with the song's stored tags and with the row as loaded (loaded):
// - a value the user changed since the load is written, as is every value of a row that has no
//   loaded song (added, or its file name changed);
// - a value that came from a project unedited is written only into a song whose tag for it is
//   empty; where the song holds another value the field counts as differing; an empty one
//   never erases the song's value;
// - a value that came from the song's own tags unedited is never written;
// - the jacket's file name goes into the comment when the song's comment is empty or the name
//   of an image, so that a comment the user wrote stays.
// A value is no difference when it reads as the song's value does once it has passed through the
// project: trimmed, and with "?" for characters code page 932 lacks ("Caf?" for "Café").
// Songs with nothing to write are left out.
QList<SongTagUpdate> planSongTags(Mp3Infp& library, const DiscInfo& disc, const TrackRows& tracks,
                                  const LoadedSongs& loaded);

// Whether any song holds values other than the project's.
bool anyProjectDifference(const QList<SongTagUpdate>& updates);

// The question, asked once, whether the project's values replace the songs' own, naming the
// songs and fields.
QString projectOverSongsQuestion(const QList<SongTagUpdate>& updates);

// Whether a comment is the file name of an image, as an earlier save's jacket comment is.
bool isImageFileName(const QString& comment);

// What writing the planned tags did.
struct SongTagOutcome {
    QStringList written;  // paths of the songs tagged
    QStringList failed;   // paths of the songs whose tags could not be written
    QStringList problems; // a message for each of those
    QStringList kept;     // "file (fields)" of the songs that kept values the project differs in
};

// Writes the planned tags, the project's values where takeProject says so, telling the
// questions after each song whose file exists (written, unchanged or refused).
SongTagOutcome writeSongTags(Mp3Infp& library, const QList<SongTagUpdate>& updates,
                             bool takeProject, SaveQuestions& questions);

} // namespace lccd
