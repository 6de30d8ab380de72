#include <gtest/gtest.h>

#include "platform/registry/Registry.h"
#include "settings/Settings.h"
#include "tests/platform/RegistryTestFolder.h"
#include "tests/settings/LoadedSettings.h"

namespace sorna {
namespace {

const std::string kHeader =
    "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\SOFTWARE\\QARVEN\\SORNA]\n";

std::u16string PathOf(int n) {
    const std::string path = "/books/" + std::to_string(n) + ".txt";
    return {path.begin(), path.end()};
}

TEST(SettingsLists, ACountOfZeroOrBelowLoadsNothing) {
    RegistryTestFolder folder;
    for (const char* count : {"00000000", "ffffffff", "80000000"}) {
        folder.WriteUserFile(kHeader + "\"nRecentFileCount\"=dword:" + count +
                             "\n\"RFNAME00\"=\"/books/A.txt\"\n\"RFPOS00\"=dword:00000010\n" +
                             "\"nRecentSearchCount\"=dword:" + count + "\n\"RSEARCH00\"=\"x\"\n");
        const Settings settings = LoadedSettings();
        EXPECT_TRUE(settings.recentFiles.Entries().empty()) << count;
        EXPECT_TRUE(settings.recentSearches.Entries().empty()) << count;
    }
}

// The values of the longer list stay in the file; only the stored count is read.
TEST(SettingsLists, AShrunkenListLoadsOnlyItsCount) {
    RegistryTestFolder folder;
    Settings settings;
    for (int n = 0; n < 5; ++n) {
        settings.recentFiles.RememberFile(PathOf(n), n);
    }
    settings.SaveSettings();
    settings.recentFiles.ClearRecentFiles();
    settings.recentFiles.RememberFile(PathOf(7), 70);
    settings.recentFiles.RememberFile(PathOf(8), 80);
    settings.SaveSettings();

    LoadRegistry(folder.Path());
    EXPECT_EQ(LoadedSettings().recentFiles.Entries(),
              (std::vector<HistoryEntry>{{PathOf(8), 80, {}}, {PathOf(7), 70, {}}}));
}

// A hand-edited file may hold any number; bookmarks have no limit.
TEST(SettingsLists, ListsLoadNoMoreThanTheirLimit) {
    RegistryTestFolder folder;
    Settings saved;
    for (int n = 0; n < 40; ++n) {
        saved.recentFiles.Append({PathOf(n), n, {}});
        saved.recentSearches.Append(PathOf(n));
        saved.bookmarks.Append({PathOf(n), n, u"mark"});
    }
    saved.SaveSettings();
    const Settings loaded = LoadedSettings();
    const auto& files = saved.recentFiles.Entries();
    EXPECT_EQ(loaded.recentFiles.Entries(),
              std::vector<HistoryEntry>(files.begin(), files.begin() + 30));
    const auto& searches = saved.recentSearches.Entries();
    EXPECT_EQ(loaded.recentSearches.Entries(),
              std::vector<std::u16string>(searches.begin(), searches.begin() + 20));
    EXPECT_EQ(loaded.bookmarks, saved.bookmarks);
}

TEST(SettingsLists, EntriesWithoutAPathOrLabelAreDropped) {
    RegistryTestFolder folder;
    folder.WriteUserFile(kHeader +
                         "\"nRecentFileCount\"=dword:00000004\n"
                         "\"RFNAME00\"=\"\"\n"              // empty path
                         "\"RFPOS01\"=dword:00000011\n"     // no path at all
                         "\"RFNAME02\"=\"/books/C.txt\"\n"  // no position: 0
                         "\"RFNAME03\"=hex(1):\n"           // no data
                         "\"nBookmarkCount\"=dword:00000004\n"
                         "\"BMNAME00\"=\"/books/A.txt\"\n\"BMPOS00\"=dword:00000001\n"
                         "\"BMCMT00\"=\"\"\n"
                         "\"BMNAME01\"=\"\"\n\"BMCMT01\"=\"label\"\n"
                         "\"BMNAME02\"=\"/books/B.txt\"\n\"BMPOS02\"=dword:00000002\n"
                         "\"BMNAME03\"=\"/books/D.txt\"\n\"BMPOS03\"=dword:00000003\n"
                         "\"BMCMT03\"=\"kept\"\n"
                         "\"nRecentSearchCount\"=dword:00000003\n"
                         "\"RSEARCH00\"=\"first\"\n\"RSEARCH02\"=\"third\"\n");
    const Settings settings = LoadedSettings();
    EXPECT_EQ(settings.recentFiles.Entries(),
              (std::vector<HistoryEntry>{{u"/books/C.txt", 0, {}}}));
    EXPECT_EQ(settings.bookmarks.Entries(),
              (std::vector<HistoryEntry>{{u"/books/D.txt", 3, u"kept"}}));
    EXPECT_EQ(settings.recentSearches.Entries(), (std::vector<std::u16string>{u"first", u"third"}));
}

// A count edited far beyond the stored entries must not make the start read billions of values:
// only the stored entries are visited (an unmended loop does not finish within the test's time).
TEST(SettingsLists, AHugeCountLoadsOnlyTheEntriesThatAreStored) {
    RegistryTestFolder folder;
    folder.WriteUserFile(kHeader +
                         "\"nRecentFileCount\"=dword:7fffffff\n"
                         "\"rfname01\"=\"/books/B.txt\"\n"
                         "\"RFNAME2147483646\"=\"/books/last.txt\"\n"
                         "\"RFNAME2147483647\"=\"/books/beyond.txt\"\n"
                         "\"RFNAME5\"=\"/books/not an entry.txt\"\n"
                         "\"RFNAME007\"=\"/books/not an entry either.txt\"\n"
                         "\"RFNAME00\"=\"/books/A.txt\"\n"
                         "\"nBookmarkCount\"=dword:7fffffff\n"
                         "\"BMNAME00\"=\"/books/A.txt\"\n\"BMCMT00\"=\"mark\"\n"
                         "\"nRecentSearchCount\"=dword:7fffffff\n"
                         "\"RSEARCH00\"=\"word\"\n");
    const Settings settings = LoadedSettings();
    EXPECT_EQ(
        settings.recentFiles.Entries(),
        (std::vector<HistoryEntry>{
            {u"/books/A.txt", 0, {}}, {u"/books/B.txt", 0, {}}, {u"/books/last.txt", 0, {}}}));
    EXPECT_EQ(settings.bookmarks.Entries().size(), 1u);
    EXPECT_EQ(settings.recentSearches.Entries(), (std::vector<std::u16string>{u"word"}));
}

}  // namespace
}  // namespace sorna
