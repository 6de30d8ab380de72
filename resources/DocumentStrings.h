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

// An EPUB book that cannot be read, and why.
inline constexpr std::u16string_view kBookDamagedMessage = u"EPUB 파일이 손상되어 열 수 없습니다.";
inline constexpr std::u16string_view kBookTooManyEntriesMessage =
    u"EPUB 파일에 든 파일이 너무 많아(%d개) 열 수 없습니다.";
inline constexpr std::u16string_view kBookTooLargeMessage =
    u"압축을 풀면 너무 커지는 EPUB 파일이라 열 수 없습니다.";
inline constexpr std::u16string_view kBookNoPackageMessage =
    u"EPUB 파일에 책의 구성 정보가 없습니다. : %s";
inline constexpr std::u16string_view kBookNoContentsMessage = u"EPUB 파일에 읽을 본문이 없습니다.";
inline constexpr std::u16string_view kBookItemMissingMessage =
    u"EPUB 파일에 본문 파일이 빠져 있습니다. : %s";
inline constexpr std::u16string_view kBookLinkOutsideMessage =
    u"EPUB 파일이 책 밖의 경로를 가리킵니다. : %s";
inline constexpr std::u16string_view kBookProtectedMessage =
    u"저작권 보호(DRM)가 걸린 책은 열 수 없습니다.";

inline constexpr std::u16string_view kOpeningProgress = u"파일 열기";
inline constexpr std::u16string_view kAllocatingProgress = u"ALLOC";
inline constexpr std::u16string_view kConvertingProgress = u"변환";

}  // namespace sorna
