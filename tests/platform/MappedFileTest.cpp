#include "platform/MappedFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <numeric>
#include <string>

#include "tests/platform/TempFolder.h"

namespace sorna {
namespace {

TEST(MappedFileTest, MapsTheWholeFileUnderAKoreanName) {
    TempFolder folder;
    const std::string bytes = "first line\nsecond line\n";
    const auto path = TempFolder::Wide(folder.Write("한글 이름.txt", bytes));
    MappedFile file;
    ASSERT_TRUE(file.Open(path));
    ASSERT_TRUE(file.CreateMapping());
    EXPECT_EQ(file.Size(), bytes.size());
    ASSERT_TRUE(file.MapView());
    const auto mapped = file.Bytes();
    EXPECT_EQ(std::string(mapped.begin(), mapped.end()), bytes);
    EXPECT_FALSE(file.Faulted());
}

TEST(MappedFileTest, SurvivesTheFileShrinkingUnderTheView) {
    TempFolder folder;
    const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    const auto file = folder.Write("shrinking.txt", std::string(4 * page, 'x'));
    MappedFile mapped;
    ASSERT_TRUE(mapped.Open(TempFolder::Wide(file)));
    ASSERT_TRUE(mapped.CreateMapping());
    ASSERT_TRUE(mapped.MapView());
    ASSERT_EQ(truncate(file.c_str(), static_cast<off_t>(page)), 0);
    const auto bytes = mapped.Bytes();
    const size_t sum = std::accumulate(bytes.begin(), bytes.end(), size_t{0});
    EXPECT_TRUE(mapped.Faulted());
    // The page still in the file keeps its bytes; the rest reads as zeros.
    EXPECT_EQ(sum, page * 'x');
}

}  // namespace
}  // namespace sorna
