#include "document/PositionInEncoding.h"

#include <algorithm>
#include <limits>
#include <span>
#include <string>

#include "document/DecodeDocument.h"
#include "document/DecodeUnits.h"
#include "document/DecodingPlan.h"
#include "document/NamedConverter.h"
#include "platform/MappedFile.h"

namespace sorna {
namespace {

// The plan with the encoding of a text without evidence named: UTF-8 or code page 949.
DecodingPlan NamedPlan(std::span<const uint8_t> bytes, std::string_view encoding) {
    DecodingPlan plan = PlanDecoding(bytes, false, encoding);
    if (plan.name.empty()) {
        plan.builtIn = DetectEncoding(bytes).encoding;
        plan.name = EncodingName(*plan.builtIn);
    }
    return plan;
}

// How far the plan's decoder comes in the bytes after the mark before it has written `units`
// units or before its next character would read past `byteLimit`. Our own decoders are walked
// themselves, as ICU's would count their ill-formed bytes otherwise.
DecodedBytes Walk(const DecodingPlan& plan, std::span<const uint8_t> bytes, size_t units,
                  size_t byteLimit) {
    const std::span<const uint8_t> body = bytes.subspan(plan.markSize);
    if (plan.builtIn) {
        return WalkDecodedUnits(*plan.builtIn, body, units, byteLimit);
    }
    const UnitsAndBytes walked =
        WalkUnits(plan.name, body.first(std::min(byteLimit, body.size())), units);
    return {walked.bytes, walked.units};
}

int32_t TextPosition(std::span<const uint8_t> bytes, std::string_view from, std::string_view to,
                     int32_t position) {
    constexpr size_t kAll = std::numeric_limits<size_t>::max();
    const DecodingPlan read = NamedPlan(bytes, from);
    const DecodingPlan reread = NamedPlan(bytes, to);
    const size_t byte = read.markSize + Walk(read, bytes, size_t(std::max(position, 0)), kAll).read;
    if (byte <= reread.markSize) {
        return 0;
    }
    return int32_t(Walk(reread, bytes, kAll, byte - reread.markSize).written);
}

int32_t PagePosition(std::span<const uint8_t> bytes, std::string_view from, std::string_view to,
                     int32_t position) {
    DocumentText read;
    DocumentText reread;
    if (!DecodeDocument(read, bytes, true, nullptr, from) ||
        !DecodeDocument(reread, bytes, true, nullptr, to) || read.length == 0) {
        return 0;
    }
    const int64_t share = int64_t{std::clamp(position, 0, read.length)} * reread.length;
    return int32_t(share / read.length);
}

}  // namespace

int32_t PositionInEncoding(std::u16string_view path, bool asHtml, std::string_view from,
                           std::string_view to, int32_t position) {
    MappedFile file;
    if (!file.Open(path) || !file.CreateMapping() || file.Size() > kMaxDocumentBytes ||
        !file.MapView()) {
        return 0;
    }
    const std::span<const uint8_t> bytes = file.Bytes();
    const int32_t moved =
        asHtml ? PagePosition(bytes, from, to, position) : TextPosition(bytes, from, to, position);
    return file.Faulted() ? 0 : moved;
}

}  // namespace sorna
