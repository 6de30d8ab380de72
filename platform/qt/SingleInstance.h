#pragma once

#include <QFile>
#include <QObject>
#include <QPointer>
#include <QSocketNotifier>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <memory>
#include <string>
#include <string_view>

#include "platform/HandOverRecord.h"
#include "platform/LocalSocket.h"

namespace sorna {

// What a start is to do once it has tried to hand its command line over.
enum class StartRole {
    kReader,      // no other reader runs: go on as the reader, which holds the lock
    kHandedOver,  // the running reader took the command line: end with 0
    kUnanswered,  // another reader holds the lock but could not be handed the command line
};

// Keeps the reader to one running copy per user. A lock on a file in the user's runtime folder
// (or, where that folder cannot be used, in a folder of the user's own) says that a reader runs;
// a local socket beside it is how a later start finds that reader.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    // The lock file and the socket are named after `name`.
    explicit SingleInstance(const QString& name);
    // A reader that listened takes its socket away.
    ~SingleInstance() override;

    // For a start while another reader runs: waits up to `patience` for it to be found, which on
    // a busy machine may take until its window shows, asks it to come to the front, hands it a
    // non-empty command line and waits for its answer. Otherwise takes the lock, held from then
    // on.
    [[nodiscard]] StartRole HandOverToRunning(
        std::u16string_view commandLine,
        std::chrono::milliseconds patience = std::chrono::seconds(30));

    // Lets later starts find this reader, the holder of the lock; they bring `window` to the front.
    // False for a start that does not hold the lock, and while the holder cannot listen yet, which
    // keeps trying.
    [[nodiscard]] bool Serve(QWidget& window);

signals:
    // A command line handed over by a later start, once it has been answered; from the event
    // loop, so a receiver may run a dialog.
    void CommandLineReceived(const sorna::HandOverRequest& request);

private:
    [[nodiscard]] bool AnotherIsRunning();
    // Whether the reader can be found: it listens again when its socket went from its place,
    // and takes connections again when it had to stop for want of descriptors.
    bool Listen();
    void Accept();
    void Take(const HandOverRequest& request);

    std::string socketPath_;
    QFile lock_;
    bool locked_ = false;
    LocalSocket server_;
    std::unique_ptr<QSocketNotifier> connections_;  // of server_
    QTimer listenCheck_;
    QPointer<QWidget> window_;
    bool raiseQueued_ = false;
};

}  // namespace sorna
