#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "document/BookText.h"
#include "document/ZipArchive.h"
#include "platform/ParallelParts.h"

namespace sorna {

// Less of a book than this is not worth a thread of its own.
inline constexpr int64_t kBookPartBytes = int64_t{2} << 20;

// The entries of a book's reading order read into one text. A long book is read in parts at
// once, as `parting` cuts the book's bytes (never more parts than items), each a run of items with
// an archive of its own over the same bytes and one shared allowance. None, with `failure` set to
// the message of the first item that failed, when an item is encrypted, missing or cannot be read,
// or the text grows too long.
std::optional<BookText> ReadBookItems(std::span<const uint8_t> bytes, InflateAllowance& allowance,
                                      const std::set<std::string, std::less<>>& encrypted,
                                      const std::vector<std::string>& spine, Parting parting,
                                      std::u16string& failure);

}  // namespace sorna
