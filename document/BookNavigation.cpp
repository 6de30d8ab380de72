#include "document/BookNavigation.h"

#include <algorithm>
#include <optional>

#include "document/MarkupTokens.h"
#include "document/TagAttribute.h"
#include "document/TagBreak.h"

namespace sorna {
namespace {

constexpr int32_t kDeepestLevel = 3;

// Collects the entries as their titles and links come; knows the level from the nesting.
class TableBuilder {
public:
    explicit TableBuilder(std::string_view entry) : entry_(entry) {}

    void Nest(int32_t step) { depth_ += step; }
    void StartTitle() {
        title_.clear();
        inTitle_ = true;
    }
    void EndTitle() { inTitle_ = false; }
    void Text(std::u16string_view run) {
        if (inTitle_) {
            AppendRun(title_, run);
        }
    }
    void Link(std::u16string_view href) {
        const std::u16string_view title = TrimTag(title_);
        std::optional<BookTarget> target = ResolveBookLink(entry_, href);
        if (target && !title.empty()) {
            entries_.push_back(
                {std::clamp(depth_, 1, kDeepestLevel), std::u16string(title), std::move(*target)});
        }
        title_.clear();
    }
    std::vector<NavigationEntry> Take() { return std::move(entries_); }

private:
    std::string_view entry_;
    std::vector<NavigationEntry> entries_;
    std::u16string title_;
    bool inTitle_ = false;
    int32_t depth_ = 0;
};

bool IsTableOfContents(std::u16string_view tag) {
    const std::u16string_view type = TagAttribute(tag, "epub:type").value_or(u"");
    return type == u"toc" || type.starts_with(u"toc ") || type.ends_with(u" toc") ||
           type.find(u" toc ") != std::u16string_view::npos;
}

}  // namespace

std::vector<NavigationEntry> ReadNavigationDocument(std::u16string_view markup,
                                                    std::string_view entry) {
    TableBuilder table(entry);
    int navDepth = 0;  // nav elements open inside the table's, the table's own counted
    std::u16string href;
    ForEachMarkupToken(markup, [&](const MarkupToken& token) {
        const std::u16string_view name = token.isTag ? TagName(token.text) : u"";
        const bool end = token.isTag && IsEndTag(token.text);
        if (name == u"nav" && (navDepth > 0 || (!end && IsTableOfContents(token.text)))) {
            navDepth += end ? -1 : 1;
        } else if (navDepth == 0) {
            return;
        } else if (name == u"ol") {
            table.Nest(end ? -1 : 1);
        } else if (name == u"a" && !end) {
            href = TagAttribute(token.text, "href").value_or(u"");
            table.StartTitle();
        } else if (name == u"a") {
            table.EndTitle();
            table.Link(href);
        } else if (!token.isTag) {
            table.Text(token.text);
        }
    });
    return table.Take();
}

std::vector<NavigationEntry> ReadNcx(std::u16string_view markup, std::string_view entry) {
    TableBuilder table(entry);
    bool inMap = false;  // the page list and other lists are no chapters
    ForEachMarkupToken(markup, [&table, &inMap](const MarkupToken& token) {
        const std::u16string_view name = token.isTag ? TagName(token.text) : u"";
        const bool end = token.isTag && IsEndTag(token.text);
        if (name == u"navMap") {
            inMap = !end;
        } else if (!inMap) {
            return;
        } else if (name == u"navPoint") {
            table.Nest(end ? -1 : 1);
        } else if (name == u"text") {
            end ? table.EndTitle() : table.StartTitle();
        } else if (name == u"content" && !end) {
            table.Link(TagAttribute(token.text, "src").value_or(u""));
        } else if (!token.isTag) {
            table.Text(token.text);
        }
    });
    return table.Take();
}

}  // namespace sorna
