#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>

#include "history/qt/AddBookmarkDialog.h"
#include "history/qt/EditBookmarksDialog.h"
#include "history/qt/FindDialog.h"
#include "settings/Settings.h"
#include "tests/support/DialogControls.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/ViewTestSupport.h"

namespace sorna {
namespace {

using namespace Qt::Literals::StringLiterals;
using test::ClickButton;
using test::ControlOf;
using test::ModalAnswer;

// Goes where the dialog asks, as the reader does, and notes the occurrences it was sent to.
struct ViewActions : FindActions {
    explicit ViewActions(TextView& view) : view(view) {}
    bool FindFromPage(const TextSearch& search) override { return view.FindNext(search); }
    void ShowOccurrence(TextSpan found) override {
        shown.push_back(found);
        view.ShowFound(found);
    }

    TextView& view;
    std::vector<TextSpan> shown;
};

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

    test::FixedMetricsDevice device;
    TextView view{device};
    Settings settings;
    SearchFlags flags{settings.bSearchIgnoreCase, settings.bSearchIgnoreSpacing};
    ViewActions actions{view};
    QWidget owner;
};

// The list opens on the older search that the newest begins. A message box would be modal inside
// the search and answered before the search returned.
TEST_F(FindDialogTest, EachSearchWalksToTheNextLineWithAHitAndOnlyFindStoresTheCheckBox) {
    settings.recentSearches.RememberSearch(u"abc");
    settings.recentSearches.RememberSearch(u"ab");
    FindDialog dialog(owner, settings.recentSearches, flags, view, actions);
    auto& list = ControlOf<QComboBox>(dialog, control::kFindText);
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.itemText(0), QStringLiteral("ab"));
    EXPECT_EQ(list.currentText(), QStringLiteral("abc"));
    dialog.show();
    const auto search = [&](const QString& text, bool byEnter) {
        list.lineEdit()->clear();
        QTest::keyClicks(list.lineEdit(), text);
        byEnter ? QTest::keyClick(list.lineEdit(), Qt::Key_Return)
                : ClickButton(dialog, control::kFindButton);
    };
    const std::vector<std::u16string> searched = {u"needle", u"ab", u"abc"};
    {
        ModalAnswer<QMessageBox> noMessage([](QMessageBox& box) { box.close(); });
        // The top line's own hit is passed over, as is the second hit on a line already shown;
        // a miss stays and says nothing.
        for (const int32_t expected : {2, 4, 4}) {
            search(QStringLiteral("needle"), expected == 2);
            EXPECT_EQ(view.TopLine(), expected);
        }
        ClickButton(dialog, control::kFindIgnoreCase);
        search(QStringLiteral("needle"), false);
        EXPECT_EQ(view.TopLine(), 5);  // NEEDLE, with case ignored
        EXPECT_TRUE(settings.bSearchIgnoreCase);
        EXPECT_FALSE(noMessage.Answered());
    }
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(settings.recentSearches.Entries(), searched);

    ClickButton(dialog, control::kFindIgnoreCase);
    test::SeenMessage seen;
    ModalAnswer<QMessageBox> answer(test::Press(QMessageBox::Ok, seen));
    search(QString(), false);
    EXPECT_EQ(seen.text, QStringLiteral("단어를 입력해 주세요"));
    EXPECT_EQ(seen.caption, QStringLiteral("Sorna"));
    EXPECT_FALSE(settings.bSearchIgnoreCase);
    EXPECT_EQ(settings.recentSearches.Entries(), searched);
    // Clearing empties the stored list alone, until the dialog opens again.
    const int listed = list.count();
    ClickButton(dialog, control::kFindClearList);
    EXPECT_TRUE(settings.recentSearches.Entries().empty());
    EXPECT_EQ(list.count(), listed);
    // Closing does not store the box.
    ClickButton(dialog, control::kFindIgnoreCase);
    ClickButton(dialog, control::kCancel);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(settings.bSearchIgnoreCase);
}

