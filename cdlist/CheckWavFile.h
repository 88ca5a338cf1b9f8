#pragma once

#include "cdlist/EditorCommands.h"

#include <QDialog>

class QLineEdit;

namespace lccd {

// The WAV check dialog: the first four WAV files of the folder with their playing times.
class TfrmCheckWavFile : public QDialog {
    Q_OBJECT

public:
    explicit TfrmCheckWavFile(QWidget* parent = nullptr);

    void setLines(const QList<WavCheckLine>& lines);

private:
    QLineEdit* times_[4] = {};
    QLineEdit* names_[4] = {};
};

} // namespace lccd
