#include "document/NamedConverter.h"

#include <unicode/ucnv.h>

#include <memory>
#include <vector>

#include "document/Johab.h"

namespace sorna {
namespace {

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// An empty name would open ICU's default converter: it names none here.
Converter OpenConverter(std::string_view name) {
    if (name.empty()) {
        return nullptr;
    }
    const std::string terminated(name);
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open(terminated.c_str(), &status));
    return U_SUCCESS(status) ? std::move(converter) : nullptr;
}

// Bytes fed to the converter at a time when walking: its offsets count from each slice.
constexpr size_t kWalkSlice = size_t{64} << 10;

UnitsAndBytes WalkJohab(std::span<const uint8_t> bytes, size_t units) {
    UnitsAndBytes walked;
    while (walked.units < units && walked.bytes < bytes.size()) {
        walked.bytes += JohabCharacterLength(bytes.subspan(walked.bytes));
        ++walked.units;
    }
    return walked;
}

}  // namespace

std::string ConverterName(std::string_view alias) {
    const Converter converter = OpenConverter(alias);
    UErrorCode status = U_ZERO_ERROR;
    return converter ? ucnv_getName(converter.get(), &status) : "";
}

size_t DecodeWithConverter(std::string_view name, std::span<const uint8_t> bytes,
                           std::span<char16_t> out) {
    const Converter converter = OpenConverter(name);
    if (!converter) {
        return 0;
    }
    auto* source = reinterpret_cast<const char*>(bytes.data());
    char16_t* target = out.data();
    UErrorCode status = U_ZERO_ERROR;
    ucnv_toUnicode(converter.get(), &target, out.data() + out.size(), &source,
                   source + bytes.size(), nullptr, true, &status);
    return size_t(target - out.data());
}

// Each slice is decoded with the offsets of its units; a unit that comes of bytes held over from
// the slice before counts from the start of its own slice.
UnitsAndBytes WalkUnits(std::string_view name, std::span<const uint8_t> bytes, size_t units) {
    if (name == "Johab") {
        return WalkJohab(bytes, units);
    }
    const Converter converter = OpenConverter(name);
    UnitsAndBytes walked;
    std::vector<char16_t> room(2 * kWalkSlice + 16);
    std::vector<int32_t> offsets(room.size());
    for (size_t start = 0; converter && start < bytes.size() && walked.units < units;) {
        const size_t length = std::min(kWalkSlice, bytes.size() - start);
        auto* source = reinterpret_cast<const char*>(bytes.data() + start);
        char16_t* target = room.data();
        UErrorCode status = U_ZERO_ERROR;
        ucnv_toUnicode(converter.get(), &target, room.data() + room.size(), &source,
                       source + length, offsets.data(), start + length == bytes.size(), &status);
        const size_t written = size_t(target - room.data());
        if (walked.units + written > units) {
            walked.bytes = start + size_t(std::max(offsets[units - walked.units], 0));
            walked.units = units;
            return walked;
        }
        walked.units += written;
        start += length;
        walked.bytes = start;
    }
    return walked;
}

}  // namespace sorna
