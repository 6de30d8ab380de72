#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/ZipArchive.h"

namespace sorna {

// A book's zip archive whose reads, when they fail, say why in the reader's words.
class BookArchive {
public:
    // The bytes and the allowance must outlive the archive.
    BookArchive(std::span<const uint8_t> bytes, InflateAllowance& allowance);

    // False, with the failure noted, for bytes that are no archive a book can be.
    [[nodiscard]] bool Opened();
    [[nodiscard]] bool Has(const std::string& entry) const { return archive_.Has(entry); }
    // The entry's inflated bytes; none, with the failure noted, when the entry cannot be read,
    // or is missing: then the failure is `missing` with the entry's name for its "%s".
    std::optional<std::vector<uint8_t>> Bytes(const std::string& entry,
                                              std::u16string_view missing);
    // The entry's bytes decoded as PlanMarkupDecoding says, or none as Bytes.
    std::optional<std::u16string> Markup(const std::string& entry, std::u16string_view missing);
    // The message of the last failure.
    [[nodiscard]] const std::u16string& Failure() const { return failure_; }

private:
    void FailOn(ZipProblem problem);

    ZipArchive archive_;
    std::u16string failure_;
};

}  // namespace sorna
