#pragma once

#include "platform/Dialogs.h"

#include <QList>

#include <deque>

namespace lccd::test {

// A dialog adapter answered by script. Constructing one installs it until it goes out of
// scope. Every dialog shown is recorded; queued answers are given in order, and a dialog
// with no queued answer gets the cancelling answer (OK for a box that has only OK).
class ScriptedDialogs : public DialogAdapter {
public:
    enum class Kind { Message, OpenFile, SaveFile, OpenPicture, Folder, PrintSetup, Color, Dialog };

    struct Prompt {
        Kind kind;
        QString text;    // message text, folder prompt or dialog title
        QString caption; // message caption
        int type = 0;    // message box type bits
        FileDialogRequest request;
        bool answered = false;
    };

    ScriptedDialogs() : install_(*this) {}

    ScriptedDialogs& answerMessage(int dialogResult);
    // For the open, save and picture dialogs; nothing stands for Cancel.
    ScriptedDialogs& answerFile(std::optional<QString> path);
    ScriptedDialogs& answerFolder(std::optional<QString> path);
    // The print setup dialog: the function plays the user's choice and returns whether the
    // dialog was confirmed.
    ScriptedDialogs& answerPrintSetup(std::function<bool(PrinterSystem&)> choice);
    ScriptedDialogs& answerColor(std::optional<QColor> color);
    // One of the program's own dialogs: the function plays the user (fills in controls, maybe
    // opens further dialogs) and returns the dialog's result code. Unanswered, a dialog is
    // cancelled.
    ScriptedDialogs& answerDialog(std::function<int(QDialog&)> user);

    const QList<Prompt>& prompts() const { return prompts_; }
    // The texts of all message boxes shown, in order.
    QStringList messages() const;
    // Dialogs that offered a choice but found no queued answer.
    int unanswered() const;

    int messageBox(const QString& text, const QString& caption, int type) override;
    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(const FileDialogRequest& request) override;
    std::optional<QString> openPicture(const FileDialogRequest& request) override;
    std::optional<QString> browseFolder(const QString& prompt, const QString& startFolder) override;
    bool printSetup(PrinterSystem& printers) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    int execDialog(QDialog& dialog) override;

private:
    std::optional<QString> fileDialog(Kind kind, const FileDialogRequest& request);

    Service<DialogAdapter>::Override install_;
    std::deque<int> messageAnswers_;
    std::deque<std::optional<QString>> fileAnswers_;
    std::deque<std::optional<QString>> folderAnswers_;
    std::deque<std::function<bool(PrinterSystem&)>> printSetupAnswers_;
    std::deque<std::optional<QColor>> colorAnswers_;
    std::deque<std::function<int(QDialog&)>> dialogAnswers_;
    QList<Prompt> prompts_;
};

} // namespace lccd::test
