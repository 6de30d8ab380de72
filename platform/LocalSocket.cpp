#include "platform/LocalSocket.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <utility>

namespace sorna {
namespace {

// What one read without waiting takes at most, so that a client sending without end cannot
// hold the reader in one read.
constexpr size_t kReadStep = size_t{64} << 10;

// False for a path too long for a socket address.
bool AddressOf(const std::string& path, sockaddr_un& address) {
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

const sockaddr* AsAddress(const sockaddr_un& address) {
    return reinterpret_cast<const sockaddr*>(&address);
}

// At least a millisecond: a socket's time limit of zero would be no limit.
timeval TimeLeft(LocalSocket::Deadline deadline) {
    using namespace std::chrono;
    const auto left =
        std::max(duration_cast<microseconds>(deadline - steady_clock::now()), microseconds(1000));
    return {static_cast<time_t>(left.count() / 1'000'000),
            static_cast<suseconds_t>(left.count() % 1'000'000)};
}

bool WouldWait() {
    return errno == EAGAIN || errno == EWOULDBLOCK;
}

}  // namespace

LocalSocket::~LocalSocket() {
    if (IsOpen()) {
        ::close(descriptor_);
    }
}

LocalSocket::LocalSocket(LocalSocket&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)) {}

LocalSocket& LocalSocket::operator=(LocalSocket&& other) noexcept {
    LocalSocket old(std::move(*this));
    descriptor_ = std::exchange(other.descriptor_, -1);
    return *this;
}

// The connect itself blocks, for at most the time left: it waits only while the listener's
// queue is full.
LocalSocket LocalSocket::Connect(const std::string& path, Deadline deadline) {
    sockaddr_un address{};
    if (!AddressOf(path, address)) {
        return {};
    }
    LocalSocket socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    const timeval patience = TimeLeft(deadline);
    if (!socket.IsOpen() ||
        ::setsockopt(socket.descriptor_, SOL_SOCKET, SO_SNDTIMEO, &patience, sizeof patience) !=
            0 ||
        ::connect(socket.descriptor_, AsAddress(address), sizeof address) != 0 ||
        ::fcntl(socket.descriptor_, F_SETFL, O_NONBLOCK) != 0) {
        return {};
    }
    return socket;
}

LocalSocket LocalSocket::Listen(const std::string& path) {
    sockaddr_un address{};
    if (!AddressOf(path, address)) {
        return {};
    }
    LocalSocket socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!socket.IsOpen() || ::bind(socket.descriptor_, AsAddress(address), sizeof address) != 0) {
        return {};
    }
    if (::chmod(path.c_str(), S_IRUSR | S_IWUSR) != 0 ||
        ::listen(socket.descriptor_, SOMAXCONN) != 0) {
        ::unlink(path.c_str());
        return {};
    }
    return socket;
}

LocalSocket LocalSocket::Accept(bool& outOfDescriptors) const {
    LocalSocket client(::accept4(descriptor_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC));
    outOfDescriptors = !client.IsOpen() &&
                       (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM);
    return client;
}

bool LocalSocket::SendAll(std::span<const uint8_t> bytes, Deadline deadline) const {
    while (!bytes.empty()) {
        const ssize_t sent = ::send(descriptor_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent > 0) {
            bytes = bytes.subspan(static_cast<size_t>(sent));
        } else if (sent == 0 || (errno != EINTR && !(WouldWait() && WaitFor(POLLOUT, deadline)))) {
            return false;
        }
    }
    return true;
}

bool LocalSocket::ReceiveExactly(size_t count, std::vector<uint8_t>& bytes,
                                 Deadline deadline) const {
    const size_t wanted = bytes.size() + count;
    while (bytes.size() < wanted) {
        const size_t at = bytes.size();
        bytes.resize(wanted);
        const ssize_t got = ::recv(descriptor_, bytes.data() + at, wanted - at, 0);
        bytes.resize(at + static_cast<size_t>(std::max<ssize_t>(got, 0)));
        if (got == 0 ||
            (got < 0 && errno != EINTR && !(WouldWait() && WaitFor(POLLIN, deadline)))) {
            return false;
        }
    }
    return true;
}

LocalSocket::Arrival LocalSocket::ReceiveAvailable(std::vector<uint8_t>& bytes) const {
    const size_t at = bytes.size();
    bytes.resize(at + kReadStep);
    ssize_t got;
    do {
        got = ::recv(descriptor_, bytes.data() + at, kReadStep, 0);
    } while (got < 0 && errno == EINTR);
    bytes.resize(at + static_cast<size_t>(std::max<ssize_t>(got, 0)));
    if (got > 0) {
        return Arrival::kSome;
    }
    return got < 0 && WouldWait() ? Arrival::kNothingYet : Arrival::kEnded;
}

bool LocalSocket::WaitFor(short events, Deadline deadline) const {
    using namespace std::chrono;
    for (;;) {
        const auto left = ceil<milliseconds>(deadline - steady_clock::now()).count();
        if (left < 0) {
            return false;
        }
        pollfd entry{descriptor_, events, 0};
        // Ready also when the peer has gone or the socket failed: the next call says which.
        const int ready = ::poll(&entry, 1, static_cast<int>(std::min<int64_t>(left, INT_MAX)));
        if (ready > 0) {
            return true;
        }
        if (ready == 0 || errno != EINTR) {
            return false;
        }
    }
}

}  // namespace sorna
