#include "app/ColorComboBox.h"

#include "platform/Dialogs.h"

#include <QPainter>
#include <QPixmap>

namespace lccd {
namespace {

constexpr int kValueRole = Qt::UserRole;

// Further named colors the desktop's color pickers offer.
struct ExtraColor {
    const char* name;
    ColorValue value;
};
constexpr ExtraColor kExtraColors[] = {{"clMoneyGreen", 0x00C0DCC0},
                                       {"clSkyBlue", 0x00F0CAA6},
                                       {"clCream", 0x00F0FBFF},
                                       {"clMedGray", 0x00A4A0A0}};

QIcon swatch(ColorValue value) {
    QPixmap pixmap(16, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.setBrush(toQColor(value));
    painter.drawRect(0, 0, 15, 11);
    return QIcon(pixmap);
}

} // namespace

ColorComboBox::ColorComboBox(ColorValue defaultColor, QWidget* parent) : QComboBox(parent) {
    addColor(QStringLiteral("デフォルト"), defaultColor);
    for (const char16_t* name : basicColorNames()) {
        const QString text = QString::fromUtf16(name);
        addColor(text, ColorFromText(text, kColorBlack));
    }
    for (const ExtraColor& extra : kExtraColors)
        addColor(QString::fromLatin1(extra.name), extra.value);
    for (int i = 0; i < kSystemColorCount; ++i)
        addColor(QString::fromUtf16(systemColorNames()[i]), systemColor(i));
    namedCount_ = count();
    // Opens the color chooser; it holds no color of its own.
    addItem(QStringLiteral("その他の色..."));
    setMaxVisibleItems(20);
    previousIndex_ = 0;
    connect(this, &QComboBox::activated, this, &ColorComboBox::entryChosen);
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0 && index != otherIndex())
            Q_EMIT colorChanged(itemData(index, kValueRole).toUInt());
    });
}

void ColorComboBox::addColor(const QString& name, ColorValue value) {
    addItem(swatch(value), name, QVariant::fromValue(value));
}

int ColorComboBox::customIndex() const {
    return count() > namedCount_ + 1 ? namedCount_ : -1;
}

void ColorComboBox::setColorValue(ColorValue value) {
    // The default entry is not chosen for a color that a named entry has.
    for (int i = 1; i < namedCount_; ++i)
        if (itemData(i, kValueRole).toUInt() == value) {
            setCurrentIndex(i);
            previousIndex_ = i;
            return;
        }
    // Any other color has an entry of its own, named as the row writes it ("$00BBGGRR").
    if (customIndex() < 0)
        insertItem(namedCount_, QString());
    const int custom = customIndex();
    setItemData(custom, QVariant::fromValue(value), kValueRole);
    setItemIcon(custom, swatch(value));
    setItemText(custom, colorToText(value));
    setCurrentIndex(custom);
    previousIndex_ = custom;
    Q_EMIT colorChanged(value);
}

std::optional<ColorValue> ColorComboBox::colorValue() const {
    const int index = currentIndex() == otherIndex() ? previousIndex_ : currentIndex();
    if (index < 0)
        return std::nullopt;
    return itemData(index, kValueRole).toUInt();
}

void ColorComboBox::entryChosen(int index) {
    if (index != otherIndex()) {
        previousIndex_ = index;
        return;
    }
    const QColor current = toQColor(colorValue().value_or(kColorBlack));
    const std::optional<QColor> chosen = dialogs().chooseColor(current);
    if (!chosen) {
        setCurrentIndex(previousIndex_);
        return;
    }
    setColorValue(ColorValue(chosen->red()) | ColorValue(chosen->green()) << 8 |
                  ColorValue(chosen->blue()) << 16);
}

} // namespace lccd
