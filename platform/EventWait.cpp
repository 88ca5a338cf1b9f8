#include "platform/EventWait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace lccd {

void WaitWithEvents(int ms) {
    QCoreApplication::processEvents();
    if (ms <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(ms + 1, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace lccd
