#include "document/DecodeBook.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "document/BookEncryption.h"
#include "document/BookNavigation.h"
#include "document/BookPackage.h"
#include "document/BookText.h"
#include "document/MarkupEncoding.h"
#include "document/ZipArchive.h"
#include "platform/Utf8Text.h"
#include "resources/DocumentStrings.h"
#include "resources/Format.h"

namespace sorna {
namespace {

constexpr uint64_t kMostInflated = uint64_t{1} << 30;
constexpr uint64_t kMostInflatedPerByte = 200;
const std::string kContainerEntry = "META-INF/container.xml";
const std::string kEncryptionEntry = "META-INF/encryption.xml";

// An entry's name as the message shows it; names are UTF-8 in every book we know.
std::u16string Shown(const std::string& entry) {
    return FromUtf8(entry).value_or(Widen(entry));
}

class BookReader {
public:
    BookReader(DocumentText& document, std::span<const uint8_t> bytes)
        : document_(document),
          archive_(bytes, std::min(kMostInflated, kMostInflatedPerByte * bytes.size())) {}

    bool Read() {
        if (archive_.OpenProblem() != ZipProblem::None) {
            return FailOn(archive_.OpenProblem());
        }
        std::optional<std::string> packageEntry = PackageEntry();
        if (!packageEntry) {
            return false;
        }
        std::optional<BookPackage> package = Package(*packageEntry);
        if (!package || !ReadEncryption() || !ReadItems(package->spine)) {
            return false;
        }
        document_.chapters = Chapters(*package);
        const std::u16string& text = text_.Text();
        document_.text = std::make_unique<char16_t[]>(text.size() + 1);
        std::copy(text.begin(), text.end(), document_.text.get());
        document_.length = static_cast<int32_t>(text.size());
        return true;
    }

private:
    bool FailOn(ZipProblem problem) {
        switch (problem) {
            case ZipProblem::TooManyEntries:
                return document_.Fail(
                    FormatText(kBookTooManyEntriesMessage, {int64_t{archive_.EntryCount()}}));
            case ZipProblem::TooLarge:
                return document_.Fail(std::u16string(kBookTooLargeMessage));
            case ZipProblem::Damaged:
            case ZipProblem::None:
                break;
        }
        return document_.Fail(std::u16string(kBookDamagedMessage));
    }

    // The entry's bytes; none, with the failure noted, when it is missing or cannot be read.
    std::optional<std::vector<uint8_t>> Bytes(const std::string& entry,
                                              std::u16string_view missing) {
        ZipProblem problem = ZipProblem::None;
        std::optional<std::vector<uint8_t>> bytes = archive_.Read(entry, problem);
        if (problem != ZipProblem::None) {
            FailOn(problem);
        } else if (!bytes) {
            document_.Fail(FormatText(missing, {Shown(entry)}));
        }
        return bytes;
    }

    std::optional<std::u16string> Markup(const std::string& entry, std::u16string_view missing) {
        const std::optional<std::vector<uint8_t>> bytes = Bytes(entry, missing);
        return bytes ? std::optional(DecodeMarkup(*bytes)) : std::nullopt;
    }

    std::optional<std::string> PackageEntry() {
        const std::optional<std::u16string> container =
            Markup(kContainerEntry, kBookNoPackageMessage);
        const std::optional<std::u16string> path =
            container ? PackagePath(*container) : std::nullopt;
        if (container && !path) {
            document_.Fail(FormatText(kBookNoPackageMessage, {Shown(kContainerEntry)}));
        }
        if (!path) {
            return std::nullopt;
        }
        std::optional<BookTarget> target = ResolveBookLink("", *path);
        if (!target) {
            document_.Fail(FormatText(kBookLinkOutsideMessage, {*path}));
            return std::nullopt;
        }
        return std::move(target->entry);
    }

