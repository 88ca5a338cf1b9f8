#pragma once

#include <QString>

#include <array>

// One song of the CD list. Every field is text, as the grid shows it.
namespace lccd {

// The grid's columns, in order.
enum class TrackColumn {
    Number = 0, // "  01" ... "  25": belongs to the row's position, not to the song
    Check,      // print check: "1" on, "0" off
    Time,       // playing time, "mmm:ss"
    Title,
    Performer,
    Album,
    Year,
    Genre,
    FileName, // a full path, or a bare name taken relative to the loaded folder
};
constexpr int kTrackColumnCount = 9;

// The list always has exactly this many song rows, numbered from 1.
constexpr int kTrackRowCount = 25;

struct TrackRow {
    QString check = QStringLiteral("0");
    QString time;
    QString title;
    QString performer;
    QString album;
    QString year;
    QString genre;
    QString fileName;
    // Why the row's file is no song the program can read (a text file named .wav, say); empty
    // for a song. No column shows it: the grid marks the row and gives it as the row's tooltip.
    // Its initialiser keeps rows written as lists of the eight fields above complete.
    QString unreadable{};

    // Fields of the columns Check to FileName; Number is no field of the song.
    QString field(TrackColumn column) const;
    void setField(TrackColumn column, const QString& text);

    // The print check is on only when it holds "1".
    bool isChecked() const { return check == QLatin1String("1"); }

    bool operator==(const TrackRow&) const = default;
};

// All song rows of the list; index 0 holds row 1.
using TrackRows = std::array<TrackRow, kTrackRowCount>;

// The songs of the disc are the rows above the first row with an empty title. Two tests of
// "empty" are in use, and every caller names the one it means:
// only a title of zero length is empty (a title of blanks still counts as a song) ...
bool isTitleEmptyRaw(const QString& title);
// ... or a title is empty when nothing is left after trimming characters up to U+0020 (a
// full-width blank stays).
bool isTitleEmptyTrimmed(const QString& title);

// The number column's text of a song row: two blanks, then at least two digits.
QString trackNumberText(int songNumber);

// Marks a row whose file is no song the program can read, for the reason given: its print
// check goes off and its time shows "--:--"; the row stays, so nothing the list holds vanishes.
void markUnreadableSong(TrackRow& row, const QString& reason);

// The rows a disc is made of: those whose file is no readable song are left out, the rows
// after them moving up, so that they end neither the CUE sheet's tracks nor the label's songs.
TrackRows discRowsOf(const TrackRows& rows);

} // namespace lccd
