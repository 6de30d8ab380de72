#pragma once

#include <string_view>

namespace sorna {

// The name of a control in a dialog, in words. The control carries it as its object name, which
// is how the tests find it. No two controls of one dialog share a name. The buttons that accept
// and reject are named alike in every dialog; any other control is named for its own dialog, as
// the reset buttons of the settings and hardware-key dialogs are.
using ControlName = std::string_view;

namespace control {

// The buttons that accept and that reject a dialog, whatever their captions say.
inline constexpr ControlName kOk = "ok";
inline constexpr ControlName kCancel = "cancel";

// About box.
inline constexpr ControlName kAboutVersion = "aboutVersion";
inline constexpr ControlName kAboutDate = "aboutDate";
inline constexpr ControlName kAboutText = "aboutText";

// Progress window.
inline constexpr ControlName kProgressText = "progressText";

// Find dialog.
inline constexpr ControlName kFindButton = "findButton";
inline constexpr ControlName kFindText = "findText";
inline constexpr ControlName kFindClearList = "findClearList";
inline constexpr ControlName kFindIgnoreCase = "findIgnoreCase";
inline constexpr ControlName kFindIgnoreSpacing = "findIgnoreSpacing";
inline constexpr ControlName kFindAllButton = "findAllButton";
inline constexpr ControlName kFindAllList = "findAllList";
inline constexpr ControlName kFindAllCount = "findAllCount";

// Chapter list and go-to dialog.
inline constexpr ControlName kChapterList = "chapterList";
inline constexpr ControlName kGoToText = "goToText";

// Bookmark dialogs.
inline constexpr ControlName kBookmarkLabel = "bookmarkLabel";
inline constexpr ControlName kBookmarkList = "bookmarkList";
inline constexpr ControlName kDeleteBookmarks = "deleteBookmarks";

// Settings dialog; each number box has its up and down arrows beside it.
inline constexpr ControlName kUseDictionary = "useDictionary";
inline constexpr ControlName kLineGap = "lineGap";
inline constexpr ControlName kLineGapArrows = "lineGapArrows";
inline constexpr ControlName kLeftRightMargin = "leftRightMargin";
inline constexpr ControlName kLeftRightMarginArrows = "leftRightMarginArrows";
inline constexpr ControlName kTopBottomMargin = "topBottomMargin";
inline constexpr ControlName kTopBottomMarginArrows = "topBottomMarginArrows";
inline constexpr ControlName kFontList = "fontList";
inline constexpr ControlName kFontSize = "fontSize";
inline constexpr ControlName kFontSizeArrows = "fontSizeArrows";
inline constexpr ControlName kSmoothScroll = "smoothScroll";
inline constexpr ControlName kDictionaryPath = "dictionaryPath";
inline constexpr ControlName kTextColour = "textColour";
inline constexpr ControlName kBackColour = "backColour";
inline constexpr ControlName kHardwareKeys = "hardwareKeys";
inline constexpr ControlName kAutoScrollSpeed = "autoScrollSpeed";
inline constexpr ControlName kRotate = "rotate";
inline constexpr ControlName kBold = "bold";
inline constexpr ControlName kNoLineStartSpace = "noLineStartSpace";
inline constexpr ControlName kSharedLines = "sharedLines";
inline constexpr ControlName kSharedLinesArrows = "sharedLinesArrows";
inline constexpr ControlName kHangulFontsOnly = "hangulFontsOnly";
inline constexpr ControlName kFontPreview = "fontPreview";
inline constexpr ControlName kSettingsReset = "settingsReset";

// Hardware-key dialog, which opens over the settings dialog. Each slot's key button and function
// list carry these names followed by the slot's number: keyButton0, functionList0, ...
inline constexpr ControlName kKeyButton = "keyButton";
inline constexpr ControlName kFunctionList = "functionList";
inline constexpr ControlName kKeyboardReset = "keyboardReset";

}  // namespace control
}  // namespace sorna
