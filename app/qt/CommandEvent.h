#pragma once

#include <QEvent>

#include "resources/CommandIds.h"

class QObject;

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

}  // namespace sorna
