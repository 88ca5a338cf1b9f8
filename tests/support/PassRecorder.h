#pragma once

#include "render/DrawingPass.h"

namespace lccd::test {

// Keeps what a drawing pass tells the window.
class PassRecorder : public DrawingPassObserver {
public:
    int papersSelected = 0;
    int previewShown = 0; // passes ended
    int workShown = 0;    // paragraphs started
    QString workText;     // the last paragraph's wrapped text

    void paperSelected() override { ++papersSelected; }
    void passEnded() override { ++previewShown; }
    void paragraphStarted() override { ++workShown; }
    void paragraphWrapped(const QString& text, const QString&, int, const QColor&) override {
        workText = text;
    }
};

} // namespace lccd::test
