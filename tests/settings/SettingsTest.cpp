#include "settings/Settings.h"

#include <gtest/gtest.h>

#include "platform/registry/Registry.h"
#include "tests/platform/RegistryTestFolder.h"
#include "tests/settings/LoadedSettings.h"

namespace sorna {
namespace {

// The file of a first save is compared whole: it pins every value name (spelling included),
// type, default and the order of writing.
TEST(Settings, AFirstStartHasTheDefaultsAndItsFirstSaveWritesEveryValue) {
    RegistryTestFolder folder;
    const Settings settings = LoadedSettings();
    EXPECT_EQ(settings, Settings());

    settings.SaveSettings();
    EXPECT_EQ(RegistryTestFolder::ReadFile(folder.UserFile()),
              RegistryTestFolder::ReadFile(SORNA_TEST_DATA_DIR "/FirstSave.reg"));
}

TEST(Settings, EveryFieldComesBackFromTheFile) {
    RegistryTestFolder folder;
    Settings settings;
    settings.nLineSpace = -2;
    settings.nLRSpace = 10;
    settings.nTBSpace = 11;
    settings.nFontSize = 24;
    settings.nShareLine = 2;
    settings.bBold = 1;
    settings.bRotate = 1;
    settings.bRemoveLineStartSpace = 0;
    settings.bUseEngDic = 1;
    settings.clrText = 0x00123456;
    settings.clrBkgnd = 0xFFEEDDCC;
    settings.bSearchIgnoreCase = 1;
    settings.bFullscreen = 1;
    settings.bLeftScroolbar = 1;
    settings.bShowProgress = 1;
    settings.bSmoothScroll = 1;
    settings.keyFunctions = {1, 2, 3, 11, 12, -1};
    settings.keyCodes = {0xCF, 0xC1, 0xC1, 0, 0xCD, 0xCE};
    settings.nAutoScrollSpeed = 35;
    settings.sFontFaceName = u"나눔고딕";
    settings.sEngDicPath = u"/usr/bin/\"dict\" \\ 사전";
    settings.recentFiles.RememberFile(u"/books/B.txt", -1);
    settings.recentFiles.RememberFile(u"/books/한국어 😀.txt", 123456);
    settings.bookmarks.AddBookmark(u"/books/B.txt", 5, std::u16string(u"잘린 😀", 4));
    settings.bookmarks.AddBookmark(u"/books/B.txt", 5, u"line\nfeed");
    settings.recentSearches.RememberSearch(u"\"quoted\"");
    settings.recentSearches.RememberSearch(u"사랑");
    settings.SaveSettings();

    LoadRegistry(folder.Path());
    EXPECT_EQ(LoadedSettings(), settings);
    // A position of -1 is stored with the same bits.
    EXPECT_EQ(SettingsKey().QueryDword(u"RFPOS01"), 0xFFFFFFFFu);
}

TEST(Settings, HandEditedValuesAreTakenUncheckedUnlessTheyAreNoDword) {
    RegistryTestFolder folder;
    folder.WriteUserFile(
        "Windows Registry Editor Version 5.00\n"
        "[HKEY_CURRENT_USER\\SOFTWARE\\QARVEN\\SORNA]\n"
        "\"bShowProgress\"=dword:00000001\n"
        "\"bBold\"=dword:00000005\n"
        "\"nFontSize\"=dword:ffffffff\n"
        "\"nLineSpace\"=\"twenty\"\n"
        "\"nLRSpace\"=hex(4):09,00\n"
        "\"ntbspace\"=hex:07,00,00,00\n"
        "\"sFontFaceName\"=\"\"\n"
        "\"sEngDicPath\"=hex(1):\n");
    const Settings settings = LoadedSettings();
    EXPECT_EQ(settings.bShowProgress, 1);
    EXPECT_EQ(settings.bBold, 5);
    EXPECT_EQ(settings.nFontSize, -1);
    EXPECT_EQ(settings.nLineSpace, 3);  // longer than a DWORD
    EXPECT_EQ(settings.nLRSpace, 4);    // shorter than a DWORD
    EXPECT_EQ(settings.nTBSpace, 7);    // any type of four bytes, any letter case
    EXPECT_EQ(settings.sFontFaceName, u"");
    EXPECT_EQ(settings.sEngDicPath, u"\\Program Files\\Lexo\\Lexo.exe");
}

TEST(Settings, LoadingStartsFromTheDefaultsEveryTime) {
    RegistryTestFolder folder;
    Settings settings;
    settings.nFontSize = 40;
    settings.sFontFaceName = u"";
    settings.keyCodes[0] = 0;
    settings.recentFiles.RememberFile(u"/books/A.txt", 1);
    settings.LoadSettings();
    EXPECT_EQ(settings, Settings());
}

}  // namespace
}  // namespace sorna
