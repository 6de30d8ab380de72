#include "document/MarkupEncoding.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "document/DecodeUnits.h"
#include "document/EncodingEvidence.h"
#include "document/NamedConverter.h"
#include "document/TagAttribute.h"
#include "resources/Format.h"

namespace sorna {
namespace {

constexpr size_t kUtf32MarkSize = 4;
// The declaration stands at the very start; this is more than any real one needs.
constexpr size_t kDeclarationBytes = 1024;

constexpr std::array<std::string_view, 5> kCodePage949Names = {"windows-949", "EUC-KR", "cp949",
                                                               "ks_c_5601-1987", "KSC_5601"};

// The encoding named by an XML declaration ("<?xml version='1.0' encoding='EUC-KR'?>"), as
// written; empty when there is none.
std::string DeclaredXmlEncoding(std::span<const uint8_t> bytes) {
    const std::string_view head(reinterpret_cast<const char*>(bytes.data()),
                                std::min(bytes.size(), kDeclarationBytes));
    const size_t end = head.find("?>");
    if (!head.starts_with("<?xml") || end == std::string_view::npos) {
        return {};
    }
    const std::u16string declaration = Widen(head.substr(0, end));
    return Narrow(TagAttribute(declaration, "encoding").value_or(u""));
}

DecodingPlan PlanDeclared(std::string_view declared) {
    const std::string converter = ConverterName(declared);
    const bool isCodePage949 =
        !converter.empty() && std::any_of(kCodePage949Names.begin(), kCodePage949Names.end(),
                                          [&converter](std::string_view name) {
                                              return ConverterName(name) == converter;
                                          });
    if (isCodePage949) {
        return {std::string(EncodingName(TextEncoding::CodePage949)), TextEncoding::CodePage949};
    }
    // UTF-16 without a mark was already found by its zero bytes: a declaration alone is not
    // enough to read every other byte as zero.
    if (converter.empty() || converter == ConverterName("UTF-8") ||
        converter.starts_with("UTF-16")) {
        return {std::string(EncodingName(TextEncoding::Utf8)), TextEncoding::Utf8};
    }
    return {std::string(declared), std::nullopt};
}

}  // namespace

DecodingPlan PlanMarkupDecoding(std::span<const uint8_t> bytes) {
    if (const std::string_view utf32 = Utf32ByMark(bytes); !utf32.empty()) {
        return {std::string(utf32), std::nullopt, kUtf32MarkSize};
    }
    if (const std::optional<EncodingChoice> marked = EncodingByMark(bytes)) {
        return {std::string(EncodingName(marked->encoding)), marked->encoding, marked->markSize};
    }
    if (const std::optional<TextEncoding> utf16 = Utf16ByZeroBytes(bytes)) {
        return {std::string(EncodingName(*utf16)), *utf16};
    }
    return PlanDeclared(DeclaredXmlEncoding(bytes));
}

std::u16string DecodeMarkup(std::span<const uint8_t> bytes) {
    const DecodingPlan plan = PlanMarkupDecoding(bytes);
    const std::span<const uint8_t> body = bytes.subspan(plan.markSize);
    std::u16string text(body.size(), u'\0');
    const size_t length = plan.builtIn ? DecodeUnits(*plan.builtIn, body, text).written
                                       : DecodeWithConverter(plan.name, body, text);
    text.resize(length);
    return text;
}

}  // namespace sorna
