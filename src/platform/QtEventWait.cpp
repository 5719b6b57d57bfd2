#include "platform/QtEventWait.h"

#include <QEventLoop>
#include <QTimer>

namespace tess {

void runEventsFor(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace tess
