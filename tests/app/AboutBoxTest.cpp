#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>

#include "app/qt/AboutDialog.h"
#include "app/qt/PackagedResources.h"
#include "tests/app/DialogControls.h"
#include "tests/app/ModalAnswer.h"

namespace sorna {
namespace {

using test::ControlOf;
using test::ModalAnswer;

TEST(AboutBox, ShowsNameVersionBuildDateAndTheAboutText) {
    QWidget owner;
    owner.show();
    const AboutDialog about(owner);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("프로그램 정보"));
    EXPECT_EQ(ControlOf<QLabel>(about, kIdAboutVersion).text(), QStringLiteral("Sorna 1.71"));
    const QString date = ControlOf<QLabel>(about, kIdAboutDate).text();
    const QRegularExpression pattern(
        QStringLiteral("^\\( [A-Z][a-z]{2} [ 1-3][0-9] 20[0-9]{2} \\)$"));
    EXPECT_TRUE(pattern.match(date).hasMatch()) << date.toStdString();
    const auto& text = ControlOf<QPlainTextEdit>(about, kIdAboutText);
    EXPECT_TRUE(text.isReadOnly());
    // The stored CR LF pairs break the lines and leave no carriage return behind.
    const QTextDocument& document = *text.document();
    EXPECT_TRUE(document.firstBlock().text().startsWith(QStringLiteral("Sorna는 긴 텍스트")));
    EXPECT_GT(document.blockCount(), 10);
    EXPECT_FALSE(document.toPlainText().contains(QLatin1Char('\r')));
}

TEST(AboutBox, ClosesWithItsButtonAndOpensMaximisedOverAFullScreenWindow) {
    QWidget owner;
    owner.showFullScreen();
    ModalAnswer<AboutDialog> close([](AboutDialog& about) {
        EXPECT_TRUE(about.windowState().testFlag(Qt::WindowMaximized));
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

}  // namespace
}  // namespace sorna
