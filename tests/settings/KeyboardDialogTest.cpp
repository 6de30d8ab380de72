#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "settings/qt/HardwareKeys.h"
#include "settings/qt/KeyCaptureDialog.h"
#include "settings/qt/KeyboardDialog.h"
#include "tests/support/DialogControls.h"
#include "tests/support/ModalAnswer.h"

namespace sorna {
namespace {

using test::ModalAnswer;
using test::Press;
using test::SeenMessage;

// A key pressed and released on a window, delivered as the window system delivers it.
void PressKey(QWidget& window, Qt::Key key) {
    QTest::keyClick(window.windowHandle(), key);
}

class KeyboardDialogTest : public testing::Test {
protected:
    void SetUp() override { owner.show(); }

    void Open() {
        dialog = std::make_unique<KeyboardDialog>(owner, settings);
        dialog->show();
    }
    QPushButton& Button(int slot) {
        return test::ControlOf<QPushButton>(*dialog, kIdFirstKeyButton + slot);
    }
    QComboBox& List(int slot) {
        return test::ControlOf<QComboBox>(*dialog, kIdFirstFunctionList + slot);
    }
    void Close() { test::ClickButton(*dialog, kIdOk); }
    // Presses the slot's button and, in the capture dialog, the given keys in turn.
    void Capture(int slot, std::vector<Qt::Key> keys) {
        ModalAnswer<KeyCaptureDialog> answer([keys](KeyCaptureDialog& capture) {
            for (const Qt::Key key : keys) {
                PressKey(capture, key);
            }
        });
        test::ClickButton(Button(slot));
        EXPECT_TRUE(answer.Answered());
    }
    void ExpectAllUnused() {
        for (int slot = 0; slot < kKeySlotCount; ++slot) {
            EXPECT_EQ(List(slot).currentText(), QStringLiteral("사용안함"));
            EXPECT_EQ(Button(slot).text(),
                      QStringLiteral("버튼%1(0xc%2)").arg(slot + 1).arg(slot + 1));
        }
    }

    QWidget owner;
    Settings settings;
    std::unique_ptr<KeyboardDialog> dialog;
};

TEST_F(KeyboardDialogTest, ACapturedKeyIsStoredAtOnceAndOrdinaryKeysAreIgnored) {
    Open();
    ExpectAllUnused();
    // 'A' and Escape's absence: the capture waits through an ordinary key for F10 (0xCA).
    Capture(2, {Qt::Key_A, Qt::Key_F10});
    EXPECT_EQ(Button(2).text(), QStringLiteral("버튼3(0xca)"));
    EXPECT_EQ(settings.keyCodes[2], 0xCA);
    // Escape ends the capture without a key.
    Capture(2, {Qt::Key_Escape});
    EXPECT_EQ(settings.keyCodes[2], 0xCA);
}

TEST_F(KeyboardDialogTest, FunctionsAreStoredOnCloseAndOnesOutsideTheTableShowNone) {
    settings.keyFunctions[3] = 99;
    Open();
    EXPECT_EQ(List(3).currentIndex(), -1);
    List(0).setCurrentIndex(2);  // 다음 페이지
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());  // only 닫기 leaves
    Close();
    EXPECT_EQ(settings.keyFunctions[0], 2);
}

TEST_F(KeyboardDialogTest, ResetAsksThenRestoresEverySlot) {
    settings.keyFunctions = {1, 2, 3, 4, 5, 6};
    settings.keyCodes = {0xCF, 0xCE, 0xCD, 0xCC, 0xCB, 0xCA};
    Open();
    SeenMessage seen;
    ModalAnswer<QMessageBox> yes(Press(QMessageBox::Yes, seen));
    test::ClickButton(*dialog, kIdReset);
    EXPECT_EQ(seen.text, QStringLiteral("하드웨어키를 전부 초기화 하시겠습니까?"));
    ExpectAllUnused();
    EXPECT_EQ(settings.keyCodes[5], 0xC6);
    EXPECT_EQ(settings.keyFunctions[5], 0);
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
    PressKey(window, Qt::Key_F5);
    EXPECT_EQ(shortcutRuns, 0);
    ReleaseHardwareKeys(window);
    PressKey(window, Qt::Key_F5);
    EXPECT_EQ(shortcutRuns, 1);
}

}  // namespace
}  // namespace sorna
