#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "document/DecodingPlan.h"
#include "document/DocumentText.h"

namespace sorna {

// Where a reading place lies: the code unit of the whole text, and the byte of the file that
// unit begins at.
struct TextPlace {
    int32_t unit = 0;
    int64_t byte = 0;
};

// A stretch of a long plain text decoded around the reading place, shown while the whole text
// is still being read. It begins at the start of the text or at a line feed, and ends at the end
// of the text or just after a line feed.
struct ReadingWindow {
    DocumentText text;            // the stretch, with the whole text's encoding name
    int32_t firstUnit = 0;        // the unit of the whole text that the stretch begins with
    int32_t estimatedLength = 0;  // of the whole text, from the stretch's units per byte
    bool reachesEnd = false;      // the stretch ends where the text does
};

// Bytes a window holds before and after the reading place: dozens of pages of a small font on a
// large screen back, and over a hundred on, more than fast paging gets through while the rest of
// a long book is read; a few milliseconds of decoding and breaking.
inline constexpr int64_t kWindowBytesBefore = int64_t{256} << 10;
inline constexpr int64_t kWindowBytesAfter = int64_t{1} << 20;

// The window around `place` of a file that `plan` decodes with one of our own decoders. The
// place's byte is trusted to begin its unit; none when it lies outside the text, when no line
// feed is found near a window edge, or when the place and the bytes before it disagree.
std::optional<ReadingWindow> DecodeReadingWindow(std::span<const uint8_t> fileBytes,
                                                 const DecodingPlan& plan, TextPlace place);

// The window around `position` of a text read whole, for laying it out anew: a copy of its
// units, with the text's path, kind, encoding and checkpoints. None when no line feed is found
// near a window edge.
std::optional<ReadingWindow> WindowOfText(const DocumentText& whole, int32_t position);

// Files shorter than this are read whole at once: that takes a few milliseconds.
inline constexpr uint64_t kWindowedOpenBytes = uint64_t{8} << 20;

// True when the file at `path` is read whole in a few milliseconds: it is shorter than
// kWindowedOpenBytes, or it cannot be read, which the load finds at once.
bool ReadsAtOnce(std::u16string_view path);

// The window around the reading place `position` of the plain-text file at `path`, read in the
// encoding `chosen` by hand or else as its bytes decide. `byte` is where that place begins in the
// file, when known; the start needs none, and neither does UTF-16. None when the file is shorter
// than kWindowedOpenBytes, is no plain text, is read by a decoder not our own, or cannot be
// read; it is then read whole as ever, and tells why it cannot be.
std::optional<ReadingWindow> LoadReadingWindow(std::u16string_view path, std::string_view chosen,
                                               int32_t position, std::optional<int64_t> byte);

}  // namespace sorna
