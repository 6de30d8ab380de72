#include "document/BookArchive.h"

#include "document/MarkupEncoding.h"
#include "platform/Utf8Text.h"
#include "resources/DocumentStrings.h"
#include "resources/Format.h"

namespace sorna {

BookArchive::BookArchive(std::span<const uint8_t> bytes, InflateAllowance& allowance)
    : archive_(bytes, allowance) {}

bool BookArchive::Opened() {
    FailOn(archive_.OpenProblem());
    return archive_.OpenProblem() == ZipProblem::None;
}

std::optional<std::vector<uint8_t>> BookArchive::Bytes(const std::string& entry,
                                                       std::u16string_view missing) {
    ZipProblem problem = ZipProblem::None;
    std::optional<std::vector<uint8_t>> bytes = archive_.Read(entry, problem);
    if (problem != ZipProblem::None) {
        FailOn(problem);
    } else if (!bytes) {
        // Names are UTF-8 in every book we know.
        failure_ = FormatText(missing, {FromUtf8(entry).value_or(Widen(entry))});
    }
    return bytes;
}

std::optional<std::u16string> BookArchive::Markup(const std::string& entry,
                                                  std::u16string_view missing) {
    const std::optional<std::vector<uint8_t>> bytes = Bytes(entry, missing);
    return bytes ? std::optional(DecodeMarkup(*bytes)) : std::nullopt;
}

void BookArchive::FailOn(ZipProblem problem) {
    switch (problem) {
        case ZipProblem::None:
            return;
        case ZipProblem::TooManyEntries:
            failure_ = FormatText(kBookTooManyEntriesMessage, {int64_t{archive_.EntryCount()}});
            return;
        case ZipProblem::TooLarge:
            failure_ = kBookTooLargeMessage;
            return;
        case ZipProblem::Damaged:
            break;
    }
    failure_ = kBookDamagedMessage;
}

}  // namespace sorna
