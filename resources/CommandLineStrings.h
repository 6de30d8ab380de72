#pragma once

#include <string_view>

namespace sorna {

// The command line's texts: what --help says of each option and of the file, and what a start
// says on the terminal when it is given more than one file. The help's headings are Qt's own.

inline constexpr std::u16string_view kHelpOptionText = u"도움말을 표시하고 끝냅니다.";
inline constexpr std::u16string_view kVersionOptionText = u"버전 정보를 표시하고 끝냅니다.";
inline constexpr std::u16string_view kFileArgumentName = u"파일";
inline constexpr std::u16string_view kFileArgumentSyntax = u"[파일]";
// Broken in two to fit a terminal: Qt counts a Korean letter as one column where it takes two.
inline constexpr std::u16string_view kFileArgumentText =
    u"열 문서. 없으면 마지막으로 읽던 문서를 엽니다.\n"
    u"-로 시작하는 이름은 -- 뒤에 적습니다.";
inline constexpr std::u16string_view kSeveralFilesNotice =
    u"파일은 하나만 열 수 있습니다. 첫 파일을 엽니다. : %s";

}  // namespace sorna
