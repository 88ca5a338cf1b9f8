#pragma once

#include <QString>

class QWidget;

namespace lccd {

class DesktopShell;

// Opens the user's guide in the program the desktop associates with it; when the desktop has
// none, shows its text (code page 932 or UTF-8) in a plain read-only window over parent.
void openGuide(DesktopShell& shell, const QString& path, QWidget* parent);

} // namespace lccd
