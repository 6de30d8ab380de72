#include "document/BookItems.h"

#include <algorithm>

#include "document/BookArchive.h"
#include "platform/ParallelParts.h"
#include "resources/DocumentStrings.h"

namespace sorna {
namespace {

struct ItemRun {
    BookText text;
    std::u16string failure;  // empty when every item was read
};

ItemRun ReadRun(std::span<const uint8_t> bytes, InflateAllowance& allowance,
                const std::set<std::string, std::less<>>& encrypted,
                std::span<const std::string> entries) {
    ItemRun run;
    BookArchive archive(bytes, allowance);
    if (!archive.Opened()) {
        run.failure = archive.Failure();
        return run;
    }
    for (const std::string& entry : entries) {
        if (encrypted.contains(entry)) {
            run.failure = kBookProtectedMessage;
            return run;
        }
        const std::optional<std::vector<uint8_t>> item =
            archive.Bytes(entry, kBookItemMissingMessage);
        if (!item) {
            run.failure = archive.Failure();
            return run;
        }
        if (!run.text.Append(*item)) {
            run.failure = kBookTooLargeMessage;
            return run;
        }
    }
    return run;
}

}  // namespace

std::optional<BookText> ReadBookItems(std::span<const uint8_t> bytes, InflateAllowance& allowance,
                                      const std::set<std::string, std::less<>>& encrypted,
                                      const std::vector<std::string>& spine, Parting parting,
                                      std::u16string& failure) {
    const size_t parts = std::min(spine.size(), parting.PartsFor(int64_t(bytes.size())));
    std::vector<ItemRun> runs(parts);
    RunParts(parts, [&](size_t part) {
        const size_t from = spine.size() * part / parts;
        const size_t to = spine.size() * (part + 1) / parts;
        runs[part] =
            ReadRun(bytes, allowance, encrypted, std::span(spine).subspan(from, to - from));
    });
    // The first run's text takes the others' after it.
    std::optional<BookText> text;
    for (ItemRun& run : runs) {
        failure = run.failure;
        if (!failure.empty()) {
            return std::nullopt;
        }
        if (!text) {
            text = std::move(run.text);
        } else if (!text->Append(run.text)) {
            failure = kBookTooLargeMessage;
            return std::nullopt;
        }
    }
    return text;
}

}  // namespace sorna
