#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// Reading the CUE sheets that rippers (EAC, XLD, foobar2000, CUETools) write beside an album
// image: the disc's texts and where each track lies in the files the sheet names.
namespace lccd {

// CD positions count sectors (frames of 1/75 second) from the start of a file.
struct CueTrack {
    int number = 0;
    QString type; // AUDIO, or the mode of a data track
    QString file; // the FILE line's name as written, where the track's INDEX 01 lies
    QString title;
    QString performer;
    QString songwriter;
    QString isrc;
    std::optional<qint64> pregapStart; // INDEX 00, when it lies in the same file
    qint64 start = 0;                  // INDEX 01
};

struct CueSheetContent {
    QString title;
    QString performer;
    QString songwriter;
    QString catalog;
    QString genre; // REM GENRE
    QString date;  // REM DATE
    // In the sheet's order; a track without INDEX 01 is left out.
    QList<CueTrack> tracks;
};

// Parses the text of a sheet. Keywords are read in any letter case; values may be quoted or a
// bare word (a REM value the rest of the line). Lines the format does not know, and lines with
// a position that is no mm:ss:ff, are passed over; nothing in the text makes it fail.
CueSheetContent parseCueSheet(const QString& text);

// The sheet in the file's bytes: code page 932 or UTF-8, with or without a byte-order mark,
// decided as for every text file the program reads.
CueSheetContent readCueSheet(const QByteArray& fileBytes);

// A position as sheets write it: minutes, seconds and frames, "mm:ss:ff".
QString cuePositionText(qint64 sector);

} // namespace lccd
