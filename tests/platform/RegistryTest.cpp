#include "platform/registry/Registry.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <random>
#include <thread>

#include "platform/TickCount.h"
#include "tests/support/RegistryTestFolder.h"

namespace sorna {
namespace {

using namespace std::literals;

constexpr std::u16string_view kKey = u"SOFTWARE\\QARVEN\\SORNA";

// A missing key throws, which fails the test.
RegistryKey UserKey(std::u16string_view path = kKey) {
    return RegistryKey::Open(HKEY_CURRENT_USER, path, RegistryAccess::Read).value();
}

std::vector<uint8_t> Utf16Data(std::u16string_view text) {
    std::vector<uint8_t> data;
    for (const char16_t unit : text) {
        data.insert(data.end(), {static_cast<uint8_t>(unit), static_cast<uint8_t>(unit >> 8)});
    }
    return data;
}

// "\name\name..." with depth names.
std::string KeyPath(int depth, const std::string& name) {
    std::string path;
    for (int level = 0; level < depth; ++level) {
        path += "\\" + name;
    }
    return path;
}

TEST(Registry, NamesIgnoreLetterCaseAndOnesTheFileCannotCarryAreRefused) {
    RegistryTestFolder folder;
    EXPECT_FALSE(RegistryKey::Open(HKEY_CURRENT_USER, kKey, RegistryAccess::Read));
    auto key = RegistryKey::Create(HKEY_CURRENT_USER, kKey);
    ASSERT_TRUE(key);
    EXPECT_TRUE(RegistryKey::Open(HKEY_CURRENT_USER, u"\\SOFTWARE\\\\qarven\\sorna\\",
                                  RegistryAccess::Read));
    // The roots are separate trees, and the empty path is the root itself.
    EXPECT_FALSE(RegistryKey::Open(HKEY_LOCAL_MACHINE, kKey, RegistryAccess::Read));
    EXPECT_TRUE(RegistryKey::Open(HKEY_LOCAL_MACHINE, u"", RegistryAccess::Read));
    // A name the file could not carry, or longer than its reading allows, is refused.
    for (const std::u16string& name :
         {u"line\nbreak"s, u"lone \xD800"s, std::u16string(256, u'k')}) {
        EXPECT_FALSE(RegistryKey::Create(HKEY_CURRENT_USER, name));
    }

    EXPECT_TRUE(key->SetDword(u"nFontSize", 15));
    EXPECT_TRUE(key->SetString(u"sFontFaceName", u"굴림"));
    EXPECT_TRUE(key->SetDword(u"NFONTSIZE", 20));
    EXPECT_EQ(key->QueryDword(u"nfontsize"), 20u);
    EXPECT_EQ(key->ValueNames(), (std::vector<std::u16string>{u"nFontSize", u"sFontFaceName"}));
    EXPECT_TRUE(key->DeleteValue(u"NFontSize"));
    EXPECT_FALSE(key->DeleteValue(u"nFontSize"));
    // Hangul has no case; other scripts fold like Latin.
    EXPECT_TRUE(key->SetDword(u"ΣΟΡΝΑ", 1));
    EXPECT_EQ(key->QueryDword(u"σορνα"), 1u);
}

// Nothing else in this program reads these variables, so they are not put back.
TEST(Registry, DefaultFolderWithoutAUsableXdgConfigHome) {
    ::setenv("HOME", "/home/reader", 1);
    ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
    EXPECT_EQ(DefaultRegistryFolder(), "/home/reader/.config/sorna");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(DefaultRegistryFolder(), "/home/reader/.config/sorna");
}

// What cannot be read is skipped; the file is kept before it is replaced, an earlier kept copy
// too.
TEST(RegistryFile, AHandEditedFileLoadsWhatCanBeReadAndIsKeptBeforeItIsReplaced) {
    RegistryTestFolder folder;
    folder.Write("user.reg.bad", "an earlier copy");
    // As deep and as long as a key may be.
    const std::string deepPath = KeyPath(512, std::string(255, 'k'));
    const std::string original =
        "\xEF\xBB\xBF"  // the mark some editors write first
        "Windows Registry Editor Version 5.00\r\n"
        "\r\n"
        "; edited by hand\r\n"
        "[HKEY_CURRENT_USER\\SOFTWARE\\QARVEN\\SORNA]\r\n"
        "\"nFontSize\"=dword:0000000F\r\n"
        "\"sFontFaceName\" = \"나눔고딕\"\r\n"
        "  \"bBold\"=DWORD:1  \r\n"
        "\"multi\"=hex(7):61,00,00,00,\\\r\n"
        "    62,00,00,00,\\\r\n"
        "  00,00\r\n"
        "\"nLRSpace\"=dword:123456789\n"  // too many digits
        "\"nTBSpace\"=\"unterminated\n"
        "\"bad escape\"=\"\\n\"\n"
        "\"broken\"=hex:01,02,\\\n"  // the next line is no byte list: it stays a line
        "\"nLineSpace\"=dword:00000011\n"
        "nonsense\n"
        "\"latin1\"=\"caf\xE9\"\n"              // not UTF-8
        "[HKEY_LOCAL_MACHINE\\ControlPanel]\n"  // another root: its values go nowhere
        "\"ACTimeout\"=dword:00000000\n"
        "[hkey_current_user\\software\\qarven]\r\n"
        "\"blob\"=hex:de,AD,be,ef\r\n"
        "[HKEY_CURRENT_USER" +
        deepPath + "]\r\n\"deep\"=dword:00000001\r\n[HKEY_CURRENT_USER" + KeyPath(513, "k") +
        "]\n\"deep\"=dword:00000001\n[HKEY_CURRENT_USER" + KeyPath(1, std::string(256, 'n')) +
        "]\n";  // deeper or longer than a key may be
    folder.WriteUserFile(original);
    const RegistryKey key = UserKey();
    EXPECT_EQ(key.ValueNames(), (std::vector<std::u16string>{u"nFontSize", u"sFontFaceName",
                                                             u"bBold", u"multi", u"nLineSpace"}));
    EXPECT_EQ(key.QueryDword(u"nFontSize"), 15u);
    EXPECT_EQ(key.QueryString(u"sFontFaceName"), u"나눔고딕");
    EXPECT_EQ(key.QueryDword(u"bBold"), 1u);
    EXPECT_EQ(key.QueryValue(u"multi"), (RegistryValue{7, {0x61, 0, 0, 0, 0x62, 0, 0, 0, 0, 0}}));
    EXPECT_EQ(key.QueryDword(u"nLineSpace"), 17u);
    EXPECT_EQ(UserKey(u"Software\\Qarven").QueryValue(u"blob"),
              (RegistryValue{REG_BINARY, {0xDE, 0xAD, 0xBE, 0xEF}}));
    EXPECT_EQ(UserKey(std::u16string(deepPath.begin(), deepPath.end())).QueryDword(u"deep"), 1u);
    for (const std::u16string& path : {u"ControlPanel"s, u"k"s, std::u16string(256, u'n')}) {
        EXPECT_FALSE(RegistryKey::Open(HKEY_CURRENT_USER, path, RegistryAccess::Read));
    }

    ASSERT_TRUE(FlushRegistry(HKEY_CURRENT_USER));
    EXPECT_EQ(TempFolder::ReadFile(folder.Path("user.reg.bad")), "an earlier copy");
    EXPECT_EQ(TempFolder::ReadFile(folder.Path("user.reg.1.bad")), original);
    // The replacement is UTF-8, not grown by the deep key, and reads cleanly, so the next save
    // keeps nothing more.
    const std::string written = TempFolder::ReadFile(folder.UserFile());
    EXPECT_TRUE(written.starts_with("Windows Registry Editor Version 5.00\n"));
    EXPECT_LT(written.size(), original.size());
    LoadRegistry(folder.Path());
    ASSERT_TRUE(FlushRegistry(HKEY_CURRENT_USER));

    // As the registry editor of Windows exports it: UTF-16LE, kept too when a unit is no character.
    for (const std::u16string_view lone : {u""sv, u"\"lone\"=\"\xD800\"\r\n"sv}) {
        EXPECT_FALSE(std::filesystem::exists(folder.Path("user.reg.2.bad")));
        const std::vector<uint8_t> units = Utf16Data(
            u"Windows Registry Editor Version 5.00\r\n[HKEY_CURRENT_USER]\r\n"
            u"\"face\"=\"나눔 😀\"\r\n" +
            std::u16string(lone));
        folder.WriteUserFile("\xFF\xFE" + std::string(units.begin(), units.end()));
        EXPECT_EQ(UserKey(u"").QueryString(u"face"), u"나눔 😀");
        ASSERT_TRUE(FlushRegistry(HKEY_CURRENT_USER));
    }
    EXPECT_TRUE(std::filesystem::exists(folder.Path("user.reg.2.bad")));
}

// What the first reader does not want is never held; a byte list's further lines go with it.
TEST(RegistryFile, UnwantedValuesArePassedOverAsTheFileIsRead) {
    RegistryTestFolder folder;
    folder.WriteUserFile(
        "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\k]\n"
        "\"a\"=hex:01,\\\n  02\n\"b\"=dword:00000001\n");
    ReadRegistryRoot(HKEY_CURRENT_USER, [](auto keyPath, std::u16string_view name) {
        return keyPath.size() == 1 && name == u"a";
    });
    EXPECT_EQ(UserKey(u"k").ValueNames(), std::vector<std::u16string>{u"b"});
    ASSERT_TRUE(FlushRegistry(HKEY_CURRENT_USER));
    EXPECT_FALSE(std::filesystem::exists(folder.Path("user.reg.bad")));  // it read cleanly
}

TEST(RegistryFile, EveryValueRoundTripsExactly) {
    RegistryTestFolder folder;
    const std::vector<std::pair<std::u16string, RegistryValue>> values = {
        {u"korean", {REG_SZ, Utf16Data(u"가나다 똠방각하 😀𝄞\0"sv)}},
        {u"cut label", {REG_SZ, Utf16Data(u"책갈피 \xD83D\0"sv)}},  // a lone high surrogate
        {u"quotes \"and\" \\slashes\\", {REG_SZ, Utf16Data(u"\"C:\\\\dir\\\"\0"sv)}},
        {u"line feeds", {REG_SZ, Utf16Data(u"one\ntwo\r\n\0"sv)}},
        {u"empty", {REG_SZ, Utf16Data(u"\0"sv)}},
        {u"no data", {REG_SZ, {}}},
        {u"inner NUL", {REG_SZ, Utf16Data(u"a\0b\0"sv)}},
        {u"odd size", {REG_SZ, {'a', 0, 'b'}}},
        {u"all bits", {REG_DWORD, {0xFF, 0xFF, 0xFF, 0xFF}}},
        {u"binary", {REG_BINARY, std::vector<uint8_t>(300, 0xA5)}},
        {u"odd type", {0x12345678, {}}},
        {u"@", {REG_NONE, {0}}},
        {u"", {REG_SZ, Utf16Data(u"unnamed\0"sv)}},
    };
    const std::u16string oddKey = u"키 [with] brackets]";
    for (const std::u16string& path : {std::u16string(kKey), oddKey}) {
        for (const auto& [name, value] : values) {
            ASSERT_TRUE(RegistryKey::Create(HKEY_CURRENT_USER, path)
                            ->SetValue(name, value.type, value.data));
        }
    }
    // A key kept open across a reload reads the reloaded root, where only flushed values are.
    auto kept = RegistryKey::Create(HKEY_CURRENT_USER, kKey);
    ASSERT_TRUE(FlushRegistry(HKEY_CURRENT_USER));
    ASSERT_TRUE(kept->SetDword(u"unflushed", 1));
    LoadRegistry(folder.Path());
    EXPECT_FALSE(kept->QueryValue(u"unflushed"));

    for (const std::u16string& path : {std::u16string(kKey), oddKey}) {
        RegistryKey key = UserKey(path);
        std::vector<std::u16string> names;
        for (const auto& [name, value] : values) {
            EXPECT_EQ(key.QueryValue(name), value) << std::string(name.begin(), name.end());
            names.push_back(name);
        }
        EXPECT_EQ(key.ValueNames(), names);
    }
    // Strings end at their first NUL or with their data, whatever the type; no data is no string.
    EXPECT_EQ(kept->QueryString(u"inner NUL"), u"a");
    EXPECT_EQ(kept->QueryString(u"odd size"), u"a");
    EXPECT_EQ(kept->QueryString(u"@"), u"");
    EXPECT_FALSE(kept->QueryString(u"no data"));
    // Text that the file can hold literally stays readable; the rest falls back to bytes.
    const std::string text = TempFolder::ReadFile(folder.UserFile());
    EXPECT_NE(text.find("\"korean\"=\"가나다 똠방각하 😀𝄞\"\n"), std::string::npos);
    EXPECT_NE(text.find("\"cut label\"=hex(1):"), std::string::npos);
    EXPECT_NE(text.find("[HKEY_CURRENT_USER\\키 [with] brackets]]\n"), std::string::npos);
}

// No read may block or exhaust memory; the defaults stand and the file stays what it was.
TEST(RegistryFile, WhatIsNoSettingsFileIsReadAsEmptyAndNeverReplaced) {
    RegistryTestFolder folder;
    const std::filesystem::path file = folder.UserFile();
    const std::vector<std::function<void()>> makers = {
        [&] { std::filesystem::resize_file(folder.Write("user.reg", ""), (64 << 20) + 1); },
        [&] { ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0); },
        [&] { std::filesystem::create_symlink("/dev/zero", file); },
    };
    for (const auto& make : makers) {
        std::filesystem::remove(file);
        make();
        const std::filesystem::file_type type = std::filesystem::symlink_status(file).type();
        LoadRegistry(folder.Path());
        EXPECT_FALSE(RegistryKey::Open(HKEY_CURRENT_USER, kKey, RegistryAccess::Read));
        // Not through the link: a save that wrongly went ahead would replace the device itself.
        if (type != std::filesystem::file_type::symlink) {
            ASSERT_TRUE(RegistryKey::Create(HKEY_CURRENT_USER, kKey)->SetDword(u"nFontSize", 20));
            EXPECT_FALSE(FlushRegistry(HKEY_CURRENT_USER));
            EXPECT_EQ(std::filesystem::symlink_status(file).type(), type);
            EXPECT_FALSE(std::filesystem::exists(folder.Path("user.reg.bad")));
        }
    }
}

// As a dotfile manager links it: the links stay and what they lead to is replaced, kept first.
TEST(RegistryFile, ALinkedFileIsReplacedWhereItsLinksLead) {
    RegistryTestFolder folder;
    std::filesystem::create_directory(folder.Path("dotfiles"));
    const std::string original = "Windows Registry Editor Version 5.00\nnonsense\n";
    const std::filesystem::path target = folder.Write("dotfiles/sorna.reg", original);
    const auto permissions = std::filesystem::perms(0640);
    std::filesystem::permissions(target, permissions);
    std::filesystem::create_symlink("sorna.reg", folder.Path("dotfiles/link"));
    std::filesystem::create_symlink("dotfiles/link", folder.UserFile());
    LoadRegistry(folder.Path());
    ASSERT_TRUE(RegistryKey::Create(HKEY_CURRENT_USER, kKey)->SetDword(u"nFontSize", 20));
    ASSERT_TRUE(FlushRegistry(HKEY_CURRENT_USER));

    EXPECT_TRUE(std::filesystem::is_symlink(folder.UserFile()));
    EXPECT_EQ(std::filesystem::status(target).permissions(), permissions);
    EXPECT_EQ(TempFolder::ReadFile(folder.Path("user.reg.bad")), original);
    LoadRegistry(folder.Path());
    EXPECT_EQ(UserKey().QueryDword(u"nFontSize"), 20u);
}

// A missing folder is an empty root that the first flush creates; where no folder can be, the
// flush fails, and so does every flush of a root whose file is left alone.
TEST(RegistryFile, TheFirstFlushCreatesAMissingFolder) {
    RegistryTestFolder folder;
    const std::filesystem::path blocker = folder.Write("not-a-folder", "x");
    for (const std::filesystem::path& place : {folder.Path("config/sorna"), blocker}) {
        LoadRegistry(place);
        ASSERT_TRUE(RegistryKey::Create(HKEY_LOCAL_MACHINE, u"ControlPanel\\Backlight")
                        ->SetDword(u"ACTimeout", 0));
        EXPECT_EQ(FlushRegistry(HKEY_LOCAL_MACHINE), place != blocker);
    }
    EXPECT_TRUE(std::filesystem::exists(folder.Path("config/sorna/machine.reg")));
    EXPECT_EQ(TempFolder::ReadFile(blocker), "x");
    LoadRegistry(folder.Path("config/sorna"));
    LeaveRegistryFileAlone(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(RegistryKey::Create(HKEY_CURRENT_USER, kKey)->SetDword(u"nFontSize", 20));
    EXPECT_TRUE(FlushRegistry(HKEY_CURRENT_USER));
    EXPECT_FALSE(FlushRegistry(HKEY_LOCAL_MACHINE));
}

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
        // Polls for the child's first save, bounded by the test's time limit.
        while (!std::filesystem::exists(folder.UserFile())) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));  // fixed wait: poll step
        }
        // A random moment in the child's stream of saves is the point of the wait.
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 40000));  // fixed wait
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

// The clock that auto-scroll paces itself by.
TEST(TickCount, AdvancesInMilliseconds) {
    const uint32_t before = TickCount();
    // These 20 ms are the time the clock must count.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));  // fixed wait
    const uint32_t elapsed = TickCount() - before;
    EXPECT_GE(elapsed, 20u);
    EXPECT_LT(elapsed, 5000u);
}

}  // namespace
}  // namespace sorna
