#include "app/Unit1.h"

#include "platform/ApplicationTitle.h"

namespace lccd {

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(applicationTitle());
    resize(870, 606);
}

} // namespace lccd
