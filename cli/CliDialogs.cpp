#include "cli/CliDialogs.h"

#include "cli/CliText.h"

namespace lccd {

int reportMessageBox(QTextStream& err, const QString& text, int type) {
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
    err << "lccdtool-cli: " << text;
    if (!answerText.isEmpty())
        err << " -> " << answerText;
    err << Qt::endl;
    return answer;
}

} // namespace lccd
