#include "app/ShellTexts.h"

#include <algorithm>

#include "platform/CodePage949.h"
#include "resources/AppStrings.h"
#include "resources/EncodingTable.h"
#include "resources/Format.h"
#include "resources/MenuTable.h"
#include "view/ReadingPercent.h"

namespace sorna {

std::u16string TitleText(std::u16string_view documentTitle) {
    if (documentTitle.empty()) {
        return FormatText(kCaptionWithoutDocument, {kProductName, kProductVersion});
    }
    return FormatText(kCaptionWithDocument, {documentTitle, kProductName, kProductVersion});
}

std::u16string_view FileTitle(std::u16string_view path) {
    const size_t separator = path.find_last_of(u'/');
    if (separator == std::u16string_view::npos || separator == 0) {
        return path;
    }
    return path.substr(separator + 1);
}

namespace {

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

// The first code units of text, never ending between the halves of a surrogate pair.
std::u16string_view LabelText(std::u16string_view text) {
    if (text.size() <= kBookmarkLabelTextLength) {
        return text;
    }
    size_t length = kBookmarkLabelTextLength;
    if (IsHighSurrogate(text[length - 1])) {
        --length;
    }
    return text.substr(0, length);
}

}  // namespace

std::u16string ProposedBookmarkLabel(std::u16string_view topLineText,
                                     std::u16string_view nextLineText, int32_t readingPosition,
                                     int32_t textLength) {
    const std::u16string_view lineText = topLineText.empty() ? nextLineText : topLineText;
    return FormatText(kBookmarkLabelPattern,
                      {LabelText(lineText), ReadingPercent(readingPosition, textLength)});
}

std::u16string AboutDateText(std::string_view buildDate) {
    return u"( " + Widen(buildDate) + u" )";
}

std::u16string TextResourceText(std::span<const uint8_t> bytes) {
    // Every byte or pair of bytes gives one code unit, so the byte count is room enough.
    std::u16string text(bytes.size(), u'\0');
    text.resize(DecodeCodePage949(bytes, text).written);
    return text;
}

namespace {

template <typename TextOf>
std::vector<RunTimeMenuItem> ListItems(std::span<const std::u16string_view> entries,
                                       CommandId firstId, TextOf textOf) {
    const size_t count = std::min(entries.size(), kMaxRunTimeMenuItems);
    std::vector<RunTimeMenuItem> items;
    items.reserve(count + 2);
    for (size_t n = 0; n < count; ++n) {
        items.push_back({static_cast<CommandId>(firstId + n), MenuItemText(textOf(entries[n]))});
    }
    return items;
}

}  // namespace

std::u16string MenuItemText(std::u16string_view text) {
    std::u16string escaped;
    escaped.reserve(text.size());
    for (const char16_t unit : text) {
        escaped.push_back(unit);
        if (unit == u'&') {
            escaped.push_back(u'&');
        }
    }
    return escaped;
}

std::vector<RunTimeMenuItem> RecentFileMenuItems(std::span<const std::u16string_view> paths) {
    std::vector<RunTimeMenuItem> items = ListItems(paths, IDM_RECENT_00, FileTitle);
    items.push_back({0, {}, true});
    items.push_back({kRecentClearItem.id, std::u16string(kRecentClearItem.text)});
    return items;
}

std::vector<RunTimeMenuItem> BookmarkMenuItems(std::span<const std::u16string_view> labels) {
    return ListItems(labels, IDM_BOOKMARK_00, [](std::u16string_view label) { return label; });
}

namespace {

// How the menu names an encoding: by its label when it can be chosen, else by its name.
std::u16string EncodingLabel(std::string_view name) {
    for (const NamedEncoding& encoding : kChoosableEncodings) {
        if (encoding.name == name) {
            return std::u16string(encoding.label);
        }
    }
    return Widen(name);
}

}  // namespace

std::vector<RunTimeMenuItem> EncodingMenuItems(std::u16string_view chosen, std::string_view inUse) {
    std::u16string automatic(kAutomaticEncodingItem);
    if (chosen.empty() && !inUse.empty()) {
        automatic += FormatText(kAutomaticDecisionPattern, {EncodingLabel(inUse)});
    }
    std::vector<RunTimeMenuItem> items = {{IDM_ENCODING_AUTO, automatic, false, chosen.empty()},
                                          {0, {}, true}};
    for (size_t n = 0; n < std::size(kChoosableEncodings); ++n) {
        const NamedEncoding& encoding = kChoosableEncodings[n];
        items.push_back({CommandId(IDM_ENCODING_AUTO + 1 + n), std::u16string(encoding.label),
                         false, Widen(encoding.name) == chosen});
    }
    return items;
}

}  // namespace sorna
