#pragma once

#include <QStringList>

namespace lccd {

// The index of the paper-list entry that a settings row's paper name selects, or -1. Entries
// are compared after HalfKanaToFull: an entry starting with the name matches, and so does an
// entry of the "官製ハガキ " family that contains it anywhere. Case-sensitive; an empty name
// matches nothing.
int FindPaperIndex(const QStringList& paperNames, const QString& name);

} // namespace lccd
