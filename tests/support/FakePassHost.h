#pragma once

#include "render/DrawingPass.h"

namespace lccd::test {

// The main window's side of a drawing pass, as plain values.
class FakePassHost : public DrawingPassHost {
public:
    QStringList papers;
    int selected = 0;
    bool portrait = true;
    int correctX = 0;
    int correctY = 0;
    QString project;
    QString program;
    int dpi = 600;
    int previewShown = 0;

    QStringList paperNames() const override { return papers; }
    int selectedPaperIndex() const override { return selected; }
    bool portraitChecked() const override { return portrait; }
    int correctionX() const override { return correctX; }
    int correctionY() const override { return correctY; }
    QString lastProject() const override { return project; }
    QString programFolder() const override { return program; }
    int printerDpiX() const override { return dpi; }
    void showPreviewTab() override { ++previewShown; }
    void showWorkTab() override { ++workShown; }
    void showWorkText(const QString& text, const QString&, int, const QColor&) override {
        workText = text;
    }

    int workShown = 0;
    QString workText;
};

} // namespace lccd::test
