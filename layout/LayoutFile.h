#pragma once

#include "layout/LayoutItem.h"

#include <QList>
#include <QStringList>

#include <optional>

// Layout files: a header line and one row line per layout row, in Shift-JIS with CR LF.
namespace lccd {

// The file dialog filter for layout files.
QString layoutFileFilter();

struct LayoutFileContent {
    int headerFieldCount = 0; // how many fields each row takes
    QStringList rowLines;     // every line after the header, blank lines included
    // Read as UTF-8, as a Linux editor saves it, instead of code page 932.
    bool utf8 = false;
};

enum class LayoutFileRefusal {
    None,
    CannotRead,  // no regular file, or it cannot be read
    TooFewLines, // fewer than two lines: no row after the header
    ShortHeader, // a header of 13 fields or fewer
};

struct LayoutFileRead {
    std::optional<LayoutFileContent> content; // when the file was read as a layout file
    LayoutFileRefusal refusal = LayoutFileRefusal::None;
    QString readError; // why the file could not be read, for CannotRead
};

// Reads a layout file, or says why it was refused. A file in UTF-8 (textEncodingOf) is read as
// such.
LayoutFileRead readLayoutFile(const QString& path);

// The words for a refusal: the read error for a file that cannot be read ("ファイル %s は開けま
// せん", ...), a sentence saying what the file lacks for the others; empty for a file read.
QString describeLayoutFileRefusal(const LayoutFileRead& read, const QString& path);

// Writes the header and the rows, replacing the file only once it is complete. Throws AppError
// "ファイル %s を作成できません".
void writeLayoutFile(const QString& path, const QList<LayoutItem>& rows);

// The file a save writes for a chosen name: any extension other than ".csv" (in any case) is
// replaced by ".csv", a name without one (or ending in a bare ".") gets it.
QString layoutSavePath(const QString& chosen);

} // namespace lccd
