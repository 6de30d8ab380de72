#include "platform/qt/SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>
#include <thread>

#include "platform/qt/HandOverConnection.h"

#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sorna {
namespace {

using Clock = std::chrono::steady_clock;

// How long a later start waits for the running reader, which may be busy opening a document.
constexpr std::chrono::milliseconds kConnectTimeout(2000);
constexpr std::chrono::milliseconds kAnswerTimeout(10000);
constexpr std::chrono::milliseconds kRetry(20);
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
        socketPath_ = QFile::encodeName(stem + QStringLiteral(".socket")).toStdString();
        lock_.setFileName(stem + QStringLiteral(".lock"));
    }
}

SingleInstance::~SingleInstance() {
    if (server_.IsOpen()) {
        ::unlink(socketPath_.c_str());
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
    const Clock::time_point deadline = Clock::now() + patience;
    LocalSocket socket;
    // The holder may still be on its way to its window, or a killed reader's socket may be
    // left: a start waits a while before it runs beside that reader.
    for (;;) {
        if (!AnotherIsRunning()) {
            return StartRole::kReader;
        }
        socket = LocalSocket::Connect(socketPath_, Clock::now() + kConnectTimeout);
        if (socket.IsOpen()) {
            break;
        }
        if (Clock::now() >= deadline) {
            return StartRole::kUnanswered;
        }
        std::this_thread::sleep_for(kRetry);
    }
    const Clock::time_point answerBy = Clock::now() + kAnswerTimeout;
    static_cast<void>(socket.SendAll(EncodeBringToFront(), answerBy));
    if (commandLine.empty()) {
        return StartRole::kHandedOver;
    }
    // Once sent, the command line is the running reader's, even when it is too busy to answer
    // soon: it opens the file when it can, so this start must not open it too.
    if (!socket.SendAll(EncodeCommandLine(commandLine), answerBy)) {
        return StartRole::kUnanswered;
    }
    std::vector<uint8_t> answer;
    static_cast<void>(socket.ReceiveExactly(EncodeAnswer(0).size(), answer, answerBy));
    return StartRole::kHandedOver;
}

bool SingleInstance::Serve(QWidget& window) {
    window_ = &window;
    if (!locked_) {
        return false;
    }
    connect(&listenCheck_, &QTimer::timeout, this, &SingleInstance::Listen);
    listenCheck_.start(kListenCheckMs);
    return Listen();
}

bool SingleInstance::Listen() {
    if (server_.IsOpen() && QFileInfo::exists(QFile::decodeName(socketPath_.c_str()))) {
        connections_->setEnabled(true);
        return true;
    }
    connections_.reset();
    server_ = LocalSocket();
    // Only the holder of the lock may clear the socket's place, where a killed reader's socket or
    // anything else may have been left.
    const QString place = QFile::decodeName(socketPath_.c_str());
    if (const QFileInfo left(place); left.isDir() && !left.isSymLink()) {
        QDir(place).removeRecursively();
    }
    ::unlink(socketPath_.c_str());
    server_ = LocalSocket::Listen(socketPath_);
    if (!server_.IsOpen()) {
        return false;
    }
    connections_ = std::make_unique<QSocketNotifier>(server_.Descriptor(), QSocketNotifier::Read);
    connect(connections_.get(), &QSocketNotifier::activated, this, &SingleInstance::Accept);
    return true;
}

void SingleInstance::Accept() {
    bool outOfDescriptors = false;
    for (LocalSocket client; (client = server_.Accept(outOfDescriptors)).IsOpen();) {
        new HandOverConnection(
            std::move(client), [this](const HandOverRequest& request) { Take(request); }, *this);
    }
    // The connection waits in the queue until the next check, rather than wake the loop again
    // and again meanwhile.
    if (outOfDescriptors) {
        connections_->setEnabled(false);
    }
}

void SingleInstance::Take(const HandOverRequest& request) {
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
        return;
    }
    // Not from inside the connection's handler: a receiver may run a dialog, in whose loop the
    // client may leave and its connection go.
    QTimer::singleShot(0, this, [this, request] { emit CommandLineReceived(request); });
}

}  // namespace sorna
