#pragma once

#include <QEvent>

#include "resources/CommandIds.h"

class QObject;

// Commands and pending events on the Qt event loop.
namespace sorna {

// A command posted to the main window. Menus, bar buttons, keys, taps, hardware buttons and
// auto-scroll all post one, so every action takes the same road through the command table.
class CommandEvent : public QEvent {
public:
    static const QEvent::Type kType;

    explicit CommandEvent(CommandId id) : QEvent(kType), id_(id) {}
    CommandId Id() const { return id_; }

private:
    CommandId id_;
};

// Queues the command for `receiver`; it is carried out when the receiver's events are handled.
void PostCommand(QObject& receiver, CommandId id);

// Handles the events that are pending now (repaints, input, timers, posted commands) and returns.
// Handlers run from inside the caller, so they must cope with a command that is still in
// progress. Events that those handlers post wait for the next pump or the loop, so a handler
// that keeps posting cannot hold the caller forever.
void PumpMessages();

}  // namespace sorna
