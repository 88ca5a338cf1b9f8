#include "app/Unit1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lccdtool"));

    lccd::TForm1 mainWindow;
    mainWindow.show();
    return QApplication::exec();
}
