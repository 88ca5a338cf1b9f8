#pragma once

#include "layout/LayoutItem.h"

#include <QStringList>

#include <optional>

// The layout kept in the program's INI file: section ListView, one key Item0, Item1, ... per
// row, each holding the row line.
namespace lccd {

// Creates the program's INI file with its General section. Throws AppError when it cannot.
void CreateIniFile(const QString& iniPath);

// The stored row lines, in order; a gap in the numbering ends them. Nothing when the INI file
// does not exist.
std::optional<QStringList> LoadLayoutFromIni(const QString& iniPath);

// Stores the rows in place of the stored ones. A missing INI file is created first (with a
// message saying so). The file is replaced only once it is complete: a failure throws
// AppError "%s に書き込めません" and leaves the previous file as it was.
void SaveLayoutToIni(const QString& iniPath, const QList<LayoutItem>& rows);

} // namespace lccd
