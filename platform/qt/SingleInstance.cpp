#include "platform/qt/SingleInstance.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <memory>

namespace sorna {
namespace {

// How long a later start waits for the running reader, which may be busy opening a document.
constexpr int kConnectTimeoutMs = 2000;
constexpr int kAnswerTimeoutMs = 10000;

QString RuntimePath(const QString& name, const QString& suffix) {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + u'/' + name + suffix;
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

std::u16string CommandLineText(const QStringList& arguments) {
    return arguments.mid(1).join(u' ').toStdU16String();
}

SingleInstance::SingleInstance(const QString& name)
    : socketPath_(RuntimePath(name, QStringLiteral(".socket"))),
      lock_(RuntimePath(name, QStringLiteral(".lock"))) {
    // A lock left by a reader that was killed is taken over at once.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::AnotherIsRunning() {
    if (lock_.tryLock(0)) {
        return false;
    }
    // Any other failure to take the lock is no sign of another reader.
    return lock_.error() == QLockFile::LockFailedError ||
           lock_.error() == QLockFile::PermissionError;
}

bool SingleInstance::HandOverToRunning(std::u16string_view commandLine) {
    if (!AnotherIsRunning()) {
        return false;
    }
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(kConnectTimeoutMs)) {
        // It has no window to find yet, or is closing: this start runs as a reader of its own.
        return false;
    }
    Send(socket, EncodeBringToFront());
    if (!commandLine.empty() && Send(socket, EncodeCommandLine(commandLine))) {
        WaitForAnswer(socket);
    }
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) {
        socket.waitForDisconnected(kConnectTimeoutMs);
    }
    return true;
}

bool SingleInstance::Serve(QWidget& window) {
    window_ = &window;
    if (lock_.isLocked()) {
        // Only the holder of the lock may clear a socket a killed reader left behind.
        QLocalServer::removeServer(socketPath_);
    }
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_.listen(socketPath_)) {
        return false;
    }
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::Accept);
    return true;
}

void SingleInstance::Accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        auto reader = std::make_shared<HandOverReader>();
        connect(socket, &QLocalSocket::readyRead, this,
                [this, socket, reader] { Read(*socket, *reader); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void SingleInstance::Read(QLocalSocket& socket, HandOverReader& reader) {
    const QByteArray bytes = socket.readAll();
    reader.Append(reinterpret_cast<const uint8_t*>(bytes.constData()),
                  static_cast<size_t>(bytes.size()));
    HandOverRequest request;
    HandOverReader::Status status;
    while ((status = reader.Next(request)) == HandOverReader::Status::kRequest) {
        if (request.kind == HandOverKind::kBringToFront) {
            if (window_) {
                BringToFront(*window_);
            }
            continue;
        }
        Send(socket, EncodeAnswer(0));
        emit CommandLineReceived(request);
    }
    if (status == HandOverReader::Status::kMalformed) {
        socket.abort();
    }
}

}  // namespace sorna
