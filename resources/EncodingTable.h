#pragma once

#include <string_view>

namespace sorna {

// An encoding that can be chosen by hand: as the menu shows it and by the name the decoder and
// the recent files know it by.
struct NamedEncoding {
    std::u16string_view label;
    std::string_view name;
};

// The encodings of the 인코딩 menu, after 자동, in order.
inline constexpr NamedEncoding kChoosableEncodings[] = {
    {u"한국어 (CP949)", "windows-949"},
    {u"UTF-8", "UTF-8"},
    {u"UTF-16LE", "UTF-16LE"},
    {u"UTF-16BE", "UTF-16BE"},
    {u"조합형 (Johab)", "Johab"},
    {u"ISO-2022-KR", "ISO-2022-KR"},
    {u"Shift_JIS", "Shift_JIS"},
    {u"GB18030", "GB18030"},
    {u"Big5", "Big5"},
    {u"windows-1252", "windows-1252"},
};

}  // namespace sorna
