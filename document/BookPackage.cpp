#include "document/BookPackage.h"

#include <map>

#include "document/BookPath.h"
#include "document/MarkupTokens.h"
#include "document/TagAttribute.h"

namespace sorna {
namespace {

struct ManifestItem {
    std::u16string href;
    std::u16string mediaType;
    std::u16string properties;
};

// The manifest by id, the spine's item ids in order and the id its "toc" names.
struct PackageLists {
    std::map<std::u16string, ManifestItem, std::less<>> manifest;
    std::vector<std::u16string> spine;
    std::u16string toc;
};

std::u16string Attribute(std::u16string_view tag, std::string_view name) {
    return std::u16string(TagAttribute(tag, name).value_or(u""));
}

void NoteTag(PackageLists& lists, std::u16string_view tag) {
    const std::u16string_view name = TagName(tag);
    if (name == u"item") {
        lists.manifest.emplace(Attribute(tag, "id"),
                               ManifestItem{Attribute(tag, "href"), Attribute(tag, "media-type"),
                                            Attribute(tag, "properties")});
    } else if (name == u"itemref") {
        lists.spine.push_back(Attribute(tag, "idref"));
    } else if (name == u"spine") {
        lists.toc = Attribute(tag, "toc");
    }
}

bool HasProperty(std::u16string_view properties, std::u16string_view wanted) {
    for (size_t start = 0; start <= properties.size();) {
        const size_t end = std::min(properties.find(u' ', start), properties.size());
        if (properties.substr(start, end - start) == wanted) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

class PackageReader {
public:
    PackageReader(const PackageLists& lists, std::string_view entry)
        : lists_(lists), entry_(entry) {}

    BookPackage Read() {
        for (const std::u16string& id : lists_.spine) {
            const auto item = lists_.manifest.find(id);
            if (item == lists_.manifest.end()) {
                Note(package_.unlistedItem, id);
            } else {
                package_.spine.push_back(Entry(item->second.href));
            }
        }
        for (const auto& [id, item] : lists_.manifest) {
            if (HasProperty(item.properties, u"nav") && package_.navigation.empty()) {
                package_.navigation = Entry(item.href);
            }
            const bool isNcx = lists_.toc.empty() ? item.mediaType == u"application/x-dtbncx+xml"
                                                  : id == lists_.toc;
            if (isNcx && package_.ncx.empty()) {
                package_.ncx = Entry(item.href);
            }
        }
        return std::move(package_);
    }

private:
    static void Note(std::u16string& first, std::u16string_view what) {
        if (first.empty()) {
            first = what.empty() ? u"?" : what;
        }
    }

    std::string Entry(std::u16string_view href) {
        std::optional<BookTarget> target = ResolveBookLink(entry_, href);
        if (!target) {
            Note(package_.linkOutside, href);
            return {};
        }
        return std::move(target->entry);
    }

    const PackageLists& lists_;
    std::string_view entry_;
    BookPackage package_;
};

}  // namespace

std::optional<std::u16string> PackagePath(std::u16string_view container) {
    std::optional<std::u16string> path;
    ForEachMarkupToken(container, [&path](const MarkupToken& token) {
        if (!path && token.isTag && TagName(token.text) == u"rootfile" && !IsEndTag(token.text)) {
            if (const auto fullPath = TagAttribute(token.text, "full-path")) {
                path = std::u16string(*fullPath);
            }
        }
    });
    return path;
}

BookPackage ReadPackage(std::u16string_view package, std::string_view entry) {
    PackageLists lists;
    ForEachMarkupToken(package, [&lists](const MarkupToken& token) {
        if (token.isTag && !IsEndTag(token.text)) {
            NoteTag(lists, token.text);
        }
    });
    return PackageReader(lists, entry).Read();
}

}  // namespace sorna
