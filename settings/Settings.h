#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "history/HistoryLists.h"

namespace sorna {

inline constexpr int kKeySlotCount = 6;

// Every option of the reader, the hardware-key slots and the reading history. The other parts of
// the program read and change the fields directly; LoadSettings and SaveSettings move them from
// and to the registry key HKEY_CURRENT_USER\SOFTWARE\QARVEN\SORNA. Flags are stored as 0 or 1,
// and any non-zero number stored counts as set. Colours are 0x00BBGGRR.
class Settings {
public:
    // Defaults and empty lists; nothing is read.
    Settings();

    // Every option back to its default; the lists and the key slots stay.
    void ApplyDisplayDefaults();
    // No function on any slot, and the key codes 0xC1-0xC6.
    void ApplyKeyDefaults();
    // Defaults, then every value and list stored in the registry, with a font size or a negative
    // margin or line spacing that no screen can use brought within range. Never fails visibly.
    void LoadSettings();
    // Writes every value and list and flushes the root to disk. Never fails visibly.
    void SaveSettings() const;

    bool operator==(const Settings&) const = default;

    RecentFiles recentFiles;
    Bookmarks bookmarks;
    RecentSearches recentSearches;
    int32_t nLineSpace;
    int32_t nLRSpace;
    int32_t nTBSpace;
    int32_t nFontSize;
    int32_t nShareLine;
    bool bBold;
    bool bRotate;
    bool bRemoveLineStartSpace;
    bool bUseEngDic;
    uint32_t clrText;
    uint32_t clrBkgnd;
    bool bSearchIgnoreCase;
    bool bFullscreen;
    bool bLeftScroolbar;
    bool bShowProgress;
    bool bSmoothScroll;
    // Per hardware-key slot: an index into the key-function table (0 = not used) and a key code.
    std::array<int32_t, kKeySlotCount> keyFunctions;
    std::array<int32_t, kKeySlotCount> keyCodes;
    int32_t nAutoScrollSpeed;
    // Reading aids of the 보기 menu, all off by default: the percentage read in the bottom margin,
    // Korean line-breaking rules, a text column of readable width, and hard-wrapped lines joined
    // into their paragraphs.
    bool bShowPercent;
    bool bLineBreakRules;
    bool bLimitLineLength;
    bool bJoinLines;
    // Find skips the white space between the letters of the word; off by default.
    bool bSearchIgnoreSpacing;
    // The look of the page, of the 보기 menu: a theme's colours instead of clrText and clrBkgnd
    // (0, the default, keeps those), and wrapped lines stretched to the text area's width.
    int32_t nTheme;
    bool bJustify;
    std::u16string sFontFaceName;
    std::u16string sEngDicPath;
};

}  // namespace sorna
