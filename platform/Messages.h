#pragma once

#include <QString>

// Message and question boxes, through the dialog adapter.
namespace lccd {

// Shows a message box with the given MessageBoxType bits; returns the DialogResult code.
int ShowMessageBox(const QString& text, const QString& caption, int type);

// An OK/Cancel question with an information icon; true unless the user chose Cancel.
bool AskOkCancel(const QString& text, const QString& caption);

} // namespace lccd
