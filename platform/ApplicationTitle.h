#pragma once

#include <QString>

namespace lccd {

// The application title, shown in the main window's caption and on error boxes.
inline QString applicationTitle() {
    return QStringLiteral("Lc音楽ＣＤ作成補助ツール");
}

} // namespace lccd
