#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextBlock>
#include <utility>

#include "app/qt/AboutDialog.h"
#include "app/qt/LaunchDictionary.h"
#include "app/qt/LoadTextResource.h"
#include "tests/app/DialogControls.h"
#include "tests/app/ModalAnswer.h"
#include "tests/platform/TempFolder.h"

namespace sorna {
namespace {

using test::ControlOf;

TEST(AboutBox, ShowsNameVersionBuildDateAndTextMaximisedOverAFullScreenWindow) {
    QWidget owner;
    owner.showFullScreen();
    test::ModalAnswer<AboutDialog> close([](AboutDialog& about) {
        EXPECT_TRUE(about.windowState().testFlag(Qt::WindowMaximized));
        EXPECT_EQ(ControlOf<QLabel>(about, kIdAboutVersion).text(), QStringLiteral("Sorna 1.71"));
        const QString date = ControlOf<QLabel>(about, kIdAboutDate).text();
        const QRegularExpression pattern(
            QStringLiteral("^\\( [A-Z][a-z]{2} [ 1-3][0-9] 20[0-9]{2} \\)$"));
        EXPECT_TRUE(pattern.match(date).hasMatch()) << date.toStdString();
        // The stored CR LF pairs break the lines and leave no carriage return behind.
        const QTextDocument& text = *ControlOf<QPlainTextEdit>(about, kIdAboutText).document();
        EXPECT_TRUE(text.firstBlock().text().startsWith(QStringLiteral("Sorna는 긴 텍스트")));
        EXPECT_GT(text.blockCount(), 10);
        EXPECT_FALSE(text.toPlainText().contains(QLatin1Char('\r')));
        test::ClickButton(about, kIdOk);
    });
    RunAboutDialog(owner);
    EXPECT_TRUE(close.Answered());
}

TEST(LoadTextResource, FindsResourcesByNameAndLeavesTheControlWithoutOne) {
    QPlainTextEdit control(QStringLiteral("kept"));
    EXPECT_FALSE(LoadTextResource(control, u"NO_SUCH_TEXT", false));
    EXPECT_EQ(control.toPlainText(), QStringLiteral("kept"));
    EXPECT_TRUE(LoadTextResource(control, u"EMPTY_TEXT", false));
    EXPECT_EQ(control.toPlainText(), QString());
    EXPECT_TRUE(LoadTextResource(control, u"TAB_TEXT", true));
    EXPECT_EQ(control.toPlainText(), QStringLiteral("이름    값\n하나    1"));
}

// A folder, a missing file and a file that cannot be run are all a wrong path. Auto-scroll stops
// only for a program that is there.
TEST(LaunchDictionary, AWrongPathIsReported) {
    QWidget owner;
    owner.show();
    TempFolder folder;
    int autoScrollStops = 0;
    const std::pair<std::filesystem::path, int> wrongPaths[] = {
        {folder.Path(), 0}, {folder.Path("missing"), 0}, {folder.Write("notes.txt", "hi\n"), 1}};
    for (const auto& [wrong, stops] : wrongPaths) {
        test::SeenMessage seen;
        test::ModalAnswer<QMessageBox> answer(test::Press(QMessageBox::Ok, seen));
        LaunchDictionary(owner, TempFolder::Wide(wrong), u"hello", [&] { ++autoScrollStops; });
        EXPECT_EQ(seen.text,
                  QStringLiteral("사전(Lexo)이 설치되지 않았거나 경로가 바르지 않습니다."));
        EXPECT_EQ(seen.caption, QStringLiteral("Sorna"));
        EXPECT_EQ(autoScrollStops, stops);
    }
}

}  // namespace
}  // namespace sorna
