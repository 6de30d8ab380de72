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

// Long enough that kills often land inside the write of the file.
std::u16string TextOfGeneration(uint32_t generation) {
    return std::u16string(30000, static_cast<char16_t>(u'가' + generation % 10));
}

// Saves generation after generation until it is killed. The parent judges what reached the file;
// the child has no test to fail.
[[noreturn]] void SaveForever(const std::filesystem::path& folder) {
    LoadRegistry(folder);
    auto key = RegistryKey::Create(HKEY_CURRENT_USER, kKey);
    for (uint32_t generation = 1;; ++generation) {
        static_cast<void>(key->SetDword(u"generation", generation));
        static_cast<void>(key->SetString(u"text", TextOfGeneration(generation)));
        static_cast<void>(FlushRegistry(HKEY_CURRENT_USER));
    }
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
        // One save's file, whole: the text of the generation it names, nothing kept as unreadable.
        LoadRegistry(folder.Path());
        const auto key = RegistryKey::Open(HKEY_CURRENT_USER, kKey, RegistryAccess::Read);
        const auto generation = key ? key->QueryDword(u"generation") : std::nullopt;
        ASSERT_TRUE(generation);
        ASSERT_EQ(key->QueryString(u"text"), TextOfGeneration(*generation));
        ASSERT_FALSE(std::filesystem::exists(folder.Path("user.reg.bad")));
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
