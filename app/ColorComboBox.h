#pragma once

#include "common/ColorText.h"

#include <QComboBox>

#include <optional>

namespace lccd {

// A color picker: a default entry, the basic colors, further named colors and the system
// colors, each with a swatch; an entry for any other color, named by its "$00BBGGRR" code,
// once it holds one; and "その他の色..." last, which opens the color chooser.
class ColorComboBox : public QComboBox {
    Q_OBJECT

public:
    // defaultColor: what the default entry stands for.
    ColorComboBox(ColorValue defaultColor, QWidget* parent = nullptr);

    // Selects the entry of the color, or the entry of other colors holding it.
    void setColorValue(ColorValue value);
    // Nothing when no entry is selected.
    std::optional<ColorValue> colorValue() const;

Q_SIGNALS:
    void colorChanged(lccd::ColorValue value);

private:
    void addColor(const QString& name, ColorValue value);
    void entryChosen(int index);
    // The entry of a color that has no name, -1 before there is one; the color chooser's entry.
    int customIndex() const;
    int otherIndex() const { return count() - 1; }

    int namedCount_ = 0; // the default entry and the named colors
    int previousIndex_ = -1;
};

} // namespace lccd
