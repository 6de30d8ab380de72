#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>

#include "platform/qt/ControlName.h"
#include "tests/app/MainWindowFixture.h"

namespace sorna::test {
namespace {

// The popup of the bar button with this text, opened as a tap on it would, so it is prepared.
QMenu& OpenPopup(MainWindow& window, const char16_t* text) {
    for (QToolButton* button : window.findChildren<QToolButton*>()) {
        QAction* action = button->defaultAction();
        if (button->text() == QString::fromUtf16(text) && action && action->menu()) {
            action->menu()->popup(QPoint(0, 0));
            action->menu()->hide();
            return *action->menu();
        }
    }
    ADD_FAILURE() << "no popup";
    return *window.findChild<QMenu*>();
}

struct Item {
    CommandId id;
    QString text;
    bool operator==(const Item&) const = default;
};

std::vector<Item> ItemsOf(const QMenu& menu) {
    std::vector<Item> items;
    for (const QAction* action : menu.actions()) {
        items.push_back({CommandId(action->data().toUInt()),
                         action->isSeparator() ? QStringLiteral("-") : action->text()});
    }
    return items;
}

bool IsChecked(const QMenu& menu, CommandId id) {
    for (const QAction* action : menu.actions()) {
        if (action->data().toUInt() == id) {
            return action->isChecked();
        }
    }
    ADD_FAILURE() << "no item " << id;
    return false;
}

class Menus : public MainWindowTest {};

TEST_F(Menus, RecentFilesShowThirteenOfTwentyFiveAndAnyOfThemOpens) {
    std::vector<std::u16string> paths;
    for (int n = 24; n >= 0; --n) {
        const std::string name = n == 1 ? "a&b.txt" : "book" + std::to_string(n) + ".txt";
        paths.insert(paths.begin(), WriteFile(name, "book " + std::to_string(n) + "\n"));
        settings.recentFiles.RememberFile(paths.front(), 0);
    }
    // The most recent one is left out, so the start opens nothing.
    std::filesystem::remove(std::filesystem::path(paths[0]));
    auto window = ShowWindow();
    EXPECT_EQ(window->DocumentTitle(), u"");

    QMenu& main = OpenPopup(*window, u"메뉴");
    QMenu* recent = main.actions()[2]->menu();
    ASSERT_NE(recent, nullptr);
    const std::vector<Item> items = ItemsOf(*recent);
    ASSERT_EQ(items.size(), 15u);
    EXPECT_EQ(items[0], (Item{40050, QStringLiteral("book0.txt")}));
    EXPECT_EQ(items[1], (Item{40051, QStringLiteral("a&&b.txt")}));
    EXPECT_EQ(items[12], (Item{40062, QStringLiteral("book12.txt")}));
    EXPECT_EQ(items[13].text, QStringLiteral("-"));
    EXPECT_EQ(items[14], (Item{40024, QStringLiteral("최근 파일 목록 지우기")}));
    // Opened again, the menu is rebuilt, not added to.
    EXPECT_EQ(ItemsOf(*OpenPopup(*window, u"메뉴").actions()[2]->menu()).size(), 15u);

    // Entries past the thirteenth are still there for a posted command.
    window->RunCommand(40065);
    EXPECT_EQ(window->DocumentTitle(), u"book15.txt");
    EXPECT_EQ(window->windowTitle(), QStringLiteral("book15.txt - Sorna 1.71"));
    window->RunCommand(40051);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("a&b.txt - Sorna 1.71"));
}

TEST_F(Menus, BookListsBookmarksAsTheyReadAndViewChecksFollowTheSettings) {
    for (int n = 14; n >= 0; --n) {
        settings.bookmarks.AddBookmark(u"/books/a.txt", n,
                                       n == 0 ? u"R&D" : u"장 " + Widen(std::to_string(n)));
    }
    settings.bUseEngDic = 1;
    auto window = ShowWindow();
    for (int opening = 0; opening < 2; ++opening) {
        const std::vector<Item> items = ItemsOf(OpenPopup(*window, u"책"));
        ASSERT_EQ(items.size(), 17u);
        EXPECT_EQ(items[0].id, IDM_BOOKMARK_ADD);
        EXPECT_EQ(items[3].text, QStringLiteral("-"));
        EXPECT_EQ(items[4], (Item{40100, QStringLiteral("R&&D")}));
        EXPECT_EQ(items[16], (Item{40112, QStringLiteral("장 12")}));
    }
    QMenu& view = OpenPopup(*window, u"보기");
    EXPECT_TRUE(IsChecked(view, IDM_USE_DICTIONARY));
    EXPECT_FALSE(IsChecked(view, IDM_ROTATE));
    window->RunCommand(IDM_USE_DICTIONARY);
    window->RunCommand(IDM_ROTATE);
    OpenPopup(*window, u"보기");
    EXPECT_FALSE(IsChecked(view, IDM_USE_DICTIONARY));
    EXPECT_TRUE(IsChecked(view, IDM_ROTATE));
    EXPECT_TRUE(window->View().Font().rotated);
}

class Captions : public MainWindowTest {};

TEST_F(Captions, NameTheOpenFileAndStayAfterClosingIt) {
    const std::u16string path = WriteFile("a&b.txt", "첫 줄\n둘째 줄\n");
    auto window = ShowWindow();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Sorna 1.71"));
    ASSERT_TRUE(window->OpenDocument(path, -1));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("a&b.txt - Sorna 1.71"));
    EXPECT_EQ(window->View().TopLine(), 0);

