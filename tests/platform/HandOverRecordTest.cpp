#include <gtest/gtest.h>

#include <vector>

#include "platform/HandOverRecord.h"

namespace sorna {
namespace {

using Bytes = std::vector<uint8_t>;
using Status = HandOverReader::Status;

void Feed(HandOverReader& reader, const Bytes& bytes) {
    reader.Append(bytes.data(), bytes.size());
}

TEST(HandOverRecord, CommandLineArrivesWholeHoweverItIsSplit) {
    const std::u16string commandLine = u"-p /books/소설 12.txt";
    ASSERT_EQ(commandLine.size(), 19u);
    Bytes stream = EncodeBringToFront();
    const Bytes record = EncodeCommandLine(commandLine);
    stream.insert(stream.end(), record.begin(), record.end());

    HandOverReader reader;
    HandOverRequest request;
    std::vector<HandOverRequest> requests;
    for (const uint8_t byte : stream) {
        reader.Append(&byte, 1);
        while (reader.Next(request) == Status::kRequest) {
            requests.push_back(request);
        }
    }
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].kind, HandOverKind::kBringToFront);
    EXPECT_EQ(requests[1].kind, HandOverKind::kCommandLine);
    EXPECT_EQ(requests[1].tag, 123456u);
    EXPECT_EQ(requests[1].byteCount, 40u);
    ASSERT_EQ(requests[1].data.size(), 40u);
    EXPECT_EQ(requests[1].data[0], '-');
    EXPECT_EQ(requests[1].data[1], 0);
    EXPECT_EQ(requests[1].data[38], 0);  // the terminating NUL is part of the record
    EXPECT_EQ(requests[1].data[39], 0);
    EXPECT_EQ(reader.Next(request), Status::kNeedMore);
}

TEST(HandOverRecord, EmptyCommandLineStillCarriesItsTerminator) {
    HandOverReader reader;
    Feed(reader, EncodeCommandLine(u""));
    HandOverRequest request;
    ASSERT_EQ(reader.Next(request), Status::kRequest);
    EXPECT_EQ(request.byteCount, 2u);
    EXPECT_EQ(request.data, (Bytes{0, 0}));
}

TEST(HandOverRecord, BadStreamsAreRefusedForGood) {
    HandOverRequest request;
    HandOverReader unknownKind;
    Feed(unknownKind, Bytes{7, 0, 0, 0});
    EXPECT_EQ(unknownKind.Next(request), Status::kMalformed);
    Feed(unknownKind, EncodeBringToFront());
    EXPECT_EQ(unknownKind.Next(request), Status::kMalformed);

    // A count past the limit is refused as soon as it is read, before any data is waited for.
    HandOverReader hugeCount;
    Feed(hugeCount, Bytes{2, 0, 0, 0, 0x40, 0xE2, 0x01, 0, 0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(hugeCount.Next(request), Status::kMalformed);

    HandOverReader atLimit;
    Feed(atLimit, Bytes{2, 0, 0, 0, 0x40, 0xE2, 0x01, 0});
    EXPECT_EQ(atLimit.Next(request), Status::kNeedMore);
    const uint32_t limit = kMaxHandOverBytes;
    const Bytes count{uint8_t(limit), uint8_t(limit >> 8), uint8_t(limit >> 16),
                      uint8_t(limit >> 24)};
    Feed(atLimit, count);
    EXPECT_EQ(atLimit.Next(request), Status::kNeedMore);
}

}  // namespace
}  // namespace sorna
