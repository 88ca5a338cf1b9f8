#pragma once

#include "layout/LayoutItem.h"

#include <optional>

namespace lccd {

// What a settings row does when a layout is loaded: a title after "|" in its value goes into
// the window caption, and the paper it names (matched against the paper list) is selected in
// the orientation of its 縦書き field.
struct LoadedSettingsRow {
    std::optional<QString> title;
    int paperIndex = -1; // into the paper list; -1 leaves paper and orientation alone
    bool portrait = true;
};

LoadedSettingsRow InterpretLoadedSettingsRow(const LayoutItem& row, const QStringList& paperNames);

} // namespace lccd
