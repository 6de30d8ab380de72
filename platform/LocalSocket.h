#pragma once

#include <chrono>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace sorna {

// One end of a local stream socket (a socket file in the file system), closed with its owner.
// Every socket is non-blocking: a wait is always given a deadline. Writing to a peer that has
// gone is an error, never a signal that ends the program.
class LocalSocket {
public:
    using Deadline = std::chrono::steady_clock::time_point;

    // What came of a read without waiting.
    enum class Arrival { kSome, kNothingYet, kEnded };

    LocalSocket() = default;
    ~LocalSocket();
    LocalSocket(LocalSocket&& other) noexcept;
    LocalSocket& operator=(LocalSocket&& other) noexcept;
    LocalSocket(const LocalSocket&) = delete;
    LocalSocket& operator=(const LocalSocket&) = delete;

    // A socket connected to the one listening at `path`; closed when nobody listens there, or
    // when the listener's queue stays full until `deadline`.
    static LocalSocket Connect(const std::string& path, Deadline deadline);
    // A socket listening at `path`, which only this user may connect to; closed when the place
    // is taken or cannot be used.
    static LocalSocket Listen(const std::string& path);

    [[nodiscard]] bool IsOpen() const { return descriptor_ >= 0; }
    [[nodiscard]] int Descriptor() const { return descriptor_; }

    // The next connection waiting at a listening socket; closed when none waits or it cannot be
    // taken now. `outOfDescriptors` says that it waits until the process has a descriptor free.
    [[nodiscard]] LocalSocket Accept(bool& outOfDescriptors) const;

    // Whether all of `bytes` went out by `deadline`.
    [[nodiscard]] bool SendAll(std::span<const uint8_t> bytes, Deadline deadline) const;
    // Whether `count` bytes came by `deadline`; they are appended to `bytes`.
    [[nodiscard]] bool ReceiveExactly(size_t count, std::vector<uint8_t>& bytes,
                                      Deadline deadline) const;
    // Appends what has come so far; kEnded once the peer has gone or the socket failed.
    [[nodiscard]] Arrival ReceiveAvailable(std::vector<uint8_t>& bytes) const;

private:
    explicit LocalSocket(int descriptor) : descriptor_(descriptor) {}
    // Whether the socket became ready for `events` before `deadline`.
    [[nodiscard]] bool WaitFor(short events, Deadline deadline) const;

    int descriptor_ = -1;
};

}  // namespace sorna
