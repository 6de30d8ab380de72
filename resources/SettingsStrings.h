#pragma once

#include <string_view>

namespace sorna {

// The texts of the settings dialog, the keyboard dialog and the key capture dialog.

inline constexpr std::u16string_view kSettingsCaption = u"환경설정";
inline constexpr std::u16string_view kTopBottomLabel = u"상하";
inline constexpr std::u16string_view kLeftRightLabel = u"좌우";
inline constexpr std::u16string_view kLineGapLabel = u"줄간";
inline constexpr std::u16string_view kFontLabel = u"글꼴";
inline constexpr std::u16string_view kFontSizeLabel = u"크기";
inline constexpr std::u16string_view kBoldCheck = u"굵";
// Limits the font list to faces that draw Hangul themselves; not stored.
inline constexpr std::u16string_view kHangulFontsOnlyCheck = u"한글 글꼴만";
inline constexpr std::u16string_view kFontPreviewSample = u"가나다라 ABC 123";
inline constexpr std::u16string_view kTextColourLabel = u"글자색";
inline constexpr std::u16string_view kBackColourLabel = u"배경색";
inline constexpr std::u16string_view kNoLineStartSpaceCheck = u"줄의 시작 여백 없음";
inline constexpr std::u16string_view kSharedLinesLabel = u"공유줄";
inline constexpr std::u16string_view kUseDictionaryCheck = u"영어사전 사용하기";
inline constexpr std::u16string_view kDictionaryPathLabel = u"경로";
inline constexpr std::u16string_view kSmoothScrollCheck = u"부드러운 스크롤";
inline constexpr std::u16string_view kRotateCheck = u"돌려보기";
inline constexpr std::u16string_view kAutoScrollSpeedLabel = u"자동스크롤 속도:";
inline constexpr std::u16string_view kHardwareKeysButton = u"하드웨어키";
inline constexpr std::u16string_view kConfirmResetSettings = u"환경설정을 초기화 하시겠습니까?";
inline constexpr std::u16string_view kSpeedPattern = u"%d";

inline constexpr std::u16string_view kKeyboardCaption = u"키보드 설정";
inline constexpr std::u16string_view kKeySlotButtonPattern = u"버튼%d(0x%x)";
inline constexpr std::u16string_view kConfirmResetKeys = u"하드웨어키를 전부 초기화 하시겠습니까?";

inline constexpr std::u16string_view kKeyCaptureCaption = u"하드웨어 키 입력";
inline constexpr std::u16string_view kKeyCapturePrompt = u"설정할 키를 누르세요.";

}  // namespace sorna
