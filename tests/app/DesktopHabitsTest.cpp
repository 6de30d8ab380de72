#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QUrl>
#include <QWheelEvent>

#include "tests/app/MainWindowFixture.h"

namespace sorna::test {
namespace {

constexpr const char* kNovel = "ko-cp949-novel-02.txt";

// The wheel, the paging keys and dropped files, on a window showing a long novel.
class DesktopHabits : public MainWindowTest {
protected:
    std::unique_ptr<MainWindow> ShowNovel() {
        settings.recentFiles.RememberFile(CorpusPath(kNovel), 0);
        auto window = ShowWindow(240, 300);
        EXPECT_GT(window->View().Lines().Count(), 100);
        return window;
    }

    // A wheel turn over the middle of the window. Sent by hand it is not passed on from the
    // page to the window as the pointer's own is, so it goes to the window itself.
    static void Wheel(MainWindow& window, int angleDelta) {
        const QPointF middle(window.width() / 2.0, window.height() / 2.0);
        QWheelEvent wheel(middle, window.mapToGlobal(middle), QPoint(), QPoint(0, angleDelta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&window, &wheel);
    }

    static Ids PressAndRelease(MainWindow& window, int key, Qt::KeyboardModifiers modifiers = {}) {
        CommandSpy spy(window, false);
        QTest::keyClick(&window, Qt::Key(key), modifiers);
        return spy.Take();
    }
};

TEST_F(DesktopHabits, WheelStepsByTheLineCommandsTowardsTheUserForward) {
    QApplication::setWheelScrollLines(3);
    auto window = ShowNovel();
    CommandSpy spy(*window, false);
    Wheel(*window, -120);
    EXPECT_EQ(spy.Take(), (Ids{IDM_LINE_DOWN, IDM_LINE_DOWN, IDM_LINE_DOWN}));
    EXPECT_EQ(window->View().TopLine(), 3);
    Wheel(*window, 120);
    EXPECT_EQ(spy.Take(), (Ids{IDM_LINE_UP, IDM_LINE_UP, IDM_LINE_UP}));
    EXPECT_EQ(window->View().TopLine(), 0);

    // A touchpad's tenths of a notch add up to the same three lines, no more.
    for (int delta = 0; delta < 10; ++delta) {
        Wheel(*window, -12);
    }
    EXPECT_EQ(spy.Take(), (Ids{IDM_LINE_DOWN, IDM_LINE_DOWN, IDM_LINE_DOWN}));
    EXPECT_EQ(window->View().TopLine(), 3);

    // Turned, the same line commands, which Up and Down carry there.
    window->RunCommand(IDM_ROTATE);
    spy.Take();
    const int32_t top = window->View().TopLine();
    Wheel(*window, -120);
    EXPECT_EQ(spy.Take(), (Ids{IDM_LINE_DOWN, IDM_LINE_DOWN, IDM_LINE_DOWN}));
    EXPECT_EQ(window->View().TopLine(), top + 3);
}

TEST_F(DesktopHabits, PageKeysAndSpaceTurnPagesKeepingTheSharedLinesInEitherOrientation) {
    settings.nShareLine = 2;
    auto window = ShowNovel();
    const int32_t page = window->View().LinesPerPage() - 2;
    ASSERT_GT(page, 0);
    EXPECT_EQ(PressAndRelease(*window, Qt::Key_PageDown), Ids{IDM_PAGE_DOWN});
    EXPECT_EQ(window->View().TopLine(), page);
    EXPECT_EQ(PressAndRelease(*window, Qt::Key_Space), Ids{IDM_PAGE_DOWN});
    EXPECT_EQ(window->View().TopLine(), 2 * page);
    EXPECT_EQ(PressAndRelease(*window, Qt::Key_PageUp), Ids{IDM_PAGE_UP});
    EXPECT_EQ(window->View().TopLine(), page);
    // Shift, Ctrl and Alt belong to other habits.
    EXPECT_EQ(PressAndRelease(*window, Qt::Key_Space, Qt::ShiftModifier), Ids{});
    EXPECT_EQ(PressAndRelease(*window, Qt::Key_PageDown, Qt::ControlModifier), Ids{});

    // Turned, they still page, as Right and Left do there, by the turned page.
    window->RunCommand(IDM_ROTATE);
    const int32_t top = window->View().TopLine();
    const int32_t turnedPage = window->View().LinesPerPage() - 2;
    EXPECT_EQ(PressAndRelease(*window, Qt::Key_PageDown), Ids{IDM_PAGE_DOWN});
    EXPECT_EQ(window->View().TopLine(), top + turnedPage);
    EXPECT_EQ(PressAndRelease(*window, Qt::Key_PageUp), Ids{IDM_PAGE_UP});
    EXPECT_EQ(window->View().TopLine(), top);
}

TEST_F(DesktopHabits, MappedHardwareKeysAndPagingKeysKeepTheirOwnCommands) {
    // Every slot carries a function, next line on F1.
    settings.keyCodes = {0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6};
    settings.keyFunctions = {3, 2, 2, 2, 2, 2};
    auto window = ShowWindow();
    CommandSpy spy(*window, true);
    QTest::keyClick(window.get(), Qt::Key_PageDown);
    EXPECT_EQ(spy.Take(), Ids{IDM_PAGE_DOWN});
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(spy.Take(), Ids{IDM_LINE_DOWN});
}

// What a file manager offers: a copy or a move of the files it drags.
class Drops : public DesktopHabits {
protected:
    struct Outcome {
        bool enterTaken;
        bool dropTaken;
        Qt::DropAction action;
    };

