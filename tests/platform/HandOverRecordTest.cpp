#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/HandOverRecord.h"

namespace sorna {
namespace {

using Bytes = std::vector<uint8_t>;
using Status = HandOverReader::Status;

// Malformed streams are refused by the single-instance test with a real client.

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
    ASSERT_EQ(requests[1].data.size(), 40u);  // 19 code units and the NUL
    EXPECT_EQ(std::memcmp(requests[1].data.data(), line.c_str(), 40), 0);
    EXPECT_EQ(requests[2].data, (Bytes{0, 0}));  // the NUL travels with every command line
}

}  // namespace
}  // namespace sorna
