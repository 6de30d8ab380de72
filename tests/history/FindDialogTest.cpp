#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "history/FindDialog.h"
#include "tests/app/ClickButton.h"
#include "tests/app/ModalAnswer.h"
#include "tests/view/ViewTestSupport.h"

namespace sorna {
namespace {

using test::ModalAnswer;
using test::Press;
using test::SeenMessage;

// One display line per text line: the area is wide enough for every line.
class FindDialogTest : public testing::Test {
protected:
    void SetUp() override {
        test::SetText(view.Document(),
                      u"needle on top\nhay\nhay needle\nhay\nneedle and needle\nNEEDLE\nhay\n");
        view.SetTextArea({0, 0, 400, 320}, false);
        ASSERT_TRUE(view.Layout(nullptr));
        owner.show();
    }

    template <typename Control>
    Control& Find(const FindDialog& dialog, const char* id) {
        return *dialog.findChild<Control*>(QString::fromLatin1(id));
    }

    void Search(FindDialog& dialog, const QString& text) {
        auto& field = *Find<QComboBox>(dialog, "1024").lineEdit();
        field.clear();
        QTest::keyClicks(&field, text);
        QTest::mouseClick(&Find<QPushButton>(dialog, "1023"), Qt::LeftButton);
    }

    test::FixedMetricsDevice device;
    TextView view{device};
    Settings settings;
    QWidget owner;
};

TEST_F(FindDialogTest, EachPressWalksToTheNextLineWithAHitAndStopsAfterTheLast) {
    FindDialog dialog(owner, settings, view);
    dialog.show();
    ModalAnswer<QMessageBox> noMessage([](QMessageBox& box) { box.close(); });
    // The top line's own hit is passed over, as is the second hit on a line already shown.
    for (const int32_t expected : {2, 4, 4}) {
        Search(dialog, QStringLiteral("needle"));
        EXPECT_EQ(view.TopLine(), expected);
    }
    EXPECT_TRUE(dialog.isVisible());
    test::ClickButton(Find<QCheckBox>(dialog, "1028"));
    Search(dialog, QStringLiteral("needle"));
    EXPECT_EQ(view.TopLine(), 5);  // NEEDLE, with case ignored
    EXPECT_EQ(settings.bSearchIgnoreCase, 1);
    QTest::qWait(20);
    EXPECT_FALSE(noMessage.Answered());  // a miss says nothing
    EXPECT_EQ(settings.recentSearches.Entries(), std::vector<std::u16string>{u"needle"});
}

TEST_F(FindDialogTest, EnterSearchesAndAnEmptyFieldAsksForAWordButStoresTheCheckBox) {
    FindDialog dialog(owner, settings, view);
    dialog.show();
    auto& field = *Find<QComboBox>(dialog, "1024").lineEdit();
    QTest::keyClicks(&field, QStringLiteral("hay"));
    QTest::keyClick(&field, Qt::Key_Return);
    EXPECT_EQ(view.TopLine(), 1);
    EXPECT_TRUE(dialog.isVisible());

    field.clear();
    test::ClickButton(Find<QCheckBox>(dialog, "1028"));
    SeenMessage seen;
    ModalAnswer<QMessageBox> answer(Press(QMessageBox::Ok, seen));
    QTest::mouseClick(&Find<QPushButton>(dialog, "1023"), Qt::LeftButton);
    EXPECT_EQ(seen.text, QStringLiteral("단어를 입력해 주세요"));
    EXPECT_EQ(seen.caption, QStringLiteral("Sorna"));
    EXPECT_EQ(settings.bSearchIgnoreCase, 1);
    EXPECT_EQ(settings.recentSearches.Entries(), std::vector<std::u16string>{u"hay"});
}

TEST_F(FindDialogTest, ClosingLeavesTheCheckBoxSettingAlone) {
    FindDialog dialog(owner, settings, view);
    dialog.show();
    test::ClickButton(Find<QCheckBox>(dialog, "1028"));
    QTest::mouseClick(&Find<QPushButton>(dialog, "2"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(settings.bSearchIgnoreCase, 0);
}

TEST_F(FindDialogTest, OpensOnTheOlderSearchTheNewestBeginsAndClearsOnlyTheStoredList) {
    settings.recentSearches.RememberSearch(u"abc");
    settings.recentSearches.RememberSearch(u"ab");
    FindDialog dialog(owner, settings, view);
    auto& list = Find<QComboBox>(dialog, "1024");
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.itemText(0), QStringLiteral("ab"));
    EXPECT_EQ(list.currentText(), QStringLiteral("abc"));

    dialog.show();
    QTest::mouseClick(&Find<QPushButton>(dialog, "1025"), Qt::LeftButton);
    EXPECT_TRUE(settings.recentSearches.Entries().empty());
    EXPECT_EQ(list.count(), 2);  // until the dialog opens again
}

TEST_F(FindDialogTest, RunsModallyOverItsOwner) {
    ModalAnswer<FindDialog> answer([this](FindDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("찾기"));
        EXPECT_EQ(dialog.parentWidget(), &owner);
        Search(dialog, QStringLiteral("hay"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    RunFindDialog(owner, settings, view);
    EXPECT_TRUE(answer.Answered());
    EXPECT_EQ(view.TopLine(), 1);
}

}  // namespace
}  // namespace sorna
