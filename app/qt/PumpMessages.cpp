#include "app/qt/PumpMessages.h"

#include <QCoreApplication>

namespace sorna {

void PumpMessages() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

}  // namespace sorna
