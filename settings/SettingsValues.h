#pragma once

#include <cstdint>
#include <string_view>
#include <variant>

#include "platform/registry/Registry.h"
#include "settings/Settings.h"

namespace sorna {

// Where and under which names the settings are stored. The names are the stored ones, spelling
// ("bLeftScroolbar") included, so every stored file keeps loading.

inline constexpr RegistryRoot kSettingsRoot = HKEY_CURRENT_USER;
inline constexpr std::u16string_view kSettingsKey = u"SOFTWARE\\QARVEN\\SORNA";

using DwordField = std::variant<int32_t Settings::*, uint32_t Settings::*, bool Settings::*>;

struct NamedDwordField {
    std::u16string_view name;
    DwordField field;
};

// The option DWORDs, in the order they are read and written.
inline constexpr NamedDwordField kOptionDwords[] = {
    {u"nLineSpace", &Settings::nLineSpace},
    {u"nLRSpace", &Settings::nLRSpace},
    {u"nTBSpace", &Settings::nTBSpace},
    {u"nFontSize", &Settings::nFontSize},
    {u"bBold", &Settings::bBold},
    {u"bRotate", &Settings::bRotate},
    {u"bRemoveLineStartSpace", &Settings::bRemoveLineStartSpace},
    {u"bUseEngDic", &Settings::bUseEngDic},
    {u"nShareLine", &Settings::nShareLine},
    {u"clrText", &Settings::clrText},
    {u"clrBkgnd", &Settings::clrBkgnd},
    {u"bSearchIgnoreCase", &Settings::bSearchIgnoreCase},
    {u"bFullscreen", &Settings::bFullscreen},
    {u"bLeftScroolbar", &Settings::bLeftScroolbar},
    {u"bShowProgress", &Settings::bShowProgress},
    {u"bSmoothScroll", &Settings::bSmoothScroll},
    {u"nAutoScrollSpeed", &Settings::nAutoScrollSpeed},
    {u"bShowPercent", &Settings::bShowPercent},
    {u"bLineBreakRules", &Settings::bLineBreakRules},
    {u"bLimitLineLength", &Settings::bLimitLineLength},
    {u"bJoinLines", &Settings::bJoinLines},
    {u"bSearchIgnoreSpacing", &Settings::bSearchIgnoreSpacing},
    {u"nTheme", &Settings::nTheme},
    {u"bJustify", &Settings::bJustify},
};

inline constexpr std::u16string_view kFontFaceNameValue = u"sFontFaceName";
inline constexpr std::u16string_view kEngDicPathValue = u"sEngDicPath";

// Slot values carry a one-digit suffix: KeyFunc0 ... KeyFunc5.
inline constexpr std::u16string_view kKeyFunctionPrefix = u"KeyFunc";
inline constexpr std::u16string_view kKeyCodePrefix = u"KeyCode";

// List values carry a two-digit (or longer) index after a count value: RFNAME00, RFNAME01, ...
inline constexpr std::u16string_view kRecentFileCountValue = u"nRecentFileCount";
inline constexpr std::u16string_view kRecentFileNamePrefix = u"RFNAME";
inline constexpr std::u16string_view kRecentFilePositionPrefix = u"RFPOS";
// Only for a document whose encoding was chosen by hand; none stands for the automatic decision.
inline constexpr std::u16string_view kRecentFileEncodingPrefix = u"RFENC";
// Only where known: the byte of the file that the reading position begins at.
inline constexpr std::u16string_view kRecentFileBytePrefix = u"RFBYTE";
inline constexpr std::u16string_view kBookmarkCountValue = u"nBookmarkCount";
inline constexpr std::u16string_view kBookmarkNamePrefix = u"BMNAME";
inline constexpr std::u16string_view kBookmarkPositionPrefix = u"BMPOS";
inline constexpr std::u16string_view kBookmarkLabelPrefix = u"BMCMT";
inline constexpr std::u16string_view kRecentSearchCountValue = u"nRecentSearchCount";
inline constexpr std::u16string_view kRecentSearchPrefix = u"RSEARCH";

// Every value of an entry, by list.
inline constexpr std::u16string_view kRecentFilePrefixes[] = {
    kRecentFileNamePrefix, kRecentFilePositionPrefix, kRecentFileEncodingPrefix,
    kRecentFileBytePrefix};
inline constexpr std::u16string_view kBookmarkPrefixes[] = {
    kBookmarkNamePrefix, kBookmarkPositionPrefix, kBookmarkLabelPrefix};
inline constexpr std::u16string_view kRecentSearchPrefixes[] = {kRecentSearchPrefix};

}  // namespace sorna
