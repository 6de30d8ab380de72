#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <functional>

#include "platform/HandOverRecord.h"
#include "platform/LocalSocket.h"

namespace sorna {

// A later start's connection to the running reader: its records are read as they come, each
// command line is answered, and every request goes to the handler. A client that sends something
// malformed, or no whole record for a while, is cut off; the connection deletes itself once it
// has ended.
class HandOverConnection : public QObject {
public:
    using Handler = std::function<void(const HandOverRequest&)>;

    HandOverConnection(LocalSocket socket, Handler handler, QObject& parent);

private:
    void Read(bool stalled);
    // Whether at least one whole request came.
    bool TakeRequests(HandOverReader::Status& status);
    void End();

    LocalSocket socket_;
    QSocketNotifier notifier_;
    QTimer stall_;
    HandOverReader reader_;
    Handler handler_;
};

}  // namespace sorna
