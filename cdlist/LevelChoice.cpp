#include "cdlist/LevelChoice.h"

#include "platform/NamedWidget.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>

namespace lccd {

LevelChoice::LevelChoice(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("levelChoice"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("音量をそろえる"), this));
    cmbLevel = named(new QComboBox(this), "cmbLevel");
    cmbLevel->addItem(QStringLiteral("しない"), int(LevelMode::Off));
    cmbLevel->addItem(QStringLiteral("曲ごと"), int(LevelMode::Song));
    cmbLevel->addItem(QStringLiteral("ディスク全体 (曲の差を残す)"), int(LevelMode::Disc));
    layout->addWidget(cmbLevel);
    layout->addWidget(new QLabel(QStringLiteral("目標"), this));
    spnLevelTarget = named(new QDoubleSpinBox(this), "spnLevelTarget");
    spnLevelTarget->setRange(kLowestLoudnessTarget, kHighestLoudnessTarget);
    spnLevelTarget->setDecimals(1);
    spnLevelTarget->setSingleStep(0.5);
    spnLevelTarget->setSuffix(QStringLiteral(" LUFS"));
    layout->addWidget(spnLevelTarget);
    layout->addStretch(1);
    setToolTip(QStringLiteral("CDの音声（イメージ・書き込み・試聴）だけに掛けます。曲ファイルは"
                              "変えません。トゥルーピークが -1 dBTP を越える曲はゲインを下げます"));
    connect(cmbLevel, &QComboBox::currentIndexChanged, this, &LevelChoice::showTargetState);
    setSettings({});
}

void LevelChoice::setSettings(const LevelSettings& settings) {
    cmbLevel->setCurrentIndex(std::max(0, cmbLevel->findData(int(settings.mode))));
    spnLevelTarget->setValue(settings.target);
    showTargetState();
}

LevelSettings LevelChoice::settings() const {
    return {LevelMode(cmbLevel->currentData().toInt()), spnLevelTarget->value()};
}

void LevelChoice::showTargetState() {
    spnLevelTarget->setEnabled(settings().mode != LevelMode::Off);
}

} // namespace lccd
