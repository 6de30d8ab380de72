#pragma once

#include <string_view>

namespace sorna {

// The application shell's own texts: window caption, confirmations, the open-file dialog and the
// progress window.

inline constexpr std::u16string_view kProductName = u"Sorna";
inline constexpr std::u16string_view kProductVersion = u"" SORNA_VERSION;
inline constexpr std::u16string_view kWindowClassName = u"SornaClass";
// What a running reader is known by to a later start.
inline constexpr std::u16string_view kInstanceName = u"Sorna";

inline constexpr std::u16string_view kCaptionWithDocument = u"%s - %s %s";
inline constexpr std::u16string_view kCaptionWithoutDocument = u"%s %s";
inline constexpr std::u16string_view kCaptionLayingOut = u"정렬중..";
inline constexpr std::u16string_view kCaptionOpening = u"파일을 여는중..";

inline constexpr std::u16string_view kConfirmationCaption = u"Sorna";
inline constexpr std::u16string_view kConfirmClearRecentFiles =
    u"최근 파일 목록을 다 지우시겠습니까?";
inline constexpr std::u16string_view kConfirmClearBookmarks = u"책갈피를 전부 지우시겠습니까?";
inline constexpr std::u16string_view kOpenFailedCaption = u"파일 열기 실패";
// Said under that caption when a start names a folder.
inline constexpr std::u16string_view kFolderNotOpenedMessage = u"폴더는 열 수 없습니다. : %s";

// Qt name filters: the last parenthesised group holds the patterns. Shown with the dialog's
// HideNameFilterDetails, they read "텍스트 파일" (EPUB books among them) and "모든 파일 (*.*)"; all
// files match "*", since
// "*.*" would hide names without a dot here.
inline constexpr std::u16string_view kOpenFilterText =
    u"텍스트 파일 (*.txt *.cap *.htm *.html *.epub)";
inline constexpr std::u16string_view kOpenFilterAll = u"모든 파일 (*.*) (*)";

inline constexpr std::u16string_view kBookmarkLabelPattern = u"%s [%.1f%%]";

// The first item of "인코딩", and what it adds when it decided for the open document:
// "자동: 한국어 (CP949)".
inline constexpr std::u16string_view kAutomaticEncodingItem = u"자동";
inline constexpr std::u16string_view kAutomaticDecisionPattern = u": %s";

// Told for a moment over the page, without a box to close.
inline constexpr std::u16string_view kNotFoundNotice = u"더 찾을 수 없습니다 : %s";
inline constexpr std::u16string_view kNoChaptersNotice = u"이 문서에는 목차가 없습니다.";

inline constexpr std::u16string_view kProgressInitialText = u"처리중";

// Standard message-box buttons, without the keyboard mnemonics Qt's own translation adds.
inline constexpr std::u16string_view kButtonYes = u"예";
inline constexpr std::u16string_view kButtonNo = u"아니요";
inline constexpr std::u16string_view kButtonOk = u"확인";

}  // namespace sorna
