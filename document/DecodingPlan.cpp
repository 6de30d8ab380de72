#include "document/DecodingPlan.h"

#include <algorithm>
#include <array>
#include <utility>

#include "document/EncodingEvidence.h"
#include "document/NamedConverter.h"

namespace sorna {
namespace {

constexpr std::string_view kJohab = "Johab";
constexpr std::string_view kIso2022Kr = "ISO-2022-KR";
constexpr std::string_view kWindows1252 = "windows-1252";
constexpr size_t kUtf32MarkSize = 4;

// Declared charsets that are read as the bytes decide, as if nothing were declared.
constexpr std::array<std::string_view, 9> kReadAsUndeclared = {
    "UTF-8",  "UTF-16",         "UTF-16LE", "UTF-16BE", "windows-949",
    "EUC-KR", "ks_c_5601-1987", "cp949",    "KSC_5601"};
// Declared charsets read as windows-1252, as browsers read them.
constexpr std::array<std::string_view, 2> kReadAsWindows1252 = {"ISO-8859-1", "US-ASCII"};

template <size_t N>
bool NamesOneOf(const std::string& converter, const std::array<std::string_view, N>& aliases) {
    return std::any_of(aliases.begin(), aliases.end(), [&converter](std::string_view alias) {
        return ConverterName(alias) == converter;
    });
}

DecodingPlan BuiltIn(TextEncoding encoding, size_t markSize = 0) {
    return {std::string(EncodingName(encoding)), encoding, markSize};
}

// A byte-order mark of the encoding chosen is left out; any other is read as text.
std::optional<DecodingPlan> PlanChosen(std::span<const uint8_t> bytes, std::string_view chosen) {
    if (const std::optional<TextEncoding> encoding = BuiltInByName(chosen)) {
        const std::optional<EncodingChoice> marked = EncodingByMark(bytes);
        const bool ownMark = marked && marked->encoding == *encoding;
        return BuiltIn(*encoding, ownMark ? marked->markSize : 0);
    }
    if (chosen == kJohab || (!chosen.empty() && !ConverterName(chosen).empty())) {
        const size_t markSize = Utf32ByMark(bytes) == chosen ? kUtf32MarkSize : 0;
        return DecodingPlan{std::string(chosen), std::nullopt, markSize};
    }
    return std::nullopt;
}

// The page's own charset, when it names one that is not read as the bytes decide.
std::optional<DecodingPlan> PlanDeclared(std::span<const uint8_t> bytes) {
    std::string declared = DeclaredCharset(bytes);
    const std::string converter = ConverterName(declared);
    if (converter.empty() || NamesOneOf(converter, kReadAsUndeclared)) {
        return std::nullopt;
    }
    if (NamesOneOf(converter, kReadAsWindows1252)) {
        return DecodingPlan{std::string(kWindows1252), std::nullopt, 0};
    }
    return DecodingPlan{std::move(declared), std::nullopt, 0};
}

DecodingPlan PlanByEvidence(std::span<const uint8_t> bytes, bool asHtml) {
    // Before UTF-16's marks: UTF-32LE's begins with one.
    if (const std::string_view utf32 = Utf32ByMark(bytes); !utf32.empty()) {
        return DecodingPlan{std::string(utf32), std::nullopt, kUtf32MarkSize};
    }
    if (const std::optional<EncodingChoice> marked = EncodingByMark(bytes)) {
        return BuiltIn(marked->encoding, marked->markSize);
    }
    if (const std::optional<TextEncoding> utf16 = Utf16ByZeroBytes(bytes)) {
        return BuiltIn(*utf16);
    }
    if (HasIso2022KrDesignator(bytes)) {
        return DecodingPlan{std::string(kIso2022Kr), std::nullopt, 0};
    }
    if (!asHtml) {
        return {};
    }
    const TextEncoding detected = DetectEncoding(bytes).encoding;
    if (detected == TextEncoding::CodePage949) {
        if (std::optional<DecodingPlan> declared = PlanDeclared(bytes)) {
            return *declared;
        }
    }
    return BuiltIn(detected);
}

}  // namespace

std::string_view EncodingName(TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf8:
            return "UTF-8";
        case TextEncoding::Utf16Le:
            return "UTF-16LE";
        case TextEncoding::Utf16Be:
            return "UTF-16BE";
        case TextEncoding::CodePage949:
            break;
    }
    return "windows-949";
}

std::optional<TextEncoding> BuiltInByName(std::string_view name) {
    for (const TextEncoding encoding : {TextEncoding::CodePage949, TextEncoding::Utf8,
                                        TextEncoding::Utf16Le, TextEncoding::Utf16Be}) {
        if (EncodingName(encoding) == name) {
            return encoding;
        }
    }
    return std::nullopt;
}

DecodingPlan PlanDecoding(std::span<const uint8_t> bytes, bool asHtml, std::string_view chosen) {
    if (std::optional<DecodingPlan> plan = PlanChosen(bytes, chosen)) {
        return *plan;
    }
    return PlanByEvidence(bytes, asHtml);
}

}  // namespace sorna
