#pragma once

#include "audio/LoudnessLevel.h"

#include <QWidget>

class QComboBox;
class QDoubleSpinBox;

namespace lccd {

// "音量をそろえる": off, per song or per disc, and the loudness to reach.
class LevelChoice : public QWidget {
    Q_OBJECT

public:
    explicit LevelChoice(QWidget* parent = nullptr);

    void setSettings(const LevelSettings& settings);
    LevelSettings settings() const;

private:
    void showTargetState();

    QComboBox* cmbLevel = nullptr;
    QDoubleSpinBox* spnLevelTarget = nullptr;
};

} // namespace lccd
