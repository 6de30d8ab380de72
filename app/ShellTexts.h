#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "resources/CommandIds.h"

// The texts the reader makes for its window: the caption, menu items, the proposed bookmark
// label, the about box's date and text resources.
namespace sorna {

// The window caption for the open document's title ("a.txt - Sorna 1.71"), or the product alone
// when no document is open.
std::u16string TitleText(std::u16string_view documentTitle);

// The file-name part of a path: the text after its last "/". The first character is never taken
// as the separator, so a path without a "/" after its first character is returned whole.
std::u16string_view FileTitle(std::u16string_view path);

// Code units of the line text that a proposed bookmark label keeps.
inline constexpr size_t kBookmarkLabelTextLength = 15;

// The label offered for a new bookmark: the start of the top line's text (of the next line's
// when the top line is blank) and the reading position as a percentage of the text, as in
// "Once upon a tim [25.0%]". The main window offers none for an empty text; 0% stands in then.
std::u16string ProposedBookmarkLabel(std::u16string_view topLineText,
                                     std::u16string_view nextLineText, int32_t readingPosition,
                                     int32_t textLength);

// The about box's date line: the build date as the compiler spells it (a three-letter month,
// the day padded to two places with a blank, the year: "Apr 16 2006"), in parentheses with one
// blank inside each.
std::u16string AboutDateText(std::string_view buildDate);

// The text a text resource holds: its code page 949 bytes decoded as documents are. Line ends
// stay as they are stored.
std::u16string TextResourceText(std::span<const uint8_t> bytes);

// At most this many recent files or bookmarks are listed in a menu.
inline constexpr size_t kMaxRunTimeMenuItems = 13;

// An item added to a menu when it opens; a separator has no id and no text.
struct RunTimeMenuItem {
    CommandId id = 0;
    std::u16string text;
    bool separator = false;
    bool checked = false;

    bool operator==(const RunTimeMenuItem&) const = default;
};

// Menu text that shows the given text as it is: every "&" doubled, so none becomes a mnemonic.
std::u16string MenuItemText(std::u16string_view text);

// "최근파일": the file names of the recent files in list order, then a separator and the item
// that clears the list.
std::vector<RunTimeMenuItem> RecentFileMenuItems(std::span<const std::u16string_view> paths);

// The bookmarks after the separator of "책", by label in list order.
std::vector<RunTimeMenuItem> BookmarkMenuItems(std::span<const std::u16string_view> labels);

// "인코딩": 자동 with the encoding it decided on for the open document (`inUse`, empty when none
// is open), a separator, and every encoding that can be chosen. The one chosen, 자동 when
// `chosen` is empty, is checked.
std::vector<RunTimeMenuItem> EncodingMenuItems(std::u16string_view chosen, std::string_view inUse);

}  // namespace sorna
