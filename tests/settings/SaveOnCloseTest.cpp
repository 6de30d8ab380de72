#include <gtest/gtest.h>

#include "app/MainWindow.h"
#include "tests/platform/RegistryTestFolder.h"
#include "tests/settings/LoadedSettings.h"

namespace sorna {

TEST(SaveOnClose, ClosingTheWindowSavesTheSettings) {
    RegistryTestFolder folder;
    Settings settings;
    settings.nFontSize = 21;
    settings.recentFiles.RememberFile(u"/books/소설.txt", 1234);
    MainWindow window(settings);
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Sorna 1.71"));
    EXPECT_FALSE(std::filesystem::exists(folder.UserFile()));

    EXPECT_TRUE(window.close());
    LoadRegistry(folder.Path());
    EXPECT_EQ(LoadedSettings(), settings);
}

}  // namespace sorna
