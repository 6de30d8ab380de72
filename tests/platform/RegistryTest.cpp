#include "platform/registry/Registry.h"

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
    EXPECT_TRUE(RegistryKey::Open(HKEY_CURRENT_USER, u"\\SOFTWARE\\\\qarven\\sorna\\",
                                  RegistryAccess::Read));
    // The roots are separate trees, and the empty path is the root itself.
    EXPECT_FALSE(RegistryKey::Open(HKEY_LOCAL_MACHINE, kKey, RegistryAccess::Read));
    EXPECT_TRUE(RegistryKey::Open(HKEY_LOCAL_MACHINE, u"", RegistryAccess::Read));
    // A name the file could not carry is refused rather than stored damaged.
    EXPECT_FALSE(RegistryKey::Create(HKEY_CURRENT_USER, u"SOFTWARE\\line\nbreak"));
    EXPECT_FALSE(RegistryKey::Create(HKEY_CURRENT_USER, std::u16string(u"lone") + u'\xD800'));
    // Nor is one beyond the registry's limits, which the file's reading keeps as well.
    EXPECT_FALSE(RegistryKey::Create(HKEY_CURRENT_USER, std::u16string(256, u'k')));
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
    // Hangul has no case; other scripts fold like Latin.
    EXPECT_TRUE(key->SetDword(u"ΣΟΡΝΑ", 1));
    EXPECT_EQ(key->QueryDword(u"σορνα"), 1u);
}

// Strings end at their first NUL or with their data, whatever the type; no data is no string.
TEST(Registry, StringReadsTakeOnlyWhatFits) {
    RegistryTestFolder folder;
    auto key = RegistryKey::Create(HKEY_CURRENT_USER, kKey);
    ASSERT_TRUE(key);
    ASSERT_TRUE(key->SetValue(u"twoStrings", REG_SZ, Bytes({'a', 0, 0, 0, 'b', 0, 0, 0})));
    ASSERT_TRUE(key->SetValue(u"unterminatedOdd", REG_BINARY, Bytes({'x', 0, 'y', 0, 'z'})));
    ASSERT_TRUE(key->SetValue(u"noData", REG_SZ, {}));
    EXPECT_EQ(key->QueryString(u"twoStrings"), u"a");
    EXPECT_EQ(key->QueryString(u"unterminatedOdd"), u"xy");
    EXPECT_FALSE(key->QueryString(u"noData"));
}

// A key opened before a reload reads the reloaded root, where only flushed values are.
TEST(Registry, AKeyOpenedBeforeAReloadReadsTheReloadedRoot) {
    RegistryTestFolder folder;
    auto key = RegistryKey::Create(HKEY_CURRENT_USER, kKey);
    ASSERT_TRUE(key);
    ASSERT_TRUE(key->SetDword(u"nLineSpace", 3));
    ASSERT_TRUE(FlushRegistry(HKEY_CURRENT_USER));
    ASSERT_TRUE(key->SetDword(u"nLineSpace", 9));
    LoadRegistry(folder.Path());
    EXPECT_EQ(key->QueryDword(u"nLineSpace"), 3u);
}

TEST(Registry, FlushFailsWhereNoFileCanBeWritten) {
    RegistryTestFolder folder;
    const std::filesystem::path blocker = folder.Path() / "not-a-folder";
    std::ofstream(blocker) << "x";
    LoadRegistry(blocker);
    ASSERT_TRUE(RegistryKey::Create(HKEY_CURRENT_USER, kKey)->SetDword(u"nLineSpace", 3));
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

// A relative or missing XDG_CONFIG_HOME falls back to the home folder.
TEST(Registry, DefaultFolderWithoutAUsableXdgConfigHome) {
    ScopedVariable home("HOME", "/home/reader");
    for (const char* config : {"relative/config", static_cast<const char*>(nullptr)}) {
        ScopedVariable variable("XDG_CONFIG_HOME", config);
        EXPECT_EQ(DefaultRegistryFolder(), "/home/reader/.config/sorna");
    }
}

}  // namespace
}  // namespace sorna
