#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "platform/registry/Registry.h"
#include "tests/platform/RegistryTestFolder.h"

namespace sorna {
namespace {

constexpr std::u16string_view kKey = u"SOFTWARE\\QARVEN\\SORNA";
constexpr int kValueCount = 400;

std::u16string ValueName(int n) {
    const std::string name = "RFNAME" + std::to_string(n);
    return {name.begin(), name.end()};
}

// Saves generation after generation until it is killed; every value of one save carries the
// generation number, so a file mixing two saves shows.
[[noreturn]] void SaveForever(const std::filesystem::path& folder) {
    LoadRegistry(folder);
    for (uint32_t generation = 1;; ++generation) {
        // The parent judges what reached the file; the child has no test to fail.
        auto key = RegistryKey::Create(HKEY_CURRENT_USER, kKey);
        static_cast<void>(key->SetDword(u"generation", generation));
        for (int n = 0; n < kValueCount; ++n) {
            static_cast<void>(key->SetString(
                ValueName(n),
                u"/home/reader/책/" + std::u16string(60, u'가') +
                    std::u16string(1, static_cast<char16_t>(u'0' + generation % 10))));
        }
        static_cast<void>(FlushRegistry(HKEY_CURRENT_USER));
    }
}

// Every value of the file belongs to the generation it names.
void ExpectOneWholeGeneration(const std::filesystem::path& folder) {
    LoadRegistry(folder);
    auto key = RegistryKey::Open(HKEY_CURRENT_USER, kKey, RegistryAccess::Read);
    ASSERT_TRUE(key);
    const auto generation = key->QueryDword(u"generation");
    ASSERT_TRUE(generation);
    const char16_t mark = static_cast<char16_t>(u'0' + *generation % 10);
    ASSERT_EQ(key->ValueNames().size(), static_cast<size_t>(kValueCount + 1));
    for (int n = 0; n < kValueCount; ++n) {
        const auto path = key->QueryString(ValueName(n));
        ASSERT_TRUE(path);
        ASSERT_EQ(path->back(), mark) << "value " << n << " of generation " << *generation;
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "user.reg.bad"));
}

TEST(RegistryCrash, AProcessKilledWhileSavingLeavesAWholeFile) {
    RegistryTestFolder folder;
    std::mt19937 random(12345);
    pid_t child = 0;
    for (int round = 0; round < 12; ++round) {
        child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            SaveForever(folder.Path());
        }
        while (!std::filesystem::exists(folder.UserFile())) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        // A random moment in the child's stream of saves is the point of the wait.
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 40000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));
        ExpectOneWholeGeneration(folder.Path());
    }
    // The next save removes what killed writers left, but not a running writer's file.
    const auto ownedBy = [&](pid_t writer) {
        return folder.Write("user.reg.tmp-" + std::to_string(writer) + "-a1B2c3", "");
    };
    ownedBy(child);
    const std::filesystem::path running = ownedBy(::getpid());
    ASSERT_TRUE(FlushRegistry(HKEY_CURRENT_USER));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 2);
    EXPECT_TRUE(std::filesystem::exists(running));
}

}  // namespace
}  // namespace sorna
