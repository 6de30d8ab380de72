#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "history/qt/AddBookmarkDialog.h"
#include "history/qt/EditBookmarksDialog.h"
#include "tests/app/DialogControls.h"
#include "tests/app/ModalAnswer.h"

namespace sorna {
namespace {

using test::ClickButton;
using test::ControlOf;
using test::ModalAnswer;

// The labels in the list and in the bookmarks, which must agree row for row.
QStringList Labels(const QTreeWidget& list, const Bookmarks& bookmarks) {
    QStringList labels;
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        labels.push_back(list.topLevelItem(row)->text(1));
        EXPECT_EQ(labels.back().toStdU16String(), bookmarks.Entries().at(row).label);
    }
    EXPECT_EQ(size_t(labels.size()), bookmarks.Entries().size());
    return labels;
}

// A tap on a row, as the user chooses it.
void Tap(QTreeWidget& list, int row) {
    const QRect rect = list.visualItemRect(list.topLevelItem(row));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rect.center());
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
    auto& list = ControlOf<QTreeWidget>(dialog, kIdBookmarkList);
    EXPECT_EQ(list.topLevelItem(0)->text(0), QStringLiteral("/home/reader/books/소설.txt"));

    ClickButton(dialog, kIdDeleteBookmarks);  // nothing selected: nothing goes
    EXPECT_EQ(bookmarks.Entries().size(), 5u);
    Tap(list, 0);
    Tap(list, 2);
    ClickButton(dialog, kIdDeleteBookmarks);
    EXPECT_EQ(Labels(list, bookmarks), (QStringList{"둘", "넷", "다섯"}));
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        Tap(list, row);
    }
    ClickButton(dialog, kIdDeleteBookmarks);
    EXPECT_TRUE(Labels(list, bookmarks).isEmpty());
}

// Replaces the label with `typed`, then leaves by the button `id`.
std::function<void(AddBookmarkDialog&)> TypeAndPress(QString typed, ControlId id) {
    return [typed, id](AddBookmarkDialog& dialog) {
        auto& edit = ControlOf<QLineEdit>(dialog, kIdBookmarkLabel);
        edit.selectAll();
        QTest::keyClicks(&edit, typed);
        ClickButton(dialog, id);
    };
}

TEST(AddBookmarkDialog, TheLabelComesBackHoweverItEndsButOnlyAddConfirms) {
    QWidget owner;
    owner.show();
    std::u16string label = u"Once upon a tim [25.0%]";
    {
        ModalAnswer<AddBookmarkDialog> close(TypeAndPress(QStringLiteral("Chapter 1"), kIdCancel));
        EXPECT_FALSE(RunAddBookmarkDialog(owner, label, 1024));
        EXPECT_EQ(label, u"Chapter 1");
    }
    {
        ModalAnswer<AddBookmarkDialog> add(TypeAndPress(QStringLiteral("Chapter 2"), kIdOk));
        EXPECT_TRUE(RunAddBookmarkDialog(owner, label, 1024));
        EXPECT_EQ(label, u"Chapter 2");
    }
    // The label fits the caller's buffer of 1024 units with its terminator.
    label.assign(1020, u'가');
    ModalAnswer<AddBookmarkDialog> add([](AddBookmarkDialog& dialog) {
        auto& edit = ControlOf<QLineEdit>(dialog, kIdBookmarkLabel);
        edit.end(false);
        QTest::keyClicks(&edit, QStringLiteral("more"));
        dialog.accept();
    });
    EXPECT_TRUE(RunAddBookmarkDialog(owner, label, 1024));
    EXPECT_EQ(label, std::u16string(1020, u'가') + u"mor");
}

}  // namespace
}  // namespace sorna
