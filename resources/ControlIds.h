#pragma once

namespace sorna {

// The id of a control in a dialog. The control carries it as its object name (ControlName makes
// the name), which is how the tests find it. Ids repeat from one dialog to another, never within
// one.
using ControlId = int;

// The buttons that accept and that reject a dialog, whatever their captions say.
inline constexpr ControlId kIdOk = 1;
inline constexpr ControlId kIdCancel = 2;

// About box.
inline constexpr ControlId kIdAboutVersion = 1002;
inline constexpr ControlId kIdAboutDate = 1003;
inline constexpr ControlId kIdAboutText = 1004;

// Progress window.
inline constexpr ControlId kIdProgressText = 1029;

// Find dialog.
inline constexpr ControlId kIdFindButton = 1023;
inline constexpr ControlId kIdFindText = 1024;
inline constexpr ControlId kIdFindClearList = 1025;
inline constexpr ControlId kIdFindIgnoreCase = 1028;
inline constexpr ControlId kIdFindIgnoreSpacing = 1041;
inline constexpr ControlId kIdFindAllButton = 1042;
inline constexpr ControlId kIdFindAllList = 1043;
inline constexpr ControlId kIdFindAllCount = 1044;

// Chapter list and go-to dialog.
inline constexpr ControlId kIdChapterList = 1050;
inline constexpr ControlId kIdGoToText = 1051;

// Bookmark dialogs.
inline constexpr ControlId kIdBookmarkLabel = 1033;
inline constexpr ControlId kIdBookmarkList = 1035;
inline constexpr ControlId kIdDeleteBookmarks = 1036;

// Settings dialog; each number box has its up and down arrows beside it.
inline constexpr ControlId kIdUseDictionary = 1009;
inline constexpr ControlId kIdLineGap = 1010;
inline constexpr ControlId kIdLineGapArrows = 1011;
inline constexpr ControlId kIdLeftRightMargin = 1012;
inline constexpr ControlId kIdLeftRightMarginArrows = 1013;
inline constexpr ControlId kIdTopBottomMargin = 1014;
inline constexpr ControlId kIdTopBottomMarginArrows = 1015;
inline constexpr ControlId kIdFontList = 1016;
inline constexpr ControlId kIdFontSize = 1017;
inline constexpr ControlId kIdFontSizeArrows = 1018;
inline constexpr ControlId kIdSmoothScroll = 1019;
inline constexpr ControlId kIdDictionaryPath = 1020;
inline constexpr ControlId kIdTextColour = 1022;
inline constexpr ControlId kIdBackColour = 1023;
inline constexpr ControlId kIdHardwareKeys = 1024;
inline constexpr ControlId kIdAutoScrollSpeed = 1025;
inline constexpr ControlId kIdRotate = 1026;
inline constexpr ControlId kIdBold = 1027;
inline constexpr ControlId kIdNoLineStartSpace = 1028;
inline constexpr ControlId kIdSharedLines = 1030;
inline constexpr ControlId kIdSharedLinesArrows = 1031;
inline constexpr ControlId kIdHangulFontsOnly = 1060;
inline constexpr ControlId kIdFontPreview = 1061;

// Settings and hardware-key dialogs: everything back to its default.
inline constexpr ControlId kIdReset = 1021;

// Hardware-key dialog: slot n has the key button kIdFirstKeyButton + n and the function list
// kIdFirstFunctionList + n.
inline constexpr ControlId kIdFirstKeyButton = 1038;
inline constexpr ControlId kIdFirstFunctionList = 1030;

}  // namespace sorna
