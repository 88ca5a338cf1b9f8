#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

namespace lccd {

// The CD list editor's status-bar message panel. Messages shown through ShowStatusMessage are
// cleared six seconds later; a few are set directly and stay until something replaces them.
class StatusPanel : public QObject {
    Q_OBJECT

public:
    static constexpr int kClearAfterMs = 6000;

    explicit StatusPanel(QObject* parent = nullptr);

    const QString& text() const { return text_; }

    // Shows the message and clears it after kClearAfterMs, cancelling any clear still pending.
    // A message that is blank after trimming only cancels: the panel keeps what it shows.
    void ShowStatusMessage(const QString& message);

    // Shows the text without scheduling a clear. A clear scheduled earlier is not cancelled, so
    // it may still empty the panel.
    void setText(const QString& text);

    // Shows the text and cancels a pending clear: it stays until something replaces it.
    void showUntilReplaced(const QString& text);

    // The pending clear, for tests.
    const QTimer& clearTimer() const { return clearTimer_; }

signals:
    void textChanged(const QString& text);

private:
    QString text_;
    QTimer clearTimer_;
};

} // namespace lccd
