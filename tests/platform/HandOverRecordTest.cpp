#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/HandOverRecord.h"

namespace sorna {
namespace {

using Bytes = std::vector<uint8_t>;
using Status = HandOverReader::Status;

void AppendNumber(Bytes& bytes, uint32_t number) {
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<uint8_t>(number >> shift));
    }
}

TEST(HandOverRecord, RequestsArriveWholeHoweverTheStreamIsSplit) {
    const std::u16string line = u"-p /books/소설 12.txt";
    Bytes stream = EncodeBringToFront();
    for (const std::u16string_view text : {std::u16string_view(line), std::u16string_view()}) {
        const Bytes record = EncodeCommandLine(text);
        stream.insert(stream.end(), record.begin(), record.end());
    }

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
    EXPECT_EQ(requests[1].tag, kHandOverTag);
    ASSERT_EQ(requests[1].byteCount, 40u);  // 19 code units and the NUL
    ASSERT_EQ(requests[1].data.size(), 40u);
    EXPECT_EQ(std::memcmp(requests[1].data.data(), line.c_str(), 40), 0);
    EXPECT_EQ(requests[2].data, (Bytes{0, 0}));  // the NUL travels with every command line
}

TEST(HandOverRecord, BadStreamsAreRefusedForGood) {
    HandOverRequest request;
    HandOverReader unknownKind;
    Bytes seven;
    AppendNumber(seven, 7);
    unknownKind.Append(seven.data(), seven.size());
    EXPECT_EQ(unknownKind.Next(request), Status::kMalformed);
    const Bytes front = EncodeBringToFront();
    unknownKind.Append(front.data(), front.size());
    EXPECT_EQ(unknownKind.Next(request), Status::kMalformed);

    // A count past the limit is refused as soon as it is read; one at the limit is waited for.
    for (const uint32_t count : {kMaxHandOverBytes + 1, kMaxHandOverBytes}) {
        Bytes header;
        for (const uint32_t number : {2u, kHandOverTag, count}) {
            AppendNumber(header, number);
        }
        HandOverReader reader;
        reader.Append(header.data(), header.size());
        EXPECT_EQ(reader.Next(request),
                  count > kMaxHandOverBytes ? Status::kMalformed : Status::kNeedMore);
    }
}

}  // namespace
}  // namespace sorna
