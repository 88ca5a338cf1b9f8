#include "cli/CliSaveQuestions.h"

#include "cli/CliDialogs.h"

namespace lccd {

void CliSaveQuestions::namesDoNotFit(const QString& message) {
    reportMessageBox(err_, message, MessageBoxType::Ok);
}

bool CliSaveQuestions::writeLossyValues(const QString& question) {
    return reportMessageBox(err_, question, MessageBoxType::OkCancel) == DialogResult::Ok;
}

std::optional<bool> CliSaveQuestions::takeProjectTags(const QString& question) {
    reportMessageBox(err_, question, MessageBoxType::YesNoCancel);
    return std::nullopt;
}

bool CliSaveQuestions::folderIsUnsplit(const QString& question) {
    return reportMessageBox(err_, question, MessageBoxType::OkCancel) == DialogResult::Ok;
}

} // namespace lccd
