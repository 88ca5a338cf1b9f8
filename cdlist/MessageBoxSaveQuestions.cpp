#include "cdlist/MessageBoxSaveQuestions.h"

#include "platform/Dialogs.h"
#include "platform/EventWait.h"
#include "platform/Messages.h"

namespace lccd {
namespace {

constexpr int kWaitAfterTagWriteMs = 150;

QString caption() {
    return QStringLiteral("確認");
}

} // namespace

void MessageBoxSaveQuestions::namesDoNotFit(const QString& message) {
    ShowMessageBox(message, caption(), MessageBoxType::Ok | MessageBoxType::IconWarning);
}

bool MessageBoxSaveQuestions::writeLossyValues(const QString& question) {
    return AskOkCancel(question, caption());
}

std::optional<bool> MessageBoxSaveQuestions::takeProjectTags(const QString& question) {
    const int answer = ShowMessageBox(question, caption(),
                                      MessageBoxType::YesNoCancel | MessageBoxType::IconQuestion);
    if (answer == DialogResult::Yes)
        return true;
    if (answer == DialogResult::No)
        return false;
    return std::nullopt;
}

bool MessageBoxSaveQuestions::folderIsUnsplit(const QString& question) {
    return AskOkCancel(question, caption());
}

void MessageBoxSaveQuestions::songTried() {
    WaitWithEvents(kWaitAfterTagWriteMs);
}

} // namespace lccd
