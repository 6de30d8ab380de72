#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "document/ZipArchive.h"
#include "document/ZipDirectory.h"

namespace sorna {

// The bytes of `entry` unpacked from its packed bytes, stored (method 0) or deflated (method 8),
// each step of them drawn from the allowance as it comes out, whatever size the entry declares.
// None, with the problem set, for another method, an encrypted entry, damaged deflate data, or
// bytes that differ from the entry's size or CRC-32 (Damaged), and once the allowance is spent
// (TooLarge).
std::optional<std::vector<uint8_t>> UnpackEntry(std::span<const uint8_t> packed,
                                                const ZipEntry& entry, InflateAllowance& allowance,
                                                ZipProblem& problem);

}  // namespace sorna
