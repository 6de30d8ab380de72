// Writes the C++ source that defines kCodePage949Table (platform/CodePage949Table.h) from ICU's
// "windows-949" converter, so that the reader decodes code page 949 from constant tables and no
// start of it pays for asking ICU about every pair of bytes.
// Usage: make_code_page_949_table OUTPUT.cpp (the build runs it into platform/ of its tree)
#include <unicode/ucnv.h>
#include <unicode/uvernum.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>

#include "platform/CodePage949Table.h"

namespace sorna {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// The converter's output for one or two bytes converted on their own.
int32_t Convert(UConverter* converter, const uint8_t* bytes, int32_t count, char16_t (&out)[4]) {
    UErrorCode status = U_ZERO_ERROR;
    ucnv_reset(converter);
    return ucnv_toUChars(converter, out, 4, reinterpret_cast<const char*>(bytes), count, &status);
}

char16_t SingleEntry(UConverter* converter, uint8_t byte) {
    char16_t out[4] = {};
    return Convert(converter, &byte, 1, out) == 1 ? out[0] : kReplacement;
}

char16_t PairEntry(UConverter* converter, uint8_t lead, uint8_t next) {
    const uint8_t bytes[2] = {lead, next};
    char16_t out[4] = {};
    const int32_t length = Convert(converter, bytes, 2, out);
    if (length == 1 && out[0] != kReplacement) {
        return out[0];
    }
    const bool nextStartsAfresh = length != 1 || next < 0x80;
    return nextStartsAfresh ? 0 : kReplacement;
}

// Each byte and each pair of bytes as the converter decodes it on its own.
void Fill(CodePage949Table& table, UConverter* converter) {
    for (int byte = 0; byte < 256; ++byte) {
        table.single[byte] = SingleEntry(converter, static_cast<uint8_t>(byte));
    }
    for (int lead = kFirstLead949; lead <= kLastLead949; ++lead) {
        for (int next = 0; next < 256; ++next) {
            const uint8_t leadByte = static_cast<uint8_t>(lead);
            const uint8_t nextByte = static_cast<uint8_t>(next);
            table.pair[CodePage949Table::PairIndex(leadByte, nextByte)] =
                PairEntry(converter, leadByte, nextByte);
        }
    }
}

// A byte starts afresh when no lead byte takes it into a pair.
void MarkFreshStarts(CodePage949Table& table) {
    for (int next = 0; next < 256; ++next) {
        bool taken = false;
        for (int lead = kFirstLead949; lead <= kLastLead949; ++lead) {
            taken = taken || table.Pair(uint8_t(lead), uint8_t(next)) != 0;
        }
        table.startsAfresh[next] = !taken;
    }
}

std::string Literal(char16_t unit) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", unsigned(unit));
    return text;
}

std::string Literal(bool value) {
    return value ? "true" : "false";
}

// One array's values as the initializer of a std::array, sixteen to a line.
template <typename Array>
void WriteArray(std::ostream& out, const Array& values) {
    out << "    {{";
    for (size_t i = 0; i < values.size(); ++i) {
        out << (i % 16 == 0 ? "\n        " : " ") << Literal(values[i]) << ",";
    }
    out << "\n    }},\n";
}

std::string TableSource(const CodePage949Table& table) {
    std::ostringstream out;
    out << "// Made from ICU " << U_ICU_VERSION << "'s \"windows-949\" converter by\n"
        << "// tools/MakeCodePage949Table.cpp when the program is built; do not edit.\n"
        << "#include \"platform/CodePage949Table.h\"\n\n"
        << "namespace sorna {\n\n"
        << "constinit const CodePage949Table kCodePage949Table = {\n";
    WriteArray(out, table.single);
    WriteArray(out, table.pair);
    WriteArray(out, table.startsAfresh);
    out << "};\n\n}  // namespace sorna\n";
    return out.str();
}

}  // namespace
}  // namespace sorna

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.cpp\n", argv[0]);
        return 2;
    }
    UErrorCode status = U_ZERO_ERROR;
    const sorna::Converter converter(ucnv_open("windows-949", &status));
    if (U_FAILURE(status)) {
        std::fprintf(stderr, "ICU has no windows-949 converter: %s\n", u_errorName(status));
        return 1;
    }
    // Static: a few tens of kilobytes that the stack need not hold.
    static sorna::CodePage949Table table;
    sorna::Fill(table, converter.get());
    sorna::MarkFreshStarts(table);
    std::ofstream file(argv[1]);
    file << sorna::TableSource(table);
    file.close();
    if (file.fail()) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
