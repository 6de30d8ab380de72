#include <gtest/gtest.h>

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include "settings/qt/SettingsDialog.h"
#include "tests/support/DialogControls.h"
#include "tests/support/ModalAnswer.h"

namespace sorna {
namespace {

using test::ModalAnswer;
using test::Press;
using test::SeenMessage;

class SettingsDialogTest : public testing::Test {
protected:
    void SetUp() override { owner.show(); }

    template <typename Control>
    Control& Find(ControlId id) {
        return test::ControlOf<Control>(*dialog, id);
    }
    void Open() {
        dialog = std::make_unique<SettingsDialog>(owner, settings);
        dialog->show();
    }
    void Click(ControlId id) { test::ClickButton(*dialog, id); }
    void Type(ControlId id, const QString& text) {
        auto& box = Find<QLineEdit>(id);
        box.selectAll();
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClicks(&box, text);
    }
    void Arrow(ControlId id, const char* direction) {
        QTest::mouseClick(Find<QWidget>(id).findChild<QToolButton*>(direction), Qt::LeftButton);
    }
    QString Text(ControlId id) { return Find<QLineEdit>(id).text(); }
    QRgb SwatchColour(ControlId id) {
        auto& swatch = Find<QWidget>(id);
        return swatch.grab().toImage().pixel(swatch.rect().center());
    }
    // The boxes that a reset or a first start must show: numbers, a check box, a list, a colour.
    void ExpectDefaultsShown() {
        EXPECT_EQ(Text(kIdFontSize), QStringLiteral("15"));
        EXPECT_EQ(Text(kIdLineGap), QStringLiteral("3"));
        EXPECT_TRUE(Find<QCheckBox>(kIdNoLineStartSpace).isChecked());
        EXPECT_FALSE(Find<QCheckBox>(kIdSmoothScroll).isChecked());
        EXPECT_EQ(Find<QComboBox>(kIdAutoScrollSpeed).currentText(), QStringLiteral("100"));
        EXPECT_EQ(SwatchColour(kIdTextColour), qRgb(255, 255, 255));
    }

    QWidget owner;
    Settings settings;
    std::unique_ptr<SettingsDialog> dialog;
};

TEST_F(SettingsDialogTest, StoresWhatWasTypedWhileTheArrowsKeepToTheirRange) {
    Open();
    ExpectDefaultsShown();
    Type(kIdFontSize, QStringLiteral("9x9"));  // the box takes digits only
    EXPECT_EQ(Text(kIdFontSize), QStringLiteral("99"));
    Type(kIdTopBottomMargin, QString());
    Type(kIdSharedLines, QStringLiteral("38"));
    Arrow(kIdSharedLinesArrows, "up");  // 38 is beyond 0..9
    EXPECT_EQ(Text(kIdSharedLines), QStringLiteral("9"));
    Click(kIdSmoothScroll);
    Find<QComboBox>(kIdAutoScrollSpeed).setCurrentIndex(0);

    // Escape and the close button do nothing: OK is the only way out.
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    dialog->close();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(settings.nFontSize, 15);
    Click(kIdOk);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(settings.nFontSize, 99);
    EXPECT_EQ(settings.nTBSpace, 0);
    EXPECT_EQ(settings.nShareLine, 9);
    EXPECT_EQ(settings.bSmoothScroll, 1);
    EXPECT_EQ(settings.nAutoScrollSpeed, 20);
}

TEST_F(SettingsDialogTest, ListsWithoutAMatchKeepTheirStoredValue) {
    settings.nAutoScrollSpeed = 10;  // not "100", which merely begins with its digits
    settings.sFontFaceName = u"No Such Face";
    Open();
    EXPECT_EQ(Find<QComboBox>(kIdAutoScrollSpeed).currentIndex(), -1);
    EXPECT_EQ(Find<QComboBox>(kIdFontList).currentIndex(), -1);
    Click(kIdOk);
    EXPECT_EQ(settings.nAutoScrollSpeed, 10);
    EXPECT_EQ(settings.sFontFaceName, u"No Such Face");

    settings.sFontFaceName = u"nanumgothic";
    Open();
    EXPECT_EQ(Find<QComboBox>(kIdFontList).currentText(), QStringLiteral("NanumGothic"));
    Click(kIdOk);
    EXPECT_EQ(settings.sFontFaceName, u"NanumGothic");
}

TEST_F(SettingsDialogTest, ResetAsksAndThenRestoresEveryOptionButNotTheKeysOrLists) {
    settings.nFontSize = 30;
    settings.bSearchIgnoreCase = 1;
    settings.clrText = 0x0000FF;
    settings.keyCodes[0] = 0xCA;
    settings.recentSearches.RememberSearch(u"word");
    Open();
    SeenMessage seen;
    {
        ModalAnswer<QMessageBox> no(Press(QMessageBox::No, seen));
        Click(kIdReset);
    }
    EXPECT_EQ(seen.text, QStringLiteral("환경설정을 초기화 하시겠습니까?"));
    EXPECT_EQ(Text(kIdFontSize), QStringLiteral("30"));

    ModalAnswer<QMessageBox> yes(Press(QMessageBox::Yes, seen));
    Click(kIdReset);
    ExpectDefaultsShown();
    EXPECT_EQ(settings.bSearchIgnoreCase, 0);
    EXPECT_EQ(settings.keyCodes[0], 0xCA);
    EXPECT_EQ(settings.recentSearches.LatestSearch(), u"word");
}

TEST_F(SettingsDialogTest, AChosenColourIsStoredAtOnceAndACancelledOneNot) {
    Open();
    ModalAnswer<QColorDialog> cancel([](QColorDialog& chooser) {
        chooser.setCurrentColor(Qt::green);
        chooser.reject();
    });
    Click(kIdBackColour);
    EXPECT_EQ(settings.clrBkgnd, 0x000000u);

    ModalAnswer<QColorDialog> choose([](QColorDialog& chooser) {
        EXPECT_EQ(chooser.currentColor(), QColor(Qt::white));
        chooser.setCurrentColor(QColor(0x11, 0x22, 0x33));
        chooser.accept();
    });
    Click(kIdTextColour);
    EXPECT_EQ(settings.clrText, 0x332211u);
    EXPECT_EQ(SwatchColour(kIdTextColour), qRgb(0x11, 0x22, 0x33));
}

}  // namespace
}  // namespace sorna
