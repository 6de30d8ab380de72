#include "document/DecodeBook.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "document/BookArchive.h"
#include "document/BookEncryption.h"
#include "document/BookItems.h"
#include "document/BookNavigation.h"
#include "document/BookPackage.h"
#include "resources/DocumentStrings.h"
#include "resources/Format.h"

namespace sorna {
namespace {

constexpr uint64_t kMostInflated = uint64_t{1} << 30;
constexpr uint64_t kMostInflatedPerByte = 200;
const std::string kContainerEntry = "META-INF/container.xml";
const std::string kEncryptionEntry = "META-INF/encryption.xml";

// Each entry at the start of its item, or of its element with the id; entries that lead outside
// the reading order are left out.
std::vector<Chapter> Placed(const std::vector<NavigationEntry>& table,
                            const std::vector<std::string>& spine, const BookText& text) {
    std::map<std::string_view, size_t> items;
    for (size_t item = 0; item < spine.size(); ++item) {
        items.emplace(spine[item], item);
    }
    std::vector<Chapter> chapters;
    for (const NavigationEntry& entry : table) {
        const auto item = items.find(entry.target.entry);
        if (item == items.end()) {
            continue;
        }
        const int32_t start = text.ItemStart(item->second);
        const int32_t offset =
            entry.target.fragment.empty()
                ? start
                : text.IdOffset(item->second, entry.target.fragment).value_or(start);
        chapters.push_back({offset, entry.level, entry.title});
    }
    std::stable_sort(chapters.begin(), chapters.end(),
                     [](const Chapter& a, const Chapter& b) { return a.offset < b.offset; });
    return chapters;
}

class BookReader {
public:
    BookReader(DocumentText& document, std::span<const uint8_t> bytes)
        : document_(document),
          bytes_(bytes),
          allowance_(std::min(kMostInflated, kMostInflatedPerByte * bytes.size())),
          archive_(bytes, allowance_) {}

    bool Read() {
        if (!archive_.Opened()) {
            return Failed();
        }
        const std::optional<std::string> packageEntry = PackageEntry();
        const std::optional<BookPackage> package =
            packageEntry ? Package(*packageEntry) : std::nullopt;
        if (!package || !ReadEncryption()) {
            return false;
        }
        std::u16string failure;
        std::optional<BookText> text = ReadBookItems(bytes_, allowance_, encrypted_, package->spine,
                                                     Parting::PerThread(kBookPartBytes), failure);
        if (!text) {
            return document_.Fail(std::move(failure));
        }
        document_.chapters = Chapters(*package, *text);
        document_.length = static_cast<int32_t>(text->Text().size());
        document_.text = text->TakeText();
        return true;
    }

private:
    bool Failed() { return document_.Fail(archive_.Failure()); }

    std::optional<std::string> PackageEntry() {
        const std::optional<std::u16string> container =
            archive_.Markup(kContainerEntry, kBookNoPackageMessage);
        if (!container) {
            Failed();
            return std::nullopt;
        }
        const std::optional<std::u16string> path = PackagePath(*container);
        if (!path) {
            document_.Fail(FormatText(kBookNoPackageMessage, {u"META-INF/container.xml"}));
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
        const std::optional<std::u16string> markup = archive_.Markup(entry, kBookNoPackageMessage);
        if (!markup) {
            Failed();
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
        const std::optional<std::u16string> markup =
            archive_.Markup(kEncryptionEntry, kBookDamagedMessage);
        if (!markup) {
            return Failed();
        }
        encrypted_ = EncryptedEntries(*markup);
        return true;
    }

    // The table the book gives, or without one the items' headings.
    std::vector<Chapter> Chapters(const BookPackage& package, const BookText& text) {
        std::vector<NavigationEntry> table;
        if (std::optional<std::u16string> nav = Table(package.navigation)) {
            table = ReadNavigationDocument(*nav, package.navigation);
        }
        if (table.empty()) {
            if (std::optional<std::u16string> ncx = Table(package.ncx)) {
                table = ReadNcx(*ncx, package.ncx);
            }
        }
        std::vector<Chapter> chapters = Placed(table, package.spine, text);
        return chapters.empty() ? text.Headings() : chapters;
    }

    // A table that is missing or unreadable only costs the book its own chapters.
    std::optional<std::u16string> Table(const std::string& entry) {
        return entry.empty() ? std::nullopt : archive_.Markup(entry, kBookItemMissingMessage);
    }

    DocumentText& document_;
    std::span<const uint8_t> bytes_;
    InflateAllowance allowance_;
    BookArchive archive_;
    std::set<std::string, std::less<>> encrypted_;
};

}  // namespace

bool DecodeBook(DocumentText& document, std::span<const uint8_t> bytes, ProgressText* progress) {
    ReportProgress(progress, kConvertingProgress);
    document.chapters.reset();
    return BookReader(document, bytes).Read();
}

}  // namespace sorna