// Every occurrence with its line, the count, and the one chosen shown; spacing ignored when
// asked. Past the list's 10,000 the count goes on and says how many more there are.
TEST_F(FindDialogTest, FindAllListsEveryOccurrenceAndGoesToTheOneChosen) {
    settings.recentSearches.RememberSearch(u"nee dle");
    FindDialog dialog(owner, settings.recentSearches, flags, view, actions);
    dialog.show();
    ClickButton(dialog, control::kFindIgnoreSpacing);
    ClickButton(dialog, control::kFindAllButton);
    auto& hits = ControlOf<QListWidget>(dialog, control::kFindAllList);
    QStringList lines;
    for (int row = 0; row < hits.count(); ++row) {
        lines.push_back(hits.item(row)->text());
    }
    EXPECT_EQ(lines, (QStringList{u"「needle」 on top"_s, u"hay 「needle」"_s,
                                  u"「needle」 and needle"_s, u"needle and 「needle」"_s}));
    EXPECT_EQ(ControlOf<QLabel>(dialog, control::kFindAllCount).text(), u"모두 4개"_s);
    EXPECT_TRUE(settings.bSearchIgnoreSpacing);
    EXPECT_EQ(hits.currentRow(), 0);
    hits.setCurrentRow(3);
    QTest::keyClick(&hits, Qt::Key_Return);
    EXPECT_EQ(actions.shown, (std::vector<TextSpan>{{44, 6}}));
    EXPECT_EQ(view.TopLine(), 4);
    EXPECT_EQ(view.FoundText(), (TextSpan{44, 6}));
    EXPECT_FALSE(dialog.isVisible());

    std::u16string many;
    for (int n = 0; n < 10005; ++n) {
        many += u"a ";
    }
    test::SetText(view.Document(), many);
    ASSERT_TRUE(view.Layout(nullptr));
    settings.recentSearches.RememberSearch(u"a");
    FindDialog more(owner, settings.recentSearches, flags, view, actions);
    more.show();
    ClickButton(more, control::kFindAllButton);
    const auto& count = ControlOf<QLabel>(more, control::kFindAllCount);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !count.text().startsWith(u"찾는 중"_s); }, 30000));
    EXPECT_EQ(count.text(), u"모두 10,005개 (처음 10,000개만 보입니다. 5개 더)"_s);
    EXPECT_EQ(ControlOf<QListWidget>(more, control::kFindAllList).count(), 10000);
}

// A tap on each row, as the user chooses it; the labels left in the list, which must be the
// bookmarks' own row for row.
QStringList DeleteRows(QDialog& dialog, QTreeWidget& list, const Bookmarks& bookmarks,
                       std::initializer_list<int> rows) {
    for (const int row : rows) {
        const QRect rect = list.visualItemRect(list.topLevelItem(row));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rect.center());
    }
    ClickButton(dialog, control::kDeleteBookmarks);
    QStringList labels;
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        labels.push_back(list.topLevelItem(row)->text(1));
        EXPECT_EQ(labels.back().toStdU16String(), bookmarks.Entries().at(row).label);
    }
    EXPECT_EQ(size_t(labels.size()), bookmarks.Entries().size());
    return labels;
}

TEST(EditBookmarksDialog, DeletesTheSelectedRowsWithTheirBookmarks) {
    Bookmarks bookmarks;
    for (const char16_t* label : {u"다섯", u"넷", u"셋", u"둘", u"하나"}) {
        bookmarks.AddBookmark(u"/home/reader/books/소설.txt", 10, label);
    }
    QWidget owner;
    EditBookmarksDialog dialog(owner, bookmarks);
    dialog.resize(420, 400);
    dialog.show();
    auto& list = ControlOf<QTreeWidget>(dialog, control::kBookmarkList);
    EXPECT_EQ(list.topLevelItem(0)->text(0), QStringLiteral("/home/reader/books/소설.txt"));
    EXPECT_EQ(DeleteRows(dialog, list, bookmarks, {}).size(), 5);  // nothing selected
    EXPECT_EQ(DeleteRows(dialog, list, bookmarks, {0, 2}), (QStringList{"둘", "넷", "다섯"}));
    EXPECT_TRUE(DeleteRows(dialog, list, bookmarks, {0, 1, 2}).isEmpty());
}

// The label comes back however the dialog ends, but only Add confirms; it fits the caller's
// buffer of 1024 units with its terminator.
TEST(AddBookmarkDialog, TheLabelComesBackHoweverItEndsButOnlyAddConfirms) {
    QWidget owner;
    owner.show();
    for (const auto& [button, confirmed] :
         {std::pair{control::kCancel, false}, {control::kOk, true}}) {
        std::u16string label(1020, u'가');
        ModalAnswer<AddBookmarkDialog> add([id = button](AddBookmarkDialog& dialog) {
            auto& edit = ControlOf<QLineEdit>(dialog, control::kBookmarkLabel);
            edit.end(false);
            QTest::keyClicks(&edit, QStringLiteral("more"));
            ClickButton(dialog, id);
        });
        EXPECT_EQ(RunAddBookmarkDialog(owner, label, 1024), confirmed);
        EXPECT_EQ(label, std::u16string(1020, u'가') + u"mor");
    }
}

}  // namespace
}  // namespace sorna
