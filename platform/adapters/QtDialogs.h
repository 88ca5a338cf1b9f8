#pragma once

#include "platform/Dialogs.h"

namespace lccd {

// The dialog adapter of the running program: Qt's message boxes and file dialogs, parented to
// the active window.
class QtDialogs : public DialogAdapter {
public:
    int messageBox(const QString& text, const QString& caption, int type) override;
    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(const FileDialogRequest& request) override;
    std::optional<QString> openPicture(const FileDialogRequest& request) override;
    std::optional<QString> browseFolder(const QString& prompt, const QString& startFolder) override;
    bool printSetup(PrinterSystem& printers) override;
    std::optional<int> askNumber(const QString& caption, const QString& label, int value,
                                 int minimum, int maximum) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    int execDialog(QDialog& dialog) override;
};

} // namespace lccd
