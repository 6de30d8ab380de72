#include "platform/qt/HandOverConnection.h"

#include <utility>
#include <vector>

namespace sorna {
namespace {

// A client that sends no whole record for this long is cut off, so it cannot hold memory.
constexpr int kStallMs = 3000;

}  // namespace

HandOverConnection::HandOverConnection(LocalSocket socket, Handler handler, QObject& parent)
    : QObject(&parent),
      socket_(std::move(socket)),
      notifier_(socket_.Descriptor(), QSocketNotifier::Read),
      handler_(std::move(handler)) {
    stall_.setSingleShot(true);
    stall_.setInterval(kStallMs);
    connect(&notifier_, &QSocketNotifier::activated, this, [this] { Read(false); });
    // When the reader was busy, what came in meanwhile is read before a stall is judged.
    connect(&stall_, &QTimer::timeout, this, [this] { Read(true); });
    stall_.start();
}

void HandOverConnection::Read(bool stalled) {
    std::vector<uint8_t> bytes;
    const LocalSocket::Arrival arrival = socket_.ReceiveAvailable(bytes);
    reader_.Append(bytes.data(), bytes.size());
    HandOverReader::Status status;
    const bool took = TakeRequests(status);
    if (status == HandOverReader::Status::kMalformed || arrival == LocalSocket::Arrival::kEnded ||
        (stalled && !took)) {
        End();
    } else if (took) {
        stall_.start();
    }
}

bool HandOverConnection::TakeRequests(HandOverReader::Status& status) {
    bool took = false;
    HandOverRequest request;
    while ((status = reader_.Next(request)) == HandOverReader::Status::kRequest) {
        took = true;
        if (request.kind == HandOverKind::kCommandLine) {
            // Without waiting: a client that does not read its answers goes without them.
            static_cast<void>(socket_.SendAll(EncodeAnswer(0), std::chrono::steady_clock::now()));
        }
        handler_(request);
    }
    return took;
}

void HandOverConnection::End() {
    notifier_.setEnabled(false);
    stall_.stop();
    deleteLater();
}

}  // namespace sorna
