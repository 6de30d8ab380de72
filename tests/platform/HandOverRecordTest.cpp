#include <gtest/gtest.h>

#include <vector>

#include "platform/HandOverRecord.h"

namespace sorna {
namespace {

using Bytes = std::vector<uint8_t>;
using Status = HandOverReader::Status;

TEST(HandOverRecord, RequestsArriveWholeHoweverTheStreamIsSplit) {
    Bytes stream = EncodeBringToFront();
    const Bytes record = EncodeCommandLine(u"-p /books/소설 12.txt");  // 19 code units
    stream.insert(stream.end(), record.begin(), record.end());
    const Bytes empty = EncodeCommandLine(u"");
    stream.insert(stream.end(), empty.begin(), empty.end());

    HandOverReader reader;
    HandOverRequest request;
    std::vector<HandOverRequest> requests;
    for (const uint8_t byte : stream) {
        reader.Append(&byte, 1);
        while (reader.Next(request) == Status::kRequest) {
            requests.push_back(request);
        }
    }
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].kind, HandOverKind::kBringToFront);
    EXPECT_EQ(requests[1].byteCount, 40u);
    EXPECT_EQ(requests[1].data.size(), 40u);
    EXPECT_EQ(requests[2].data, (Bytes{0, 0}));  // the NUL travels with every command line
}

TEST(HandOverRecord, BadStreamsAreRefusedForGood) {
    HandOverRequest request;
    HandOverReader unknownKind;
    const Bytes seven{7, 0, 0, 0};
    unknownKind.Append(seven.data(), seven.size());
    EXPECT_EQ(unknownKind.Next(request), Status::kMalformed);
    const Bytes front = EncodeBringToFront();
    unknownKind.Append(front.data(), front.size());
    EXPECT_EQ(unknownKind.Next(request), Status::kMalformed);

    // A count past the limit is refused as soon as it is read; one at the limit is waited for.
    for (const uint32_t count : {kMaxHandOverBytes + 1, kMaxHandOverBytes}) {
        HandOverReader reader;
        const Bytes header{2,
                           0,
                           0,
                           0,
                           0x40,
                           0xE2,
                           0x01,
                           0,
                           uint8_t(count),
                           uint8_t(count >> 8),
                           uint8_t(count >> 16),
                           uint8_t(count >> 24)};
        reader.Append(header.data(), header.size());
        EXPECT_EQ(reader.Next(request),
                  count > kMaxHandOverBytes ? Status::kMalformed : Status::kNeedMore);
    }
}

}  // namespace
}  // namespace sorna
