#pragma once

#include <QDialog>

class QBoxLayout;

namespace lccd {

// The OK ("Button2") and キャンセル ("Button1") buttons that close a dialog with its result,
// added at the end of a layout.
void addOkCancelButtons(QDialog& dialog, QBoxLayout& layout);

} // namespace lccd
