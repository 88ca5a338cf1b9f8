#include "tests/support/ScriptedDialogs.h"

#include <QDialog>

namespace lccd::test {
namespace {

std::optional<QString> takeAnswer(std::deque<std::optional<QString>>& answers) {
    if (answers.empty())
        return std::nullopt;
    std::optional<QString> answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

} // namespace

ScriptedDialogs& ScriptedDialogs::answerMessage(int dialogResult) {
    messageAnswers_.push_back(dialogResult);
    return *this;
}

ScriptedDialogs& ScriptedDialogs::answerFile(std::optional<QString> path) {
    fileAnswers_.push_back(std::move(path));
    return *this;
}

ScriptedDialogs& ScriptedDialogs::answerFolder(std::optional<QString> path) {
    folderAnswers_.push_back(std::move(path));
    return *this;
}

QStringList ScriptedDialogs::messages() const {
    QStringList texts;
    for (const Prompt& prompt : prompts_)
        if (prompt.kind == Kind::Message)
            texts.append(prompt.text);
    return texts;
}

int ScriptedDialogs::unanswered() const {
    int count = 0;
    for (const Prompt& prompt : prompts_) {
        const bool okOnly = prompt.kind == Kind::Message &&
                            (prompt.type & MessageBoxType::ButtonMask) == MessageBoxType::Ok;
        if (!prompt.answered && !okOnly)
            ++count;
    }
    return count;
}

int ScriptedDialogs::messageBox(const QString& text, const QString& caption, int type) {
    Prompt prompt{Kind::Message, text, caption, type, {}, !messageAnswers_.empty()};
    prompts_.append(prompt);
    if (prompt.answered) {
        const int answer = messageAnswers_.front();
        messageAnswers_.pop_front();
        return answer;
    }
    switch (type & MessageBoxType::ButtonMask) {
    case MessageBoxType::Ok:
        return DialogResult::Ok;
    case MessageBoxType::YesNo:
        return DialogResult::No;
    default:
        return DialogResult::Cancel;
    }
}

std::optional<QString> ScriptedDialogs::fileDialog(Kind kind, const FileDialogRequest& request) {
    prompts_.append(Prompt{kind, request.title, {}, 0, request, !fileAnswers_.empty()});
    return takeAnswer(fileAnswers_);
}

std::optional<QString> ScriptedDialogs::openFile(const FileDialogRequest& request) {
    return fileDialog(Kind::OpenFile, request);
}

std::optional<QString> ScriptedDialogs::saveFile(const FileDialogRequest& request) {
    return fileDialog(Kind::SaveFile, request);
}

std::optional<QString> ScriptedDialogs::openPicture(const FileDialogRequest& request) {
    return fileDialog(Kind::OpenPicture, request);
}

std::optional<QString> ScriptedDialogs::browseFolder(const QString& prompt,
                                                     const QString& startFolder) {
    FileDialogRequest request;
    request.startPath = startFolder;
    prompts_.append(Prompt{Kind::Folder, prompt, {}, 0, request, !folderAnswers_.empty()});
    return takeAnswer(folderAnswers_);
}

ScriptedDialogs& ScriptedDialogs::answerPrintSetup(std::function<bool(PrinterSystem&)> choice) {
    printSetupAnswers_.push_back(std::move(choice));
    return *this;
}

bool ScriptedDialogs::printSetup(PrinterSystem& printers) {
    prompts_.append(Prompt{Kind::PrintSetup, {}, {}, 0, {}, !printSetupAnswers_.empty()});
    if (printSetupAnswers_.empty())
        return false;
    const auto choice = std::move(printSetupAnswers_.front());
    printSetupAnswers_.pop_front();
    return choice(printers);
}

ScriptedDialogs& ScriptedDialogs::answerColor(std::optional<QColor> color) {
    colorAnswers_.push_back(color);
    return *this;
}

ScriptedDialogs& ScriptedDialogs::answerDialog(std::function<int(QDialog&)> user) {
    dialogAnswers_.push_back(std::move(user));
    return *this;
}

std::optional<QColor> ScriptedDialogs::chooseColor(const QColor&) {
    prompts_.append(Prompt{Kind::Color, {}, {}, 0, {}, !colorAnswers_.empty()});
    if (colorAnswers_.empty())
        return std::nullopt;
    const std::optional<QColor> answer = colorAnswers_.front();
    colorAnswers_.pop_front();
    return answer;
}

int ScriptedDialogs::execDialog(QDialog& dialog) {
    prompts_.append(Prompt{
        Kind::Dialog, dialog.objectName(), dialog.windowTitle(), 0, {}, !dialogAnswers_.empty()});
    if (dialogAnswers_.empty())
        return QDialog::Rejected;
    const auto user = std::move(dialogAnswers_.front());
    dialogAnswers_.pop_front();
    return user(dialog);
}

} // namespace lccd::test
