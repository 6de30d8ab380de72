#pragma once

#include <string_view>

namespace sorna {

// The texts of the about box. The product name and version are the shell's (AppStrings.h).

inline constexpr std::u16string_view kAboutCaption = u"프로그램 정보";
inline constexpr std::u16string_view kAboutVersionPattern = u"%s %s";
inline constexpr std::u16string_view kAboutDescription = u"긴 문서를 위한 읽기 프로그램";
inline constexpr std::u16string_view kAboutFormats = u"텍스트 · HTML 문서";
inline constexpr std::u16string_view kAboutPlatform = u"Qt 6 · Linux";

// Name of the text resource shown in the about box.
inline constexpr std::u16string_view kAboutTextResource = u"IDR_TXT_ABOUT";

}  // namespace sorna
