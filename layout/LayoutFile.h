#pragma once

#include "layout/LayoutItem.h"

#include <QList>
#include <QStringList>

#include <optional>

// Layout files: a header line and one row line per layout row, in Shift-JIS with CR LF.
namespace lccd {

// The file dialog filter for layout files.
QString LayoutFileFilter();

struct LayoutFileContent {
    int headerFieldCount = 0; // how many fields each row takes
    QStringList rowLines;     // every line after the header, blank lines included
};

// Reads a layout file. Nothing when the file is refused: fewer than two lines, or a header of
// 13 fields or fewer. Throws AppError "ファイル %s は開けません" when it cannot be read.
std::optional<LayoutFileContent> ReadLayoutFile(const QString& path);

// Writes the header and the rows, replacing the file only once it is complete. Throws AppError
// "ファイル %s を作成できません".
void WriteLayoutFile(const QString& path, const QList<LayoutItem>& rows);

// The file a save writes for a chosen name: any extension other than ".csv" (in any case) is
// replaced by ".csv", a name without one (or ending in a bare ".") gets it.
QString LayoutSavePath(const QString& chosen);

} // namespace lccd