    window->RunCommand(IDM_CLOSE);
    EXPECT_FALSE(window->View().Document().HasDocument());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("a&b.txt - Sorna 1.71"));
    EXPECT_EQ(settings.recentFiles.Entries().front(), (HistoryEntry{path, 0, u""}));
}

TEST_F(Captions, AFileThatCannotBeOpenedIsToldInTheLoadersWords) {
    const std::u16string path = WriteFile("a.txt", "글\n");
    auto window = ShowWindow();
    ASSERT_TRUE(window->OpenDocument(path, -1));
    ShownMessage shown;
    NoteNextMessage(shown);
    EXPECT_FALSE(window->OpenDocument(path + u".missing", -1));
    EXPECT_EQ(shown.caption, QStringLiteral("파일 열기 실패"));
    EXPECT_EQ(shown.text.toStdU16String(), window->View().Document().loadError);
    EXPECT_FALSE(shown.text.isEmpty());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Sorna 1.71"));
    EXPECT_FALSE(window->View().Document().HasDocument());
    // The document it replaced was remembered first.
    EXPECT_EQ(settings.recentFiles.MostRecentFile(), path);
    // An empty path is no file at all: no box, nothing changes.
    EXPECT_FALSE(window->OpenDocument(u"", -1));
}

class Places : public MainWindowTest {
protected:
    // The reading position lies on the top line.
    static void ExpectShown(const MainWindow& window, const std::u16string& path, int32_t at) {
        EXPECT_EQ(window.View().Document().documentPath, path);
        EXPECT_LE(window.View().TopOffset(), at);
        EXPECT_EQ(window.View().FindLine(at), window.View().TopLine());
    }
};

TEST_F(Places, BookmarksAndRecentFilesGoWhereTheyWereLeft) {
    const std::u16string novel = CorpusPath("ko-cp949-novel-02.txt");
    const std::u16string other = CorpusPath("ko-utf8-novel-01.txt");
    settings.recentFiles.RememberFile(novel, 3000);
    settings.bookmarks.AddBookmark(other, 2000, u"다른 책");
    settings.bookmarks.AddBookmark(novel, 9000, u"이 책");
    auto window = ShowWindow();
    ExpectShown(*window, novel, 3000);

    // A bookmark of the open document moves within it without loading it again.
    const char16_t* text = window->View().Document().text.get();
    window->RunCommand(IDM_BOOKMARK_00);
    ExpectShown(*window, novel, 9000);
    EXPECT_EQ(window->View().Document().text.get(), text);
    window->RunCommand(IDM_BOOKMARK_00 + 1);
    ExpectShown(*window, other, 2000);
    window->RunCommand(IDM_BOOKMARK_00 + 2);
    ExpectShown(*window, other, 2000);

    // Leaving the novel put it in the recent files where it was left.
    window->RunCommand(IDM_RECENT_00);
    ExpectShown(*window, novel, 9000);
    // Chosen while open, it comes back where the list had it, not where it was being read.
    window->RunCommand(IDM_PAGE_DOWN);
    window->RunCommand(IDM_PAGE_DOWN);
    ASSERT_EQ(settings.recentFiles.Entries()[1].path, novel);
    window->RunCommand(IDM_RECENT_00 + 1);
    ExpectShown(*window, novel, 9000);
}

TEST_F(Places, ANewBookmarkProposesTheTopLineAndItsPercentage) {
    std::string text(249, '.');
    for (size_t n = 20; n < text.size(); n += 21) {
        text[n] = '\n';
    }
    text += "\nOnce upon a time there was\n";
    text += std::string(1000 - text.size(), '-');
    const std::u16string path = WriteFile("story.txt", text);
    settings.recentFiles.RememberFile(path, 250);
    auto window = ShowWindow(400, 300);
    ASSERT_EQ(window->View().TopOffset(), 250);

    QString proposed;
    WhenDialogOpens([&proposed](QDialog& dialog) {
        QLineEdit* label = dialog.findChild<QLineEdit*>();
        proposed = label->text();
        label->setText(QStringLiteral("옛날 옛적"));
        dialog.findChild<QPushButton*>(ControlName(kIdOk))->click();
    });
    window->RunCommand(IDM_BOOKMARK_ADD);
    EXPECT_EQ(proposed, QStringLiteral("Once upon a tim [25.0%]"));
    ASSERT_EQ(settings.bookmarks.Entries().size(), 1u);
    EXPECT_EQ(settings.bookmarks.Entries()[0], (HistoryEntry{path, 250, u"옛날 옛적"}));

    // Without a document there is nothing to mark.
    window->RunCommand(IDM_CLOSE);
    window->RunCommand(IDM_BOOKMARK_ADD);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(Places, ClearingTheRecentFilesAsksFirstAndActsOnlyOnYes) {
    settings.recentFiles.RememberFile(u"/books/a.txt", 1);
    auto window = ShowWindow();
    for (const QMessageBox::StandardButton button : {QMessageBox::No, QMessageBox::Yes}) {
        EXPECT_EQ(settings.recentFiles.Entries().size(), 1u);
        WhenDialogOpens([button](QDialog& box) {
            EXPECT_EQ(box.windowTitle() + u'|' + static_cast<QMessageBox&>(box).text(),
                      QStringLiteral("Sorna|최근 파일 목록을 다 지우시겠습니까?"));
            static_cast<QMessageBox&>(box).button(button)->click();
        });
        window->RunCommand(IDM_RECENT_CLEAR);
    }
    EXPECT_TRUE(settings.recentFiles.Entries().empty());
}

}  // namespace
}  // namespace sorna::test
