#pragma once

#include "common/ColorText.h"

#include <QComboBox>

#include <optional>

namespace lccd {

// A color picker: a default entry, the basic colors, further named colors, the system
// colors and a custom entry for any other color, each with a swatch.
class ColorComboBox : public QComboBox {
    Q_OBJECT

public:
    // defaultColor: what the default entry stands for.
    ColorComboBox(ColorValue defaultColor, QWidget* parent = nullptr);

    // Selects the entry of the color, or the custom entry holding it.
    void setColorValue(ColorValue value);
    // Nothing when no entry is selected.
    std::optional<ColorValue> colorValue() const;

Q_SIGNALS:
    void colorChanged(lccd::ColorValue value);

private:
    void addColor(const QString& name, ColorValue value);
    void entryChosen(int index);
    int customIndex() const { return count() - 1; }

    int previousIndex_ = -1;
};

} // namespace lccd
