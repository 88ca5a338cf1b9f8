#pragma once

#include "layout/LayoutItem.h"

#include <QStringList>

#include <functional>
#include <optional>

// The layout kept in the program's INI file: section ListView, one key Item0, Item1, ... per
// row, each holding the row line.
namespace lccd {

// Creates the program's INI file with its General section. Throws AppError when it cannot.
void createIniFile(const QString& iniPath);

// The stored row lines, in order; a gap in the numbering ends them. Nothing when the INI file
// does not exist.
std::optional<QStringList> LoadLayoutFromIni(const QString& iniPath);

enum class IniStoreOutcome {
    Stored,
    StoredInNewFile, // the INI file was missing and has been created
    TooLarge,        // refused, nothing written: the program could not read the file again
};

// What the window says after a store: that it created the INI file, or why it refused (naming
// the size limit); empty after a plain store.
QString describeIniStoreOutcome(IniStoreOutcome outcome, const QString& iniPath);

// Stores the rows in place of the stored ones; a missing INI file is created with them. The
// file is replaced only once it is complete: a failure throws AppError "%s に書き込めません" and
// leaves the previous file as it was. A file larger than the program reads is not written at
// all (TooLarge). While a long list is stored, whileStoring (when given) is called every few
// rows' worth of time, for a window to let its events through; rows must then be the caller's
// own copy.
IniStoreOutcome SaveLayoutToIni(const QString& iniPath, const QList<LayoutItem>& rows,
                                const std::function<void()>& whileStoring = {});

} // namespace lccd
