#include "platform/Messages.h"

#include "platform/Dialogs.h"

namespace lccd {

int ShowMessageBox(const QString& text, const QString& caption, int type) {
    return dialogs().messageBox(text, caption, type);
}

bool AskOkCancel(const QString& text, const QString& caption) {
    return ShowMessageBox(text, caption,
                          MessageBoxType::OkCancel | MessageBoxType::IconInformation) !=
           DialogResult::Cancel;
}

} // namespace lccd
