#include "app/qt/EventLoop.h"

#include <QCoreApplication>
#include <memory>

namespace sorna {

const QEvent::Type CommandEvent::kType = QEvent::Type(QEvent::registerEventType());

void PostCommand(QObject& receiver, CommandId id) {
    // The event queue owns and deletes what is posted.
    QCoreApplication::postEvent(&receiver, std::make_unique<CommandEvent>(id).release());
}

void PumpMessages() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

}  // namespace sorna
