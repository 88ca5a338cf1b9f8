#pragma once

#include "layout/LayoutItem.h"

#include <optional>

namespace lccd {

class SheetSurface;

// What a settings row does when a layout is loaded: a title after "|" in its value goes into
// the window caption, and the paper it names (matched against the paper list) is selected in
// the orientation of its 縦書き field.
struct LoadedSettingsRow {
    std::optional<QString> title;
    int paperIndex = -1; // into the paper list; -1 leaves paper and orientation alone
    bool portrait = true;
};

// The paper-list index a settings row's paper name selects, or -1: the name is matched with its
// ASCII letters in upper case ("a4" finds "A4").
int findLoadedPaperIndex(const QStringList& paperNames, QString name);

LoadedSettingsRow interpretLoadedSettingsRow(const LayoutItem& row, const QStringList& paperNames);

// What a settings row does as it joins the list: the paper it names is selected on the
// surface. Nothing for any other row.
std::optional<LoadedSettingsRow>
applyLoadedSettingsRow(SheetSurface& surface, const QStringList& paperNames, const LayoutItem& row);

} // namespace lccd
