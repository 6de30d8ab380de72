#pragma once

#include <string_view>

namespace sorna {

// The document loader's texts: its failure messages, shown under the caption "파일 열기 실패",
// and the stages it reports while loading.

inline constexpr std::u16string_view kFileMissingMessage = u"파일이 존재하지 않습니다. : %s";
inline constexpr std::u16string_view kOpenFailedMessage = u"파일 열기 실패 : %s";
inline constexpr std::u16string_view kViewFailedMessage = u"파일 열기 실패(MapViewOfFile err:%d)";
inline constexpr std::u16string_view kOutOfMemoryMessage =
    u"파일 열기 실패(메모리가 모자라요:size %d)";

inline constexpr std::u16string_view kOpeningProgress = u"파일 열기";
inline constexpr std::u16string_view kAllocatingProgress = u"ALLOC";
inline constexpr std::u16string_view kConvertingProgress = u"변환";

}  // namespace sorna
