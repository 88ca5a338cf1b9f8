#pragma once

#include "platform/Shell.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

class QLabel;
class QProgressBar;

namespace lccd {

// The version window: title, version and purpose on a small borderless window that closes
// itself after twelve seconds, a gauge counting the time down.
class TfrmVersion : public QDialog {
    Q_OBJECT

public:
    // Opens the program's web page with the shell given.
    explicit TfrmVersion(DesktopShell& shell, QWidget* parent = nullptr);

    // Runs the window's clock faster (a test shortens twelve seconds this way).
    void setTimeScale(double scale) { timeScale_ = scale; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Timer2Timer(); // the progress timer, every 500 ms

    DesktopShell& shell_;
    QProgressBar* Gauge1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QTimer Timer1;
    QTimer Timer2;
    QElapsedTimer shownFor_;
    double timeScale_ = 1;
};

} // namespace lccd
