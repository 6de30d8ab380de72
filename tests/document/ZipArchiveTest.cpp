#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "document/ZipArchive.h"
#include "tests/support/DocumentBytes.h"
#include "tests/support/TempFolder.h"

namespace sorna {
namespace {

// Each entry is named after the corpus file it holds; tests/support/MakeBooks.py makes the
// archives before these tests run.
const std::string kStored = "저장/ko-cp949-novel-01.txt";
const std::string kDeflated = "압축/en-gutenberg-03.txt";
constexpr uint64_t kEnough = uint64_t{1} << 30;

std::string Archive(std::string_view name) {
    return TempFolder::ReadFile(std::filesystem::path(SORNA_TEST_BOOKS_DIR) / name);
}

std::string Held(const std::string& entry) {
    return TempFolder::ReadFile(std::filesystem::path(SORNA_CORPUS_DIR) /
                                entry.substr(entry.find('/') + 1));
}

// The entry read whole, or what kept it from being read.
std::string ReadOrProblem(ZipArchive& archive, const std::string& entry) {
    ZipProblem problem = ZipProblem::None;
    const std::optional<std::vector<uint8_t>> bytes = archive.Read(entry, problem);
    if (!bytes) {
        return "problem " + std::to_string(static_cast<int>(problem));
    }
    return {bytes->begin(), bytes->end()};
}

const std::string kDamaged = "problem " + std::to_string(static_cast<int>(ZipProblem::Damaged));
const std::string kTooLarge = "problem " + std::to_string(static_cast<int>(ZipProblem::TooLarge));
const std::string kMissing = "problem " + std::to_string(static_cast<int>(ZipProblem::None));

TEST(ZipArchiveTest, EntriesReadWholeWhereverTheirSizesAndOffsetsAreKept) {
    // Sizes in the local headers, only in the directory after data descriptors, and in ZIP64
    // fields under a ZIP64 end record.
    for (const std::string_view name : {"zip-plain.zip", "zip-descriptors.zip", "zip-zip64.zip"}) {
        const std::string bytes = Archive(name);
        InflateAllowance allowance(kEnough);
        ZipArchive archive(test::Bytes(bytes), allowance);
        ASSERT_EQ(archive.OpenProblem(), ZipProblem::None) << name;
        EXPECT_EQ(archive.EntryCount(), 2) << name;
        for (const std::string& entry : {kStored, kDeflated}) {
            EXPECT_TRUE(archive.Has(entry)) << name;
            EXPECT_EQ(ReadOrProblem(archive, entry), Held(entry)) << name << " " << entry;
        }
        // A name is its exact bytes.
        for (const std::string& other : {std::string("저장"), std::string("저장/"),
                                         std::string("압축/EN-GUTENBERG-03.TXT"), kStored + '\0'}) {
            EXPECT_FALSE(archive.Has(other)) << name;
            EXPECT_EQ(ReadOrProblem(archive, other), kMissing) << name;
        }
    }
}

TEST(ZipArchiveTest, AnEntryThatDoesNotCheckIsDamagedWhileTheOtherStillReads) {
    const std::pair<std::string_view, std::string> damaged[] = {
        {"zip-bad-crc.zip", kDeflated},          {"zip-bad-stored-crc.zip", kStored},
        {"zip-bad-size-smaller.zip", kDeflated}, {"zip-bad-size-larger.zip", kDeflated},
        {"zip-bad-method.zip", kDeflated},       {"zip-bad-encrypted.zip", kDeflated},
        {"zip-bad-deflate.zip", kDeflated},      {"zip-bad-packed-short.zip", kDeflated},
    };
    for (const auto& [name, entry] : damaged) {
        const std::string bytes = Archive(name);
        InflateAllowance allowance(kEnough);
        ZipArchive archive(test::Bytes(bytes), allowance);
        ASSERT_EQ(archive.OpenProblem(), ZipProblem::None) << name;
        EXPECT_EQ(ReadOrProblem(archive, entry), kDamaged) << name;
        const std::string& other = entry == kStored ? kDeflated : kStored;
        EXPECT_EQ(ReadOrProblem(archive, other), Held(other)) << name;
    }
}

TEST(ZipArchiveTest, TheAllowanceCountsEveryByteThatComesOutWhateverTheSizesDeclared) {
    const std::string plain = Archive("zip-plain.zip");
    const uint64_t both = Held(kStored).size() + Held(kDeflated).size();
    for (const uint64_t room : {both, both - 1}) {
        // Shared by two archives over the same bytes, as a book's parts share it.
        InflateAllowance allowance(room);
        ZipArchive first(test::Bytes(plain), allowance);
        ZipArchive second(test::Bytes(plain), allowance);
        EXPECT_EQ(ReadOrProblem(first, kStored), Held(kStored));
        EXPECT_EQ(ReadOrProblem(second, kDeflated), room == both ? Held(kDeflated) : kTooLarge);
    }
    // 64 MiB of zeros that declare 1000 bytes: stopped by the allowance, or read to the end and
    // found to differ from what it declares.
    const std::string bomb = Archive("zip-bomb-lying.zip");
    for (const auto& [room, result] :
         {std::pair(uint64_t{4} << 20, kTooLarge), std::pair(uint64_t{65} << 20, kDamaged)}) {
        InflateAllowance allowance(room);
        ZipArchive archive(test::Bytes(bomb), allowance);
        EXPECT_EQ(ReadOrProblem(archive, "OEBPS/c0.xhtml"), result) << room;
    }
}

TEST(ZipArchiveTest, AnArchiveCutAnywhereIsDamaged) {
    for (const std::string_view name : {"zip-plain.zip", "zip-descriptors.zip", "zip-zip64.zip"}) {
        const std::string bytes = Archive(name);
        // Every place in the last KiB, which holds the directory and the end records, and a
        // place every 997 bytes before it.
        for (size_t cut = 0; cut < bytes.size(); cut += cut + 1024 < bytes.size() ? 997 : 1) {
            InflateAllowance allowance(kEnough);
            ZipArchive archive(test::Bytes(bytes).first(cut), allowance);
            EXPECT_EQ(archive.OpenProblem(), ZipProblem::Damaged) << name << " " << cut;
        }
    }
}

}  // namespace
}  // namespace sorna
