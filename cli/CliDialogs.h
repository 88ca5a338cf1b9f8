#pragma once

#include "platform/Dialogs.h"

#include <QTextStream>

namespace lccd {

// A message box of the given MessageBoxType bits where nobody answers: its text goes to err, a
// question gets its cancelling answer (Cancel, or No) and says so; returns the DialogResult.
int reportMessageBox(QTextStream& err, const QString& text, int type);

// The dialog adapter of the command line, where nobody is there to answer: messages go to the
// error stream, a question gets its cancelling answer (Cancel, or No) and says so, and every
// file dialog, the print setup and the program's own dialogs are cancelled, since the command
// line names the files. Options such as --nocut settle a question before it is asked.
class CliDialogs : public DialogAdapter {
public:
    explicit CliDialogs(QTextStream& err) : err_(err) {}

    int messageBox(const QString& text, const QString&, int type) override {
        return reportMessageBox(err_, text, type);
    }
    std::optional<QString> openFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> saveFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> openPicture(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> browseFolder(const QString&, const QString&) override {
        return std::nullopt;
    }
    bool printSetup(PrinterSystem&) override { return false; }
    std::optional<int> askNumber(const QString&, const QString&, int, int, int) override {
        return std::nullopt;
    }
    std::optional<QColor> chooseColor(const QColor&) override { return std::nullopt; }
    int execDialog(QDialog&) override { return 0; } // QDialog::Rejected

private:
    QTextStream& err_;
};

} // namespace lccd
