#include "platform/MappedFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
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

TEST(MappedFileTest, RefusesWhatCannotBeMappedWithoutBlocking) {
    TempFolder folder;
    MappedFile missing;
    EXPECT_FALSE(missing.Open(TempFolder::Wide(folder.Path("none.txt"))));
    MappedFile empty;
    ASSERT_TRUE(empty.Open(TempFolder::Wide(folder.Write("empty.txt", ""))));
    EXPECT_FALSE(empty.CreateMapping());
    MappedFile directory;
    ASSERT_TRUE(directory.Open(TempFolder::Wide(folder.Path(""))));
    EXPECT_FALSE(directory.CreateMapping());
    // A named pipe with no writer: opening must not wait for one.
    const auto pipe = folder.Path("pipe");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    MappedFile fifo;
    ASSERT_TRUE(fifo.Open(TempFolder::Wide(pipe)));
    EXPECT_FALSE(fifo.CreateMapping());
    MappedFile withNul;
    EXPECT_FALSE(withNul.Open(TempFolder::Wide(folder.Path("")) + std::u16string(1, u'\0')));
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