    std::optional<BookPackage> Package(const std::string& entry) {
        const std::optional<std::u16string> markup = Markup(entry, kBookNoPackageMessage);
        if (!markup) {
            return std::nullopt;
        }
        BookPackage package = ReadPackage(*markup, entry);
        if (!package.linkOutside.empty()) {
            document_.Fail(FormatText(kBookLinkOutsideMessage, {package.linkOutside}));
        } else if (!package.unlistedItem.empty()) {
            document_.Fail(FormatText(kBookItemMissingMessage, {package.unlistedItem}));
        } else if (package.spine.empty()) {
            document_.Fail(std::u16string(kBookNoContentsMessage));
        } else {
            return package;
        }
        return std::nullopt;
    }

    bool ReadEncryption() {
        if (!archive_.Has(kEncryptionEntry)) {
            return true;
        }
        const std::optional<std::u16string> markup = Markup(kEncryptionEntry, kBookDamagedMessage);
        if (markup) {
            encrypted_ = EncryptedEntries(*markup);
        }
        return markup.has_value();
    }

    bool ReadItems(const std::vector<std::string>& spine) {
        for (const std::string& entry : spine) {
            if (encrypted_.contains(entry)) {
                return document_.Fail(std::u16string(kBookProtectedMessage));
            }
            const std::optional<std::vector<uint8_t>> bytes = Bytes(entry, kBookItemMissingMessage);
            if (!bytes) {
                return false;
            }
            if (!text_.Append(*bytes)) {
                return FailOn(ZipProblem::TooLarge);
            }
        }
        return true;
    }

    // The table the book gives, or without one the items' headings.
    std::vector<Chapter> Chapters(const BookPackage& package) {
        std::vector<NavigationEntry> table;
        if (std::optional<std::u16string> nav = Table(package.navigation)) {
            table = ReadNavigationDocument(*nav, package.navigation);
        }
        if (table.empty()) {
            if (std::optional<std::u16string> ncx = Table(package.ncx)) {
                table = ReadNcx(*ncx, package.ncx);
            }
        }
        std::vector<Chapter> chapters = Placed(table, package.spine);
        return chapters.empty() ? text_.Headings() : chapters;
    }

    // A table that is missing or unreadable only costs the book its own chapters.
    std::optional<std::u16string> Table(const std::string& entry) {
        ZipProblem problem = ZipProblem::None;
        std::optional<std::vector<uint8_t>> bytes =
            entry.empty() ? std::nullopt : archive_.Read(entry, problem);
        return bytes ? std::optional(DecodeMarkup(*bytes)) : std::nullopt;
    }

    // Each entry at the start of its item, or of its element with the id; entries that lead
    // outside the reading order are left out.
    std::vector<Chapter> Placed(const std::vector<NavigationEntry>& table,
                                const std::vector<std::string>& spine) const {
        std::map<std::string_view, size_t> items;
        for (size_t item = 0; item < spine.size(); ++item) {
            items.emplace(spine[item], item);
        }
        std::vector<Chapter> chapters;
        for (const NavigationEntry& entry : table) {
            const auto item = items.find(entry.target.entry);
            if (item != items.end()) {
                const int32_t start = text_.ItemStart(item->second);
                const int32_t offset =
                    entry.target.fragment.empty()
                        ? start
                        : text_.IdOffset(item->second, entry.target.fragment).value_or(start);
                chapters.push_back({offset, entry.level, entry.title});
            }
        }
        std::stable_sort(chapters.begin(), chapters.end(),
                         [](const Chapter& a, const Chapter& b) { return a.offset < b.offset; });
        return chapters;
    }

    DocumentText& document_;
    ZipArchive archive_;
    std::set<std::string, std::less<>> encrypted_;
    BookText text_;
};

}  // namespace

bool DecodeBook(DocumentText& document, std::span<const uint8_t> bytes, ProgressText* progress) {
    ReportProgress(progress, kConvertingProgress);
    document.chapters.reset();
    return BookReader(document, bytes).Read();
}

}  // namespace sorna
