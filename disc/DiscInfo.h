#pragma once

#include "platform/CodePage.h"

#include <QString>
#include <QStringList>

// The disc-level fields of the CD list editor, one per edit box above the song grid.
namespace lccd {

// The genre box's drop-down entries, in their order.
QStringList defaultGenres();

struct DiscInfo {
    // The folder and jacket image are held as full paths apart from what their boxes show
    // (the window shortens that text to fit the box), so a box can be emptied while the path
    // stays in use.
    QString folderPath;
    QString folderBoxText;
    QString jacketPath;
    QString jacketBoxText;

    QString albumTitle;
    QString discPerformer;
    QString subtitle1;
    QString subtitle2;
    QString discId;
    QString catalog;
    QString releaseYear;

    // The genre box is an editable text with a drop-down list; genreIndex is the selected entry
    // of genreList, -1 when none is.
    QString genre = QStringLiteral("JPop");
    QStringList genreList = defaultGenres();
    int genreIndex = 0;

    // The byte forms the values and the songs' columns were read in from the disc's project, so
    // that the files written for the disc keep the bytes of every value nobody edited.
    SjisSpellings spellings;

    void setFolderPath(const QString& path);
    void setJacketPath(const QString& path);
    // Selects the list entry equal to the genre text, letter case ignored, or none.
    void selectGenreEntry();
    // Shows the text in the genre box and selects the list entry equal to it, letter case
    // ignored; a text the list lacks is added to it as a new entry and selected.
    void chooseGenre(const QString& text);
    // The selected entry's text; empty when none is selected.
    QString selectedGenre() const;
};

} // namespace lccd
