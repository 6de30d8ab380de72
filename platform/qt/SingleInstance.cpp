#include "platform/qt/SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <memory>

#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sorna {
namespace {

// How long a later start waits for the running reader, which may be busy opening a document.
constexpr int kConnectTimeoutMs = 2000;
constexpr int kAnswerTimeoutMs = 10000;
constexpr int kRetryMs = 20;
// A client that sends no whole record for this long is cut off, so it cannot hold memory.
constexpr int kStallMs = 3000;
// How often the reader makes sure it is still found, well within what a later start waits.
constexpr int kListenCheckMs = 1000;

// Made 0700 when missing. Only a folder of this user's that nobody else may write to will do:
// whoever could write there could stand in for the running reader.
bool IsOwnFolder(const QString& path) {
    if (path.isEmpty() || !QDir().mkpath(QFileInfo(path).path())) {
        return false;
    }
    const QByteArray native = QFile::encodeName(path);
    ::mkdir(native.constData(), 0700);
    struct stat status {};
    return ::lstat(native.constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::geteuid() && (status.st_mode & (S_IWGRP | S_IWOTH)) == 0 &&
           ::access(native.constData(), W_OK | X_OK) == 0;
}

// The runtime folder, or where it cannot be used one in the user's cache or temporary files:
// every start, at any time, must come to the same folder. Empty when there is none.
QString ChannelStem(const QString& name) {
    const QString leaf = name.toLower();
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    for (const QString& folder :
         {QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation),
          cache.isEmpty() ? cache : cache + u'/' + leaf,
          QDir::tempPath() + u'/' + leaf + u'-' + QString::number(::geteuid())}) {
        if (IsOwnFolder(folder)) {
            return folder + u'/' + name;
        }
    }
    return {};
}

bool Send(QLocalSocket& socket, const std::vector<uint8_t>& bytes) {
    const auto size = static_cast<qint64>(bytes.size());
    return socket.write(reinterpret_cast<const char*>(bytes.data()), size) == size;
}

bool WaitForAnswer(QLocalSocket& socket) {
    const QDeadlineTimer deadline(kAnswerTimeoutMs);
    while (socket.bytesAvailable() < static_cast<qint64>(EncodeAnswer(0).size())) {
        if (!socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
            return false;
        }
    }
    return true;
}

void BringToFront(QWidget& window) {
    window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace

SingleInstance::SingleInstance(const QString& name) {
    // Without a folder, every start runs as a reader of its own.
    if (const QString stem = ChannelStem(name); !stem.isEmpty()) {
        socketPath_ = stem + QStringLiteral(".socket");
        lock_.setFileName(stem + QStringLiteral(".lock"));
    }
}

// The system's lock on the open file is let go however its holder ends, so a killed reader's lock
// is taken over at once and a lock held is always held by a live reader.
bool SingleInstance::AnotherIsRunning() {
    if (!lock_.isOpen() && (lock_.fileName().isEmpty() || !lock_.open(QIODevice::ReadWrite))) {
        // No sign of another reader.
        return false;
    }
    locked_ = ::flock(lock_.handle(), LOCK_EX | LOCK_NB) == 0;
    return !locked_ && errno == EWOULDBLOCK;
}

StartRole SingleInstance::HandOverToRunning(std::u16string_view commandLine,
                                            std::chrono::milliseconds patience) {
    QLocalSocket socket;
    const QDeadlineTimer deadline(patience);
    // The holder may still be on its way to its window, or a killed reader's socket may be
    // left: a start waits a while before it runs beside that reader.
    for (;;) {
        if (!AnotherIsRunning()) {
            return StartRole::kReader;
        }
        socket.connectToServer(socketPath_);
        if (socket.waitForConnected(kConnectTimeoutMs)) {
            break;
        }
        if (deadline.hasExpired()) {
            return StartRole::kUnanswered;
        }
        QThread::msleep(kRetryMs);
    }
    Send(socket, EncodeBringToFront());
    // Once sent, the command line is the running reader's, even when it is too busy to answer
    // soon: it opens the file when it can, so this start must not open it too.
    const bool sent = commandLine.empty() || Send(socket, EncodeCommandLine(commandLine));
    if (sent && !commandLine.empty()) {
        WaitForAnswer(socket);
    }
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) {
        socket.waitForDisconnected(kConnectTimeoutMs);
    }
    return sent ? StartRole::kHandedOver : StartRole::kUnanswered;
}

bool SingleInstance::Serve(QWidget& window) {
    window_ = &window;
    if (!locked_) {
        return false;
    }
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::Accept);
    // Qt closes the server, and says nothing, when it cannot take a connection, as while the
    // reader has run out of descriptors; the reader listens again as soon as it can.
    connect(&listenCheck_, &QTimer::timeout, this, &SingleInstance::Listen);
    listenCheck_.start(kListenCheckMs);
    return Listen();
}

bool SingleInstance::Listen() {
    if (server_.isListening()) {
        return true;
    }
    // Only the holder of the lock may clear the socket's place, where a killed reader's socket or
    // anything else may have been left.
    if (const QFileInfo left(socketPath_); left.isDir() && !left.isSymLink()) {
        QDir(socketPath_).removeRecursively();
    }
    QLocalServer::removeServer(socketPath_);
    return server_.listen(socketPath_);
}

void SingleInstance::Accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        auto reader = std::make_shared<HandOverReader>();
        auto* stall = new QTimer(socket);
        stall->setSingleShot(true);
        stall->setInterval(kStallMs);
        // When the reader was busy, what came in meanwhile is read before a stall is judged.
        const auto read = [this, socket, reader, stall](bool stalled) {
            if (Read(*socket, *reader)) {
                stall->start();
            } else if (stalled) {
                socket->abort();
            }
        };
        connect(socket, &QLocalSocket::readyRead, this, [read] { read(false); });
        connect(stall, &QTimer::timeout, this, [read] { read(true); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        stall->start();
    }
}

bool SingleInstance::Read(QLocalSocket& socket, HandOverReader& reader) {
    const QByteArray bytes = socket.readAll();
    reader.Append(reinterpret_cast<const uint8_t*>(bytes.constData()),
                  static_cast<size_t>(bytes.size()));
    HandOverRequest request;
    HandOverReader::Status status;
    bool took = false;
    while ((status = reader.Next(request)) == HandOverReader::Status::kRequest) {
        took = true;
        if (request.kind == HandOverKind::kBringToFront) {
            // However many ask, the window comes to the front once a turn of the loop.
            if (!raiseQueued_) {
                raiseQueued_ = true;
                QTimer::singleShot(0, this, [this] {
                    raiseQueued_ = false;
                    if (window_) {
                        BringToFront(*window_);
                    }
                });
            }
            continue;
        }
        Send(socket, EncodeAnswer(0));
        // Not from inside this socket's handler: a receiver may run a dialog, in whose loop the
        // client may leave and its socket go.
        QTimer::singleShot(0, this, [this, request] { emit CommandLineReceived(request); });
    }
    if (status == HandOverReader::Status::kMalformed) {
        socket.abort();
        return false;
    }
    return took;
}

}  // namespace sorna
