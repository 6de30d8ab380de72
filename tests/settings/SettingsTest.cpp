#include "settings/Settings.h"

#include <gtest/gtest.h>

#include "platform/registry/Registry.h"
#include "settings/KeySlots.h"
#include "settings/NumberBox.h"
#include "tests/support/LoadedSettings.h"
#include "tests/support/RegistryTestFolder.h"

namespace sorna {
namespace {

const std::string kHeader =
    "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\SOFTWARE\\QARVEN\\SORNA]\n";

std::u16string PathOf(int n) {
    const std::string path = "/books/" + std::to_string(n) + ".txt";
    return {path.begin(), path.end()};
}

// A load starts from the defaults, whatever the settings held. The file of a first save is
// compared whole: it pins every value name (spelling included), type, default and the order of
// writing. Entries stored beyond their lists' counts (0, none being stored) are no entries: the
// save deletes them.
TEST(Settings, AFirstStartHasTheDefaultsAndItsFirstSaveWritesEveryValue) {
    RegistryTestFolder folder;
    folder.WriteUserFile(kHeader +
                         "\"RFNAME00\"=\"/a\"\n\"RFPOS00\"=dword:00000001\n\"RSEARCH00\"=\"a\"\n" +
                         "\"BMNAME00\"=\"/a\"\n\"BMPOS00\"=dword:00000001\n\"BMCMT00\"=\"a\"\n");
    Settings settings;
    settings.nFontSize = 40;
    settings.sFontFaceName = u"";
    settings.keyCodes[0] = 0;
    settings.recentFiles.RememberFile(u"/books/A.txt", 1);
    settings.LoadSettings();
    EXPECT_EQ(settings, Settings());

    settings.SaveSettings();
    EXPECT_EQ(TempFolder::ReadFile(folder.UserFile()),
              TempFolder::ReadFile(SORNA_TEST_DATA_DIR "/FirstSave.reg"));
}

TEST(Settings, HandEditedValuesStandUnlessTheyAreNoDwordOrSizesNoScreenCanUse) {
    RegistryTestFolder folder;
    folder.WriteUserFile(kHeader +
                         "\"bShowProgress\"=dword:00000001\n"
                         "\"bBold\"=dword:00000005\n"
                         "\"nLineSpace\"=\"twenty\"\n"
                         "\"nLRSpace\"=hex(4):09,00\n"
                         "\"ntbspace\"=hex:07,00,00,00\n"
                         "\"sFontFaceName\"=\"\"\n"
                         "\"sEngDicPath\"=hex(1):\n");
    const Settings settings = LoadedSettings();
    EXPECT_TRUE(settings.bShowProgress);
    EXPECT_TRUE(settings.bBold);        // any number but 0 sets a flag
    EXPECT_EQ(settings.nLineSpace, 3);  // longer than a DWORD
    EXPECT_EQ(settings.nLRSpace, 4);    // shorter than a DWORD
    EXPECT_EQ(settings.nTBSpace, 7);    // any type of four bytes, any letter case
    EXPECT_EQ(settings.sFontFaceName, u"");
    EXPECT_EQ(settings.sEngDicPath, u"goldendict");
    // What was no number gives way to the default, and the file it stood in is kept first.
    settings.SaveSettings();
    EXPECT_TRUE(std::filesystem::exists(folder.Path("user.reg.bad")));
    // A Windows path that stored settings may hold names no program here. A negative margin is
    // none, nor is a font of −1 pixels, and the file that held them is kept too.
    folder.WriteUserFile(kHeader + "\"sEngDicPath\"=\"\\\\Program Files\\\\Lexo\\\\Lexo.exe\"\n" +
                         "\"nTBSpace\"=dword:ffffffec\n\"nFontSize\"=dword:ffffffff\n");
    const Settings again = LoadedSettings();
    EXPECT_EQ(again.sEngDicPath, u"goldendict");
    EXPECT_EQ(again.nTBSpace, 0);
    EXPECT_EQ(again.nFontSize, 5);
    again.SaveSettings();
    EXPECT_TRUE(std::filesystem::exists(folder.Path("user.reg.1.bad")));
}

// Only stored entries below the count load (a hand-edited file may hold more), and only they are
// visited: a count edited far beyond them must not make the start read billions of values (an
// unmended loop does not finish within the test's time). Entries past a list's limit are not even
// held in memory. Entries without a path, or a bookmark without a label, are dropped.
TEST(SettingsLists, EntriesLoadWhereStoredBelowTheCount) {
    RegistryTestFolder folder;
    const std::string entries =
        "\"RFNAME00\"=\"/books/A.txt\"\n\"RFPOS00\"=dword:00000010\n"
        "\"rfname01\"=\"/books/B.txt\"\n"  // no position: 0
        "\"RFNAME02\"=\"\"\n"              // an empty path
        "\"RFPOS03\"=dword:00000011\n"     // no path at all
        "\"RFNAME04\"=hex(1):\n"           // no data
        "\"RFNAME1\"=\"/books/not an entry.txt\"\n"
        "\"RFNAME007\"=\"/books/not an entry either.txt\"\n"
        "\"RFNAME2147483646\"=\"/books/last.txt\"\n"
        "\"RFNAME2147483647\"=\"/books/beyond.txt\"\n"
        "\"BMNAME00\"=\"/books/D.txt\"\n\"BMPOS00\"=dword:00000003\n\"BMCMT00\"=\"kept\"\n"
        "\"BMNAME01\"=\"/books/A.txt\"\n\"BMCMT01\"=\"\"\n"
        "\"BMNAME02\"=\"\"\n\"BMCMT02\"=\"label\"\n"
        "\"BMNAME03\"=\"/books/B.txt\"\n"
        "\"RSEARCH00\"=\"first\"\n\"RSEARCH01\"=hex(1):\n\"RSEARCH02\"=\"third\"\n";
    const HistoryEntry a{u"/books/A.txt", 16, {}, {}};
    const HistoryEntry b{u"/books/B.txt", 0, {}, {}};
    const std::vector<HistoryEntry> none, kept = {{u"/books/D.txt", 3, u"kept", {}}};
    const std::vector<
        std::tuple<std::string, std::vector<HistoryEntry>, std::vector<std::u16string>>>
        cases = {
            {"00000000", {}, {}},
            {"ffffffff", {}, {}},
            {"80000000", {}, {}},
            {"00000002", {a, b}, {u"first"}},
            {"7fffffff", {a, b}, {u"first", u"third"}},
        };
    for (const auto& [count, files, searches] : cases) {
        folder.WriteUserFile(kHeader + entries + "\"nRecentFileCount\"=dword:" + count +
                             "\n\"nBookmarkCount\"=dword:" + count +
                             "\n\"nRecentSearchCount\"=dword:" + count + "\n");
        const Settings settings = LoadedSettings();
        EXPECT_EQ(settings.recentFiles.Entries(), files) << count;
        EXPECT_EQ(settings.recentSearches.Entries(), searches) << count;
        EXPECT_EQ(settings.bookmarks.Entries(), files.empty() ? none : kept) << count;
        EXPECT_FALSE(
            RegistryKey::Open(HKEY_CURRENT_USER, u"SOFTWARE\\QARVEN\\SORNA", RegistryAccess::Read)
                ->QueryValue(u"RFNAME2147483646"));
    }
}

// The lists load no more than their limit, however many entries a hand-edited file holds;
// bookmarks have none.
TEST(Settings, SavedSettingsComeBackFromTheFileButNoLongerListsThanTheirLimit) {
    RegistryTestFolder folder;
    Settings saved;
    saved.nLineSpace = 17;
    saved.clrBkgnd = 0xFFEEDDCC;
    saved.bSmoothScroll = true;
    saved.keyFunctions = {1, 2, 3, 11, 12, -1};
    saved.keyCodes = {0xCF, 0xC1, 0xC1, 0, 0xCD, 0xCE};
    saved.sFontFaceName = u"나눔고딕";
    saved.sEngDicPath = u"/usr/bin/\"dict\" \\ 사전";
    saved.bookmarks.AddBookmark(u"/books/B.txt", 5, std::u16string(u"잘린 😀", 4));
    saved.recentSearches.RememberSearch(u"\"quoted\"\nline");
    saved.recentFiles.RememberFile(u"/books/한국어 😀.txt", -1, u"Johab");
    for (int n = 0; n < 40; ++n) {
        saved.recentFiles.Append({PathOf(n), n, {}, {}});
        saved.recentSearches.Append(PathOf(n));
        saved.bookmarks.Append({PathOf(n), n, u"mark", {}});
    }
    saved.SaveSettings();
    Settings loaded = LoadedSettings();
    const auto& files = saved.recentFiles.Entries();
    EXPECT_EQ(loaded.recentFiles.Entries(),
              std::vector<HistoryEntry>(files.begin(), files.begin() + 30));
    const auto& searches = saved.recentSearches.Entries();
    EXPECT_EQ(loaded.recentSearches.Entries(),
              std::vector<std::u16string>(searches.begin(), searches.begin() + 20));
    loaded.recentFiles = saved.recentFiles;
    loaded.recentSearches = saved.recentSearches;
    EXPECT_EQ(loaded, saved);
}

// What the dialog's own tests cannot type: signs and numbers beyond 32 bits.
TEST(NumberBox, ReadsSignedNumbersAndStepsFromBeyondTheRange) {
    EXPECT_EQ(ParseNumberBox(u"-3"), -3);  // a stored negative margin shows and reads back
    EXPECT_EQ(ParseNumberBox(u"-2147483648"), -2147483647 - 1);
    for (const char16_t* notANumber : {u"-", u"2147483648", u"99999999999999999999", u"1-"}) {
        EXPECT_EQ(ParseNumberBox(notANumber), 0) << "for the text of a box";
    }
    EXPECT_EQ(StepNumberBox(-3, -1, {5, 40}), 5);
    EXPECT_EQ(StepNumberBox(2147483647, 1, {0, 20}), 20);
}

TEST(KeySlots, TheMainWindowClaimsTheCodesOfSlotsWithAFunction) {
    Settings settings;
    EXPECT_TRUE(SlotKeysToClaim(settings).empty());  // no slot carries a function by default
    settings.keyFunctions = {2, 0, 1, 99, 3, 4};
    // Slot 0 and slot 5 share a code; slot 2 holds a captured code away from its position;
    // slot 3's function is outside the table and slot 4's code outside the hardware range.
    settings.keyCodes = {0xC1, 0xC2, 0xCA, 0xC4, 0x41, 0xC1};
    EXPECT_EQ(SlotKeysToClaim(settings), (std::vector<uint32_t>{0xC1, 0xCA}));
}

}  // namespace
}  // namespace sorna
