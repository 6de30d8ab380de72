#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "history/qt/FindDialog.h"
#include "settings/Settings.h"
#include "tests/app/DialogControls.h"
#include "tests/app/ModalAnswer.h"
#include "tests/view/ViewTestSupport.h"

namespace sorna {
namespace {

using test::ClickButton;
using test::ControlOf;
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

    void Search(FindDialog& dialog, const QString& text) {
        auto& field = *ControlOf<QComboBox>(dialog, kIdFindText).lineEdit();
        field.clear();
        QTest::keyClicks(&field, text);
        ClickButton(dialog, kIdFindButton);
    }

    test::FixedMetricsDevice device;
    TextView view{device};
    Settings settings;
    QWidget owner;
};

TEST_F(FindDialogTest, EachPressWalksToTheNextLineWithAHitAndStopsAfterTheLast) {
    FindDialog dialog(owner, settings.recentSearches, settings.bSearchIgnoreCase, view);
    dialog.show();
    ModalAnswer<QMessageBox> noMessage([](QMessageBox& box) { box.close(); });
    // The top line's own hit is passed over, as is the second hit on a line already shown.
    for (const int32_t expected : {2, 4, 4}) {
        Search(dialog, QStringLiteral("needle"));
        EXPECT_EQ(view.TopLine(), expected);
    }
    EXPECT_TRUE(dialog.isVisible());
    ClickButton(dialog, kIdFindIgnoreCase);
    Search(dialog, QStringLiteral("needle"));
    EXPECT_EQ(view.TopLine(), 5);  // NEEDLE, with case ignored
    EXPECT_EQ(settings.bSearchIgnoreCase, 1);
    // A message box would have been modal inside the search, and answered before it returned.
    EXPECT_FALSE(noMessage.Answered());  // a miss says nothing
    EXPECT_EQ(settings.recentSearches.Entries(), std::vector<std::u16string>{u"needle"});
}

TEST_F(FindDialogTest, EnterSearchesAndAnEmptyFieldAsksForAWordButFindStoresTheCheckBox) {
    FindDialog dialog(owner, settings.recentSearches, settings.bSearchIgnoreCase, view);
    dialog.show();
    auto& field = *ControlOf<QComboBox>(dialog, kIdFindText).lineEdit();
    QTest::keyClicks(&field, QStringLiteral("hay"));
    QTest::keyClick(&field, Qt::Key_Return);
    EXPECT_EQ(view.TopLine(), 1);
    EXPECT_TRUE(dialog.isVisible());

    field.clear();
    ClickButton(dialog, kIdFindIgnoreCase);
    SeenMessage seen;
    ModalAnswer<QMessageBox> answer(Press(QMessageBox::Ok, seen));
    ClickButton(dialog, kIdFindButton);
    EXPECT_EQ(seen.text, QStringLiteral("단어를 입력해 주세요"));
    EXPECT_EQ(seen.caption, QStringLiteral("Sorna"));
    EXPECT_EQ(settings.bSearchIgnoreCase, 1);
    EXPECT_EQ(settings.recentSearches.Entries(), std::vector<std::u16string>{u"hay"});
    // Closing does not store the box.
    ClickButton(dialog, kIdFindIgnoreCase);
    ClickButton(dialog, kIdCancel);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(settings.bSearchIgnoreCase, 1);
}

TEST_F(FindDialogTest, OpensOnTheOlderSearchTheNewestBeginsAndClearsOnlyTheStoredList) {
    settings.recentSearches.RememberSearch(u"abc");
    settings.recentSearches.RememberSearch(u"ab");
    FindDialog dialog(owner, settings.recentSearches, settings.bSearchIgnoreCase, view);
    auto& list = ControlOf<QComboBox>(dialog, kIdFindText);
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.itemText(0), QStringLiteral("ab"));
    EXPECT_EQ(list.currentText(), QStringLiteral("abc"));

    dialog.show();
    ClickButton(dialog, kIdFindClearList);
    EXPECT_TRUE(settings.recentSearches.Entries().empty());
    EXPECT_EQ(list.count(), 2);  // until the dialog opens again
}

}  // namespace
}  // namespace sorna
