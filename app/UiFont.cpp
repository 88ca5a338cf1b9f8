#include "app/UiFont.h"

#include "platform/Fonts.h"

#include <QApplication>
#include <QFont>

namespace lccd {

void useJapaneseUiFont(FontSystem& fonts) {
    fonts.installedFaces();
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(12);
    QApplication::setFont(font);
}

} // namespace lccd
