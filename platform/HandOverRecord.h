#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorna {

// What a second start sends to the running reader over the single-instance channel, and the
// running reader's answer. Every number is 32 bits, little-endian.
//   bring to front:  kind 1
//   command line:    kind 2, data tag, byte count, that many bytes (UTF-16LE text and its NUL)
//   answer:          the result, 0, sent back for each command line

inline constexpr uint32_t kHandOverTag = 123456;

// What one connection may send in all, and so the most a command line may take: far more than a
// reader is started with (the system passes at most 128 KiB in one argument), little enough that
// no client makes the reader hold much.
inline constexpr uint32_t kMaxHandOverBytes = 1u << 20;

enum class HandOverKind : uint32_t {
    kBringToFront = 1,
    kCommandLine = 2,
};

struct HandOverRequest {
    HandOverKind kind = HandOverKind::kBringToFront;
    uint32_t tag = 0;
    uint32_t byteCount = 0;
    std::vector<uint8_t> data;  // byteCount bytes
};

std::vector<uint8_t> EncodeBringToFront();

// The command line with its terminating NUL: byte count (code units + 1) x 2.
std::vector<uint8_t> EncodeCommandLine(std::u16string_view commandLine);

std::vector<uint8_t> EncodeAnswer(uint32_t result);

// The text a command-line request carries, up to its first NUL; a last odd byte is left out.
std::u16string CommandLineOf(const HandOverRequest& request);

// Takes the bytes of a connection as they arrive and gives back whole requests.
class HandOverReader {
public:
    enum class Status { kNeedMore, kRequest, kMalformed };

    void Append(const uint8_t* bytes, size_t count);

    // kRequest fills request and consumes it. kMalformed (an unknown kind, a byte count over the
    // limit, or more bytes in all than the limit) is final: the connection is of no use any more.
    Status Next(HandOverRequest& request);

private:
    Status NextCommandLine(HandOverRequest& request);
    std::optional<uint32_t> PeekNumber(size_t index) const;
    void Consume(size_t count);

    std::vector<uint8_t> buffer_;
    size_t consumed_ = 0;  // at the front of buffer_, dropped when more arrives
    size_t received_ = 0;
    bool malformed_ = false;
};

}  // namespace sorna
