#include "document/ReadingWindow.h"

#include <algorithm>
#include <limits>
#include <memory>

#include "document/DecodeUnits.h"
#include "document/DocumentKind.h"
#include "document/Utf8.h"
#include "platform/MappedFile.h"

namespace sorna {
namespace {

// How far past a window's edge a line feed is looked for.
constexpr int64_t kLineFeedSearch = int64_t{64} << 10;

// The bytes of a text of fixed-width units, addressed by unit.
struct UnitBytes {
    std::span<const uint8_t> bytes;
    TextEncoding encoding;
    int64_t width;

    int64_t Units() const { return int64_t(bytes.size()) / width; }
    bool IsLineFeed(int64_t i) const {
        if (width == 1) {
            return bytes[size_t(i)] == '\n';
        }
        const char16_t unit = encoding == TextEncoding::Utf16Be
                                  ? Utf16UnitAt<true>(bytes.data(), size_t(i))
                                  : Utf16UnitAt<false>(bytes.data(), size_t(i));
        return unit == u'\n';
    }
};

// The window's first unit: the last line feed at or before `at`, or the start when the search
// reaches it first.
std::optional<int64_t> WindowStart(const UnitBytes& text, int64_t at) {
    for (int64_t i = at; i > 0 && i >= at - kLineFeedSearch; --i) {
        if (text.IsLineFeed(i)) {
            return i;
        }
    }
    return at - kLineFeedSearch <= 0 ? std::optional<int64_t>(0) : std::nullopt;
}

// The window's end: just after the first line feed from `at` on, or the end of the text when the
// search reaches it first.
std::optional<int64_t> WindowEnd(const UnitBytes& text, int64_t at) {
    for (int64_t i = at; i < text.Units() && i < at + kLineFeedSearch; ++i) {
        if (text.IsLineFeed(i)) {
            return i + 1;
        }
    }
    return at + kLineFeedSearch >= text.Units() ? std::optional(text.Units()) : std::nullopt;
}

// Text without a mark reads as UTF-8 when its start and the window are well-formed UTF-8; the
// whole text may still turn out otherwise, and then the window shows for a moment in the wrong
// encoding.
TextEncoding WindowEncoding(const DecodingPlan& plan, std::span<const uint8_t> body,
                            std::span<const uint8_t> window) {
    if (plan.builtIn) {
        return *plan.builtIn;
    }
    return StartsWellFormedUtf8(body) && IsMultiByteUtf8(window) ? TextEncoding::Utf8
                                                                 : TextEncoding::CodePage949;
}

// The byte the place begins at: known for the start and for UTF-16, else as remembered.
std::optional<int64_t> PlaceByte(const DecodingPlan& plan, int32_t position,
                                 std::optional<int64_t> byte) {
    if (position == 0) {
        return int64_t(plan.markSize);
    }
    if (plan.builtIn && UnitWidth(*plan.builtIn) == 2) {
        return int64_t(plan.markSize) + 2 * int64_t{position};
    }
    return byte;
}

// Whether `units` code units can come of `bytes` bytes: a byte encoding gives at most one unit per
// byte and at least one per three (code page 949 one per two, UTF-8 one per three or two per
// four), UTF-16 one per two. A place from another file or another encoding mostly fails this.
bool PlausiblePlace(int32_t units, int64_t bytes, int64_t width) {
    if (width == 2) {
        return 2 * int64_t{units} == bytes;
    }
    return units >= 0 && units <= bytes && 3 * int64_t{units} >= bytes;
}

}  // namespace

std::optional<ReadingWindow> WindowOfText(const DocumentText& whole, int32_t position) {
    const UnitBytes units{{reinterpret_cast<const uint8_t*>(whole.text.get()),
                           size_t(whole.length) * sizeof(char16_t)},
                          kNativeUtf16,
                          2};
    const int64_t at = std::clamp<int64_t>(position, 0, whole.length);
    const std::optional<int64_t> start = WindowStart(units, at - kWindowBytesBefore / 2);
    const std::optional<int64_t> end = WindowEnd(units, at + kWindowBytesAfter / 2);
    if (!start || !end) {
        return std::nullopt;
    }
    ReadingWindow window;
    DocumentText& text = window.text;
    text.length = int32_t(*end - *start);
    text.text = std::make_unique_for_overwrite<char16_t[]>(size_t(text.length) + 1);
    std::copy(whole.text.get() + *start, whole.text.get() + *end, text.text.get());
    text.text[size_t(text.length)] = 0;
    text.documentPath = whole.documentPath;
    text.kind = whole.kind;
    text.encoding = whole.encoding;
    text.checkpoints = whole.checkpoints;
    window.firstUnit = int32_t(*start);
    window.estimatedLength = whole.length;
    window.reachesEnd = *end == whole.length;
    return window;
}

bool ReadsAtOnce(std::u16string_view path) {
    MappedFile file;
    return !file.Open(path) || !file.CreateMapping() || file.Size() < kWindowedOpenBytes;
}

std::optional<ReadingWindow> LoadReadingWindow(std::u16string_view path, std::string_view chosen,
                                               int32_t position, std::optional<int64_t> byte) {
    MappedFile file;
    if (position < 0 || !file.Open(path) || !file.CreateMapping() ||
        file.Size() < kWindowedOpenBytes || file.Size() > INT32_MAX || !file.MapView() ||
        KindOfDocument(path, file.Bytes()) != DocumentKind::Text) {
        return std::nullopt;
    }
    const DecodingPlan plan = PlanDecoding(file.Bytes(), false, chosen);
    const std::optional<int64_t> placeByte = PlaceByte(plan, position, byte);
    if ((!plan.builtIn && !plan.name.empty()) || !placeByte) {
        return std::nullopt;
    }
    std::optional<ReadingWindow> window =
        DecodeReadingWindow(file.Bytes(), plan, {position, *placeByte});
    return file.Faulted() ? std::nullopt : std::move(window);
}

std::optional<ReadingWindow> DecodeReadingWindow(std::span<const uint8_t> fileBytes,
                                                 const DecodingPlan& plan, TextPlace place) {
    const std::span<const uint8_t> body = fileBytes.subspan(plan.markSize);
    const int64_t width = plan.builtIn ? int64_t(UnitWidth(*plan.builtIn)) : 1;
    const int64_t placeByte = place.byte - int64_t(plan.markSize);
    if (placeByte < 0 || placeByte > int64_t(body.size()) || placeByte % width != 0 ||
        !PlausiblePlace(place.unit, placeByte, width)) {
        return std::nullopt;
    }
    const UnitBytes units{body, plan.builtIn.value_or(TextEncoding::CodePage949), width};
    const int64_t at = placeByte / width;
    const std::optional<int64_t> start = WindowStart(units, at - kWindowBytesBefore / width);
    const std::optional<int64_t> end = WindowEnd(units, at + kWindowBytesAfter / width);
    if (!start || !end) {
        return std::nullopt;
    }
    const auto before = body.subspan(size_t(*start * width), size_t((at - *start) * width));
    const auto after = body.subspan(size_t(at * width), size_t((*end - at) * width));
    const auto whole = body.subspan(size_t(*start * width), before.size() + after.size());
    const TextEncoding encoding = WindowEncoding(plan, body, whole);

    ReadingWindow window;
    window.text.encoding = EncodingName(encoding);
    // Room for a unit per byte, of which a Korean text fills about half: left unwritten, the rest
    // is never touched.
    window.text.text = std::make_unique_for_overwrite<char16_t[]>(whole.size() + 1);
    const std::span<char16_t> room(window.text.text.get(), whole.size());
    const size_t unitsBefore = DecodeUnits(encoding, before, room).written;
    const size_t length =
        unitsBefore + DecodeUnits(encoding, after, room.subspan(unitsBefore)).written;
    window.text.text[length] = 0;
    window.text.length = int32_t(length);
    window.firstUnit = place.unit - int32_t(unitsBefore);
    // From the very start the units before the place are counted, not trusted.
    if (window.firstUnit < 0 || (*start == 0 && window.firstUnit != 0)) {
        return std::nullopt;
    }
    window.reachesEnd = *end == units.Units();
    if (width == 1) {
        // Where the window begins is where the byte of any place in it is found from.
        window.text.checkpoints = {{plan.markSize + size_t(*start), size_t(window.firstUnit)}};
    }
    const double unitsPerByte = whole.empty() ? 1.0 : double(length) / double(whole.size());
    const double estimate = double(window.firstUnit) + double(length) +
                            double(body.size() - size_t(*end * width)) * unitsPerByte;
    window.estimatedLength =
        int32_t(std::min<double>(estimate, std::numeric_limits<int32_t>::max() - 1));
    return window;
}

}  // namespace sorna
