#include "platform/Registry.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include "tests/platform/RegistryTestFolder.h"

namespace sorna {
namespace {

constexpr std::u16string_view kKey = u"SOFTWARE\\QARVEN\\SORNA";

std::vector<uint8_t> Bytes(std::initializer_list<uint8_t> bytes) {
    return bytes;
}

TEST(Registry, KeysOpenOnlyOnceCreatedAndIgnoreLetterCase) {
    RegistryTestFolder folder;
    EXPECT_FALSE(RegistryKey::Open(HKEY_CURRENT_USER, kKey, RegistryAccess::Read));
    ASSERT_TRUE(RegistryKey::Create(HKEY_CURRENT_USER, kKey));
    EXPECT_TRUE(RegistryKey::Open(HKEY_CURRENT_USER, u"software\\Qarven", RegistryAccess::Read));
    EXPECT_TRUE(RegistryKey::Open(HKEY_CURRENT_USER, u"\\SOFTWARE\\\\qarven\\sorna\\",
                                  RegistryAccess::Read));
    // The roots are separate trees, and the empty path is the root itself.
    EXPECT_FALSE(RegistryKey::Open(HKEY_LOCAL_MACHINE, kKey, RegistryAccess::Read));
    EXPECT_TRUE(RegistryKey::Open(HKEY_LOCAL_MACHINE, u"", RegistryAccess::Read));
    // A name the file could not carry is refused rather than stored damaged.
    EXPECT_FALSE(RegistryKey::Create(HKEY_CURRENT_USER, u"SOFTWARE\\line\nbreak"));
    EXPECT_FALSE(RegistryKey::Create(HKEY_CURRENT_USER, std::u16string(u"lone") + u'\xD800'));
}

TEST(Registry, ValueNamesIgnoreLetterCaseAndKeepTheirFirstSpelling) {
    RegistryTestFolder folder;
    auto key = RegistryKey::Create(HKEY_CURRENT_USER, kKey);
    ASSERT_TRUE(key);
    EXPECT_TRUE(key->SetDword(u"nFontSize", 15));
    EXPECT_TRUE(key->SetString(u"sFontFaceName", u"굴림"));
    EXPECT_TRUE(key->SetDword(u"NFONTSIZE", 20));
    EXPECT_EQ(key->QueryDword(u"nfontsize"), 20u);
    EXPECT_EQ(key->ValueNames(), (std::vector<std::u16string>{u"nFontSize", u"sFontFaceName"}));

    EXPECT_TRUE(key->DeleteValue(u"NFontSize"));
    EXPECT_FALSE(key->DeleteValue(u"nFontSize"));
    EXPECT_EQ(key->ValueNames(), (std::vector<std::u16string>{u"sFontFaceName"}));
    // Hangul has no case; other scripts fold like Latin.
    EXPECT_TRUE(key->SetDword(u"ΣΟΡΝΑ", 1));
    EXPECT_EQ(key->QueryDword(u"σορνα"), 1u);
}

TEST(Registry, ReadOnlyAndClosedKeysRefuseChanges) {
    RegistryTestFolder folder;
    ASSERT_TRUE(RegistryKey::Create(HKEY_LOCAL_MACHINE, u"ControlPanel\\Backlight")
                    ->SetDword(u"ACTimeout", 60));
    auto reader =
        RegistryKey::Open(HKEY_LOCAL_MACHINE, u"ControlPanel\\Backlight", RegistryAccess::Read);
    ASSERT_TRUE(reader);
    EXPECT_FALSE(reader->SetDword(u"ACTimeout", 0));
    EXPECT_EQ(reader->QueryDword(u"ACTimeout"), 60u);

    auto writer =
        RegistryKey::Open(HKEY_LOCAL_MACHINE, u"ControlPanel\\Backlight", RegistryAccess::Write);
    ASSERT_TRUE(writer);
    writer->Close();
    EXPECT_FALSE(writer->SetDword(u"ACTimeout", 0));
    EXPECT_FALSE(writer->QueryValue(u"ACTimeout"));
}

TEST(Registry, TypedReadsTakeOnlyWhatFits) {
    RegistryTestFolder folder;
    auto key = RegistryKey::Create(HKEY_CURRENT_USER, kKey);
    ASSERT_TRUE(key);
    // A DWORD read wants exactly four bytes and does not look at the type.
    key->SetValue(u"four", REG_SZ, Bytes({0x78, 0x56, 0x34, 0x12}));
    key->SetValue(u"three", REG_DWORD, Bytes({1, 2, 3}));
    key->SetValue(u"five", REG_DWORD, Bytes({1, 2, 3, 4, 5}));
    EXPECT_EQ(key->QueryDword(u"four"), 0x12345678u);
    EXPECT_FALSE(key->QueryDword(u"three"));
    EXPECT_FALSE(key->QueryDword(u"five"));

    // Strings end at their first NUL or with their data; no data at all is no string.
    key->SetValue(u"twoStrings", REG_SZ, Bytes({'a', 0, 0, 0, 'b', 0, 0, 0}));
    key->SetValue(u"unterminatedOdd", REG_BINARY, Bytes({'x', 0, 'y', 0, 'z'}));
    key->SetValue(u"noData", REG_SZ, {});
    key->SetString(u"empty", u"");
    EXPECT_EQ(key->QueryString(u"twoStrings"), u"a");
    EXPECT_EQ(key->QueryString(u"unterminatedOdd"), u"xy");
    EXPECT_FALSE(key->QueryString(u"noData"));
    EXPECT_EQ(key->QueryString(u"empty"), u"");
    EXPECT_EQ(key->QueryValue(u"empty")->data.size(), 2u);
}

TEST(Registry, FlushedValuesSurviveAReloadAndUnflushedOnesDoNot) {
    RegistryTestFolder folder;
    RegistryKey::Create(HKEY_CURRENT_USER, kKey)->SetDword(u"nLineSpace", 3);
    RegistryKey::Create(HKEY_LOCAL_MACHINE, u"")->SetDword(u"8192", 30);
    ASSERT_TRUE(FlushRegistry(HKEY_CURRENT_USER));
    auto key = RegistryKey::Open(HKEY_CURRENT_USER, kKey, RegistryAccess::Write);
    ASSERT_TRUE(key);
    key->SetDword(u"nLineSpace", 9);

    LoadRegistry(folder.Path());
    EXPECT_EQ(
        RegistryKey::Open(HKEY_CURRENT_USER, kKey, RegistryAccess::Read)->QueryDword(u"nLineSpace"),
        3u);
    EXPECT_FALSE(
        RegistryKey::Open(HKEY_LOCAL_MACHINE, u"", RegistryAccess::Read)->QueryValue(u"8192"));
    // A key opened before the reload reads the reloaded root.
    EXPECT_EQ(key->QueryDword(u"nLineSpace"), 3u);
}

TEST(Registry, FlushFailsWhereNoFileCanBeWritten) {
    RegistryTestFolder folder;
    const std::filesystem::path blocker = folder.Path() / "not-a-folder";
    std::ofstream(blocker) << "x";
    LoadRegistry(blocker);
    RegistryKey::Create(HKEY_CURRENT_USER, kKey)->SetDword(u"nLineSpace", 3);
    EXPECT_FALSE(FlushRegistry(HKEY_CURRENT_USER));
    EXPECT_EQ(RegistryTestFolder::ReadFile(blocker), "x");
}

class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedVariable() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(Registry, DefaultFolderFollowsXdgConfigHome) {
    ScopedVariable home("HOME", "/home/reader");
    {
        ScopedVariable config("XDG_CONFIG_HOME", "/tmp/config");
        EXPECT_EQ(DefaultRegistryFolder(), "/tmp/config/sorna");
    }
    {
        ScopedVariable config("XDG_CONFIG_HOME", "relative/config");
        EXPECT_EQ(DefaultRegistryFolder(), "/home/reader/.config/sorna");
    }
    ScopedVariable config("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(DefaultRegistryFolder(), "/home/reader/.config/sorna");
}

}  // namespace
}  // namespace sorna
