#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include "settings/qt/HardwareKeys.h"
#include "settings/qt/KeyCaptureDialog.h"
#include "settings/qt/KeyboardDialog.h"
#include "settings/qt/SettingsDialog.h"
#include "tests/support/DialogControls.h"
#include "tests/support/ModalAnswer.h"
#include "view/qt/ViewFont.h"

namespace sorna {
namespace {

using test::ModalAnswer;

template <typename Dialog>
class DialogTest : public testing::Test {
protected:
    // The dialog's own reset button.
    explicit DialogTest(ControlName resetButton) : resetButton_(resetButton) {}
    void SetUp() override { owner.show(); }

    void Open() {
        dialog = std::make_unique<Dialog>(owner, settings);
        dialog->show();
    }
    template <typename Control>
    Control& Find(ControlName name) {
        return test::ControlOf<Control>(*dialog, name);
    }
    void Click(ControlName name) { test::ClickButton(*dialog, name); }
    // Presses Reset and answers its question with `button`; returns the question.
    QString Reset(QMessageBox::StandardButton button) {
        test::SeenMessage seen;
        ModalAnswer<QMessageBox> answer(test::Press(button, seen));
        Click(resetButton_);
        return seen.text;
    }

    QWidget owner;
    Settings settings;
    std::unique_ptr<Dialog> dialog;

private:
    ControlName resetButton_;
};

class SettingsDialogTest : public DialogTest<SettingsDialog> {
protected:
    SettingsDialogTest() : DialogTest(control::kSettingsReset) {}
    void Type(ControlName name, const QString& text) {
        auto& box = Find<QLineEdit>(name);
        box.selectAll();
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClicks(&box, text);
    }
    QString Text(ControlName name) { return Find<QLineEdit>(name).text(); }
    QRgb SwatchColour(ControlName name) {
        auto& swatch = Find<QWidget>(name);
        return swatch.grab().toImage().pixel(swatch.rect().center());
    }
};

TEST_F(SettingsDialogTest, StoresWhatWasTypedAsFarAsItIsUsableWhileTheArrowsKeepToTheirRange) {
    settings.sFontFaceName = u"nanumgothic";  // an installed face in other letter case
    Open();
    auto& fonts = Find<QComboBox>(control::kFontList);
    EXPECT_EQ(fonts.currentText(), QStringLiteral("NanumGothic"));
    for (int i = 0; i < fonts.count(); ++i) {  // each family once, and each takes effect
        const QString family = fonts.itemText(i);
        const QFont font = MakeViewFont({family.toStdU16String(), 15, false, false});
        EXPECT_EQ(fonts.findText(family), i);
        EXPECT_EQ(QFontInfo(font).family().section(QStringLiteral(" ["), 0, 0), family);
    }
    // Faces without Hangul of their own are listed only once asked for; the choice stays.
    EXPECT_EQ(fonts.findText(QStringLiteral("DejaVu Serif")), -1);
    Click(control::kHangulFontsOnly);
    EXPECT_EQ(fonts.currentText(), QStringLiteral("NanumGothic"));
    fonts.setCurrentText(QStringLiteral("DejaVu Serif"));
    // The sample shows the face chosen.
    EXPECT_EQ(QFontInfo(Find<QLabel>(control::kFontPreview).font()).family(),
              QStringLiteral("DejaVu Serif"));
    Type(control::kFontSize, QStringLiteral("9x99"));  // the box takes digits only
    EXPECT_EQ(Text(control::kFontSize), QStringLiteral("999"));
    Type(control::kTopBottomMargin, QString());
    Type(control::kLeftRightMargin, QStringLiteral("9999"));  // a third of the screen's width
    Type(control::kSharedLines, QStringLiteral("38"));
    // 38 is beyond 0..9.
    QTest::mouseClick(Find<QWidget>(control::kSharedLinesArrows).findChild<QToolButton*>("up"),
                      Qt::LeftButton);
    EXPECT_EQ(Text(control::kSharedLines), QStringLiteral("9"));
    Click(control::kSmoothScroll);
    Find<QComboBox>(control::kAutoScrollSpeed).setCurrentIndex(0);

    // Escape leaves without storing the boxes; the caller takes back what changed at once.
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(settings.nFontSize, 15);
    dialog->show();
    Click(control::kOk);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(settings.nFontSize, 200);
    EXPECT_EQ(settings.nTBSpace, 0);
    EXPECT_EQ(settings.nLRSpace, dialog->screen()->size().width() / 3);
    EXPECT_EQ(settings.nShareLine, 9);
    EXPECT_TRUE(settings.bSmoothScroll);
    EXPECT_EQ(settings.nAutoScrollSpeed, 20);
    EXPECT_EQ(settings.sFontFaceName, u"DejaVu Serif");
}

// What the lists cannot show is kept: a face that is not installed, a speed that is not listed.
// The font list shows the Korean family that stands in for the face. Reset asks, then restores
// every option but the keys and the lists.
TEST_F(SettingsDialogTest, ColoursAreStoredAtOnceUnlistedValuesSurviveOkAndResetRestoresOptions) {
    settings.nAutoScrollSpeed = 10;  // not "100", which merely begins with its digits
    settings.sFontFaceName = u"No Such Face";
    settings.clrBkgnd = 0x123456;
    settings.nFontSize = 30;
    settings.bRemoveLineStartSpace = false;
    settings.bSearchIgnoreCase = true;
    settings.keyCodes[0] = 0xCA;
    settings.recentSearches.RememberSearch(u"word");
    Open();
    EXPECT_EQ(Find<QComboBox>(control::kAutoScrollSpeed).currentIndex(), -1);
    EXPECT_EQ(Find<QComboBox>(control::kFontList).currentText(), "NanumGothic");
    ModalAnswer<QColorDialog> cancel([](QColorDialog& chooser) {
        chooser.setCurrentColor(Qt::green);
        chooser.reject();
    });
    Click(control::kBackColour);
    EXPECT_EQ(settings.clrBkgnd, 0x123456u);

    ModalAnswer<QColorDialog> choose([](QColorDialog& chooser) {
        EXPECT_EQ(chooser.currentColor(), QColor(Qt::white));
        chooser.setCurrentColor(QColor(0x11, 0x22, 0x33));
        chooser.accept();
    });
    Click(control::kTextColour);
    EXPECT_EQ(settings.clrText, 0x332211u);
    EXPECT_EQ(SwatchColour(control::kTextColour), qRgb(0x11, 0x22, 0x33));
    Click(control::kOk);
    EXPECT_EQ(settings.nAutoScrollSpeed, 10);
    EXPECT_EQ(settings.sFontFaceName, u"No Such Face");

    dialog->show();
    EXPECT_EQ(Reset(QMessageBox::No), QStringLiteral("환경설정을 초기화 하시겠습니까?"));
    EXPECT_EQ(Text(control::kFontSize), QStringLiteral("30"));
    Reset(QMessageBox::Yes);
    EXPECT_EQ(Text(control::kFontSize), QStringLiteral("15"));
    EXPECT_TRUE(Find<QCheckBox>(control::kNoLineStartSpace).isChecked());
    EXPECT_EQ(Find<QComboBox>(control::kAutoScrollSpeed).currentText(), QStringLiteral("100"));
    EXPECT_EQ(SwatchColour(control::kTextColour), qRgb(255, 255, 255));
    EXPECT_FALSE(settings.bSearchIgnoreCase);
    EXPECT_EQ(settings.keyCodes[0], 0xCA);
    EXPECT_EQ(settings.recentSearches.LatestSearch(), u"word");
}

class KeyboardDialogTest : public DialogTest<KeyboardDialog> {
protected:
    KeyboardDialogTest() : DialogTest(control::kKeyboardReset) {}
    QPushButton& Button(int slot) {
        return test::ControlOf<QPushButton>(*dialog, ObjectName(control::kKeyButton, slot));
    }
    QComboBox& List(int slot) {
        return test::ControlOf<QComboBox>(*dialog, ObjectName(control::kFunctionList, slot));
    }
    // Presses the slot's button and, in the capture dialog, the given keys in turn.
    void Capture(int slot, std::vector<Qt::Key> keys) {
        ModalAnswer<KeyCaptureDialog> answer([keys](KeyCaptureDialog& capture) {
            for (const Qt::Key key : keys) {
                ASSERT_TRUE(capture.isVisible()) << "the capture ended before key " << key;
                QTest::keyClick(capture.windowHandle(), key);  // as the window system delivers it
            }
        });
        test::ClickButton(Button(slot));
        EXPECT_TRUE(answer.Answered());
    }
};

// Reset asks, then restores every slot; keys are stored at once, functions on closing; Escape
// takes every change back.
TEST_F(KeyboardDialogTest, ResetAsksAndRestoresEverySlotKeysAreStoredAtOnceAndFunctionsOnClose) {
    settings.keyFunctions = {1, 2, 3, 99, 5, 6};
    settings.keyCodes = {0xCF, 0xCE, 0xCD, 0xCC, 0xCB, 0xCA};
    Open();
    EXPECT_EQ(List(3).currentIndex(), -1);  // outside the table: none shown
    Capture(0, {Qt::Key_F12});
    List(0).setCurrentIndex(3);
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(settings.keyCodes[0], 0xCF);
    EXPECT_EQ(settings.keyFunctions[0], 1);
    dialog->show();
    EXPECT_EQ(List(0).currentIndex(), 1);
    EXPECT_EQ(Reset(QMessageBox::Yes), QStringLiteral("하드웨어키를 전부 초기화 하시겠습니까?"));
    for (int slot = 0; slot < kKeySlotCount; ++slot) {
        EXPECT_EQ(List(slot).currentText(), QStringLiteral("사용안함"));
        EXPECT_EQ(Button(slot).text(), QStringLiteral("버튼%1(0xc%2)").arg(slot + 1).arg(slot + 1));
    }
    EXPECT_EQ(settings.keyCodes[5], 0xC6);
    EXPECT_EQ(settings.keyFunctions[5], 0);
    // The capture waits through an ordinary key for F10 (0xCA); Escape ends it without a key.
    Capture(2, {Qt::Key_A, Qt::Key_F10});
    EXPECT_EQ(Button(2).text(), QStringLiteral("버튼3(0xca)"));
    Capture(2, {Qt::Key_Escape});
    EXPECT_EQ(settings.keyCodes[2], 0xCA);
    List(0).setCurrentIndex(2);  // 다음 페이지
    EXPECT_EQ(settings.keyFunctions[0], 0);
    Click(control::kOk);
    EXPECT_EQ(settings.keyFunctions[0], 2);
}

// Claimed keys reach the window as buttons rather than as shortcuts, until they are given back.
TEST(HardwareKeys, AClaimedKeyPassesTheShortcutsBy) {
    QWidget window;
    QAction shortcut(&window);
    shortcut.setShortcut(Qt::Key_F5);
    window.addAction(&shortcut);
    int shortcutRuns = 0;
    QObject::connect(&shortcut, &QAction::triggered, [&shortcutRuns] { ++shortcutRuns; });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const std::vector<uint32_t> codes = {0xC5, 0x41};
    ClaimHardwareKeys(window, codes);
    QTest::keyClick(window.windowHandle(), Qt::Key_F5);
    EXPECT_EQ(shortcutRuns, 0);
    ReleaseHardwareKeys(window);
    QTest::keyClick(window.windowHandle(), Qt::Key_F5);
    EXPECT_EQ(shortcutRuns, 1);
}

}  // namespace
}  // namespace sorna
