#include "cli/CliDialogs.h"

#include "cli/CliText.h"

namespace lccd {

int CliDialogs::messageBox(const QString& text, const QString&, int type) {
    int answer = DialogResult::Ok;
    QString answerText;
    switch (type & MessageBoxType::ButtonMask) {
    case MessageBoxType::OkCancel:
    case MessageBoxType::YesNoCancel:
        answer = DialogResult::Cancel;
        answerText = localText("Cancel", "キャンセル");
        break;
    case MessageBoxType::YesNo:
        answer = DialogResult::No;
        answerText = localText("No", "いいえ");
        break;
    default:
        break;
    }
    err_ << "lccdtool-cli: " << text;
    if (!answerText.isEmpty())
        err_ << " -> " << answerText;
    err_ << Qt::endl;
    return answer;
}

} // namespace lccd