    static Outcome Drop(MainWindow& window, const QList<QUrl>& urls,
                        Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction) {
        // Drags reach only a widget that takes drops, as the desktop routes them.
        if (!window.acceptDrops()) {
            return {false, false, Qt::IgnoreAction};
        }
        QMimeData data;
        data.setUrls(urls);
        const QPoint middle(window.width() / 2, window.height() / 2);
        QDragEnterEvent enter(middle, offered, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&window, &enter);
        QDropEvent drop(middle, offered, &data, Qt::LeftButton, {});
        if (enter.isAccepted()) {
            QApplication::sendEvent(&window, &drop);
        }
        return {enter.isAccepted(), enter.isAccepted() && drop.isAccepted(), drop.dropAction()};
    }

    static QUrl FileUrl(const std::u16string& path) {
        return QUrl::fromLocalFile(QString::fromStdU16String(path));
    }

    static bool OpensSoon(const MainWindow& window, const std::u16string& path) {
        return QTest::qWaitFor([&] { return window.View().Document().documentPath == path; }, kPatienceMs);
    }
};

TEST_F(Drops, ADroppedFileOpensAsTheOpenDialogsChoiceAndStaysWhereItIs) {
    auto window = ShowNovel();
    window->RunCommand(IDM_LINE_DOWN);
    const int32_t novelPlace = window->View().TopOffset();
    window->RunCommand(IDM_AUTOSCROLL);
    const std::u16string story = WriteFile("story & more.txt", "첫 줄\n둘째 줄\n");

    const Outcome outcome = Drop(*window, {FileUrl(story)});
    EXPECT_TRUE(outcome.dropTaken);
    EXPECT_EQ(outcome.action, Qt::CopyAction);  // a move would have the source delete it
    ASSERT_TRUE(OpensSoon(*window, story));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("story & more.txt - Sorna 1.71"));
    EXPECT_FALSE(window->AutoScrolling());
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(story)));
    // The novel's place is kept, as closing it for any other document keeps it.
    EXPECT_EQ(settings.recentFiles.FindRecentPosition(CorpusPath(kNovel)), novelPlace);
}

TEST_F(Drops, OnlyLocalFilesAreTakenAndOfSeveralTheFirst) {
    auto window = ShowWindow();
    const std::u16string first = WriteFile("first.txt", "first\n");
    const std::u16string second = WriteFile("second.txt", "second\n");
    const QUrl remote("https://example.org/book.txt");
    EXPECT_FALSE(Drop(*window, {remote}).enterTaken);
    EXPECT_FALSE(Drop(*window, {}).enterTaken);
    // A source that would only move the file does not get to.
    EXPECT_FALSE(Drop(*window, {FileUrl(first)}, Qt::MoveAction).enterTaken);
    // A taken drop opens its file from a queued call; none may have been queued.
    QCoreApplication::processEvents();
    EXPECT_FALSE(window->View().Document().HasDocument());

    EXPECT_TRUE(Drop(*window, {remote, FileUrl(first), FileUrl(second)}).dropTaken);
    EXPECT_TRUE(OpensSoon(*window, first));
}

TEST_F(Drops, AFileThatCannotBeReadGetsTheOpenFailureMessage) {
    auto window = ShowNovel();
    const std::u16string folder = registry.Path().u16string();
    ShownMessage shown;
    NoteNextMessage(shown);
    EXPECT_TRUE(Drop(*window, {FileUrl(folder)}).dropTaken);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !shown.caption.isEmpty(); }, kPatienceMs));
    EXPECT_EQ(shown.caption, QStringLiteral("파일 열기 실패"));
    EXPECT_EQ(shown.text,
              QStringLiteral("파일이 존재하지 않습니다. : ") + QString::fromStdU16String(folder));
    EXPECT_FALSE(window->View().Document().HasDocument());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Sorna 1.71"));
}

}  // namespace
}  // namespace sorna::test
