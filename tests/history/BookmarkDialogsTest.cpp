#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTreeWidget>

#include "history/AddBookmarkDialog.h"
#include "history/EditBookmarksDialog.h"
#include "tests/app/ModalAnswer.h"

namespace sorna {
namespace {

using test::ModalAnswer;

template <typename Control>
Control& Find(const QWidget& dialog, const char* id) {
    return *dialog.findChild<Control*>(QString::fromLatin1(id));
}

std::vector<std::u16string> Labels(const Bookmarks& bookmarks) {
    std::vector<std::u16string> labels;
    for (const HistoryEntry& bookmark : bookmarks.Entries()) {
        labels.push_back(bookmark.label);
    }
    return labels;
}

QStringList RowLabels(const QTreeWidget& list) {
    QStringList labels;
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        labels.push_back(list.topLevelItem(row)->text(1));
    }
    return labels;
}

// A tap on a row, as the user chooses it.
void Tap(QTreeWidget& list, int row) {
    const QRect rect = list.visualItemRect(list.topLevelItem(row));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rect.center());
}

class EditBookmarksTest : public testing::Test {
protected:
    void SetUp() override {
        for (const char16_t* label : {u"다섯", u"넷", u"셋", u"둘", u"하나"}) {
            bookmarks.AddBookmark(u"/home/reader/books/소설.txt", 10, label);
        }
        owner.show();
    }

    Bookmarks bookmarks;
    QWidget owner;
};

TEST_F(EditBookmarksTest, ShowsFullPathsInColumnsOfAThirdAndTwoThirds) {
    EditBookmarksDialog dialog(owner, bookmarks);
    dialog.resize(420, 400);
    dialog.show();
    const auto& list = Find<QTreeWidget>(dialog, "1035");
    EXPECT_EQ(list.headerItem()->text(0), QStringLiteral("파일"));
    EXPECT_EQ(list.headerItem()->text(1), QStringLiteral("설명"));
    EXPECT_EQ(list.topLevelItem(0)->text(0), QStringLiteral("/home/reader/books/소설.txt"));
    const int arrow = list.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &list);
    const int width = list.width() - arrow - 5;
    EXPECT_EQ(list.columnWidth(0), width / 3);
    EXPECT_EQ(list.columnWidth(1), 2 * width / 3);
}

TEST_F(EditBookmarksTest, DeletesTheSelectedRowsWithTheirBookmarks) {
    EditBookmarksDialog dialog(owner, bookmarks);
    dialog.show();
    auto& list = Find<QTreeWidget>(dialog, "1035");
    auto& remove = Find<QPushButton>(dialog, "1036");
    QTest::mouseClick(&remove, Qt::LeftButton);  // nothing selected: nothing goes
    EXPECT_EQ(bookmarks.Entries().size(), 5u);

    Tap(list, 0);
    Tap(list, 2);
    QTest::mouseClick(&remove, Qt::LeftButton);
    EXPECT_EQ(Labels(bookmarks), (std::vector<std::u16string>{u"둘", u"넷", u"다섯"}));
    EXPECT_EQ(RowLabels(list), (QStringList{"둘", "넷", "다섯"}));

    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        Tap(list, row);
    }
    QTest::mouseClick(&remove, Qt::LeftButton);
    EXPECT_TRUE(bookmarks.Entries().empty());
    EXPECT_EQ(list.topLevelItemCount(), 0);
}

TEST_F(EditBookmarksTest, OpensMaximisedOverAFullScreenWindow) {
    owner.showFullScreen();
    ModalAnswer<EditBookmarksDialog> answer([](EditBookmarksDialog& dialog) {
        EXPECT_TRUE(dialog.windowState().testFlag(Qt::WindowMaximized));
        QTest::mouseClick(&Find<QPushButton>(dialog, "1"), Qt::LeftButton);
    });
    RunEditBookmarksDialog(owner, bookmarks);
    EXPECT_TRUE(answer.Answered());

    owner.showNormal();
    ModalAnswer<EditBookmarksDialog> normal([](EditBookmarksDialog& dialog) {
        EXPECT_FALSE(dialog.windowState().testFlag(Qt::WindowMaximized));
        dialog.reject();
    });
    RunEditBookmarksDialog(owner, bookmarks);
    EXPECT_TRUE(normal.Answered());
}

TEST(AddBookmarkDialog, TheLabelComesBackHoweverItEndsButOnlyAddConfirms) {
    QWidget owner;
    owner.show();
    std::u16string label = u"Once upon a tim [25.0%]";
    const auto editThenPress = [](const char* id) {
        return [id](AddBookmarkDialog& dialog) {
            auto& edit = Find<QLineEdit>(dialog, "1033");
            EXPECT_EQ(edit.text(), QStringLiteral("Once upon a tim [25.0%]"));
            edit.selectAll();
            QTest::keyClicks(&edit, QStringLiteral("Chapter 1"));
            QTest::mouseClick(&Find<QPushButton>(dialog, id), Qt::LeftButton);
        };
    };
    {
        ModalAnswer<AddBookmarkDialog> answer(editThenPress("2"));
        EXPECT_FALSE(RunAddBookmarkDialog(owner, label, 1024));
        EXPECT_EQ(label, u"Chapter 1");
    }
    label = u"Once upon a tim [25.0%]";
    ModalAnswer<AddBookmarkDialog> answer(editThenPress("1"));
    EXPECT_TRUE(RunAddBookmarkDialog(owner, label, 1024));
    EXPECT_EQ(label, u"Chapter 1");
}

TEST(AddBookmarkDialog, TheLabelFitsTheCallersBuffer) {
    QWidget owner;
    std::u16string label(2000, u'가');
    ModalAnswer<AddBookmarkDialog> answer([](AddBookmarkDialog& dialog) {
        QTest::keyClicks(&Find<QLineEdit>(dialog, "1033"), QStringLiteral("more"));
        dialog.accept();
    });
    EXPECT_TRUE(RunAddBookmarkDialog(owner, label, 1024));
    EXPECT_EQ(label, std::u16string(1023, u'가'));
}

}  // namespace
}  // namespace sorna
