#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What the disc's logic tells the user on the way (a song it could not read, WAV files it left
// out), returned to the caller instead of shown: the CD list shows them on its status panel, the
// command line on its error stream.
namespace lccd {

enum class DiscNoteKind {
    SongFileMissing,  // a song's file is not there
    TagLibraryTooOld, // the tag library cannot be used
    NotASong,         // the file is no song the tag library loads
    WavFilesLeftOut,  // unsplit mode took only the folder's first four WAV files
    CatalogNotMcn,    // values: the catalog number, which cannot be the media catalog number
};

struct DiscNote {
    DiscNoteKind kind;
    QStringList values;

    bool operator==(const DiscNote&) const = default;
};
using DiscNotes = QList<DiscNote>;

// The note as the user reads it.
QString discNoteText(const DiscNote& note);
QStringList discNoteTexts(const DiscNotes& notes);

} // namespace lccd
