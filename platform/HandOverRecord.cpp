#include "platform/HandOverRecord.h"

namespace sorna {
namespace {

constexpr size_t kNumberSize = 4;

void PutNumber(std::vector<uint8_t>& out, uint32_t value) {
    for (size_t i = 0; i < kNumberSize; ++i) {
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

void PutUnit(std::vector<uint8_t>& out, char16_t unit) {
    out.push_back(static_cast<uint8_t>(unit));
    out.push_back(static_cast<uint8_t>(unit >> 8));
}

}  // namespace

std::vector<uint8_t> EncodeBringToFront() {
    std::vector<uint8_t> out;
    PutNumber(out, static_cast<uint32_t>(HandOverKind::kBringToFront));
    return out;
}

std::vector<uint8_t> EncodeCommandLine(std::u16string_view commandLine) {
    const auto byteCount = static_cast<uint32_t>((commandLine.size() + 1) * 2);
    std::vector<uint8_t> out;
    out.reserve(3 * kNumberSize + byteCount);
    PutNumber(out, static_cast<uint32_t>(HandOverKind::kCommandLine));
    PutNumber(out, kHandOverTag);
    PutNumber(out, byteCount);
    for (const char16_t unit : commandLine) {
        PutUnit(out, unit);
    }
    PutUnit(out, u'\0');
    return out;
}

std::vector<uint8_t> EncodeAnswer(uint32_t result) {
    std::vector<uint8_t> out;
    PutNumber(out, result);
    return out;
}

std::u16string CommandLineOf(const HandOverRequest& request) {
    std::u16string text;
    for (size_t i = 0; i + 1 < request.data.size(); i += 2) {
        const auto unit = static_cast<char16_t>(request.data[i] | request.data[i + 1] << 8);
        if (unit == u'\0') {
            break;
        }
        text.push_back(unit);
    }
    return text;
}

void HandOverReader::Append(const uint8_t* bytes, size_t count) {
    received_ += count;
    if (received_ > kMaxHandOverBytes) {
        malformed_ = true;
        return;
    }
    // Dropped once here rather than with each request, which would cost a flood of small
    // requests the square of its size.
    buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(consumed_));
    consumed_ = 0;
    buffer_.insert(buffer_.end(), bytes, bytes + count);
}

std::optional<uint32_t> HandOverReader::PeekNumber(size_t index) const {
    const size_t offset = consumed_ + index * kNumberSize;
    if (buffer_.size() < offset + kNumberSize) {
        return std::nullopt;
    }
    uint32_t value = 0;
    for (size_t i = 0; i < kNumberSize; ++i) {
        value |= static_cast<uint32_t>(buffer_[offset + i]) << (8 * i);
    }
    return value;
}

HandOverReader::Status HandOverReader::Next(HandOverRequest& request) {
    if (malformed_) {
        return Status::kMalformed;
    }
    const std::optional<uint32_t> kind = PeekNumber(0);
    if (!kind) {
        return Status::kNeedMore;
    }
    switch (static_cast<HandOverKind>(*kind)) {
        case HandOverKind::kBringToFront:
            request = HandOverRequest{};
            Consume(kNumberSize);
            return Status::kRequest;
        case HandOverKind::kCommandLine:
            return NextCommandLine(request);
    }
    malformed_ = true;
    return Status::kMalformed;
}

HandOverReader::Status HandOverReader::NextCommandLine(HandOverRequest& request) {
    const std::optional<uint32_t> byteCount = PeekNumber(2);
    if (!byteCount) {
        return Status::kNeedMore;
    }
    if (*byteCount > kMaxHandOverBytes) {
        malformed_ = true;
        return Status::kMalformed;
    }
    const size_t headerSize = 3 * kNumberSize;
    if (buffer_.size() - consumed_ < headerSize + *byteCount) {
        return Status::kNeedMore;
    }
    request.kind = HandOverKind::kCommandLine;
    request.tag = *PeekNumber(1);
    request.byteCount = *byteCount;
    const auto dataBegin = buffer_.begin() + static_cast<std::ptrdiff_t>(consumed_ + headerSize);
    request.data.assign(dataBegin, dataBegin + *byteCount);
    Consume(headerSize + *byteCount);
    return Status::kRequest;
}

void HandOverReader::Consume(size_t count) {
    consumed_ += count;
}

}  // namespace sorna
