#include "cdlist/StatusPanel.h"

#include "platform/BlankTrim.h"

namespace lccd {

StatusPanel::StatusPanel(QObject* parent) : QObject(parent) {
    clearTimer_.setSingleShot(true);
    clearTimer_.setInterval(kClearAfterMs);
    connect(&clearTimer_, &QTimer::timeout, this, [this] { setText(QString()); });
}

void StatusPanel::ShowStatusMessage(const QString& message) {
    clearTimer_.stop();
    if (trimBlanks(message).isEmpty())
        return;
    setText(message);
    clearTimer_.start();
}

void StatusPanel::showUntilReplaced(const QString& text) {
    clearTimer_.stop();
    setText(text);
}

void StatusPanel::setText(const QString& text) {
    text_ = text;
    emit textChanged(text_);
}

} // namespace lccd
