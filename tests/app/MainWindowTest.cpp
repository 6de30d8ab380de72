// The window's own part: input that only it turns into commands and calls of the session, and
// the activation that its own dialogs take. The end-to-end tests page, scroll and drop from a
// real desktop.
#include <gtest/gtest.h>

#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTest>
#include <QToolButton>
#include <QUrl>

#include "app/qt/MainWindow.h"
#include "app/qt/PageWidget.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/RegistryTestFolder.h"

namespace sorna::test {
namespace {

// A generous bound for what a loaded machine may take; waits end as soon as their condition holds.
constexpr int kPatienceMs = 10000;

// A window over its own registry folder, once its start-up timer has reopened the most recent
// file: 400 lines that each start with an English word.
class MainWindowTest : public testing::Test {
protected:
    std::unique_ptr<MainWindow> ShowReading() {
        std::string text;
        for (int line = 0; line < 400; ++line) {
            text += "reading 가나다라마바사 " + std::to_string(line) + "\n";
        }
        settings.recentFiles.RememberFile(WriteFile("words.txt", text), 0);
        auto window = std::make_unique<MainWindow>(settings);
        window->show();
        EXPECT_TRUE(QTest::qWaitFor(
            [&window] { return !window->ReopenPending() && !window->LayoutPending(); },
            kPatienceMs));
        EXPECT_GT(window->Session().View().Lines().Count(), 100);
        return window;
    }

    std::u16string WriteFile(std::string_view name, std::string_view bytes) const {
        return registry.Write(name, bytes).u16string();
    }

    RegistryTestFolder registry;
    Settings settings;
};

// In dictionary mode, with the first button on F11 and no side margins. A hardware button acts
// once, on its last release, and never with Alt; F11 is the full-screen key until a button slot
// claims it, and then keeps the slot's function. The paging keys of the desktop are the end-to-end
// tests' to press.
TEST_F(MainWindowTest, ButtonsSwipesPressesTapsAndResizesOfThePageReachTheSession) {
    const std::filesystem::path said = registry.Path() / "said.txt";
    settings.sEngDicPath = WriteFile(
        "dictionary.sh", "#!/bin/sh\nprintf '%s:%s|' \"$#\" \"$1\" >> '" + said.string() + "'\n");
    std::filesystem::permissions(settings.sEngDicPath, std::filesystem::perms::owner_all);
    settings.bUseEngDic = true;
    settings.nLRSpace = 0;
    settings.keyCodes[0] = 0xCB;   // F11 here
    settings.keyFunctions[0] = 3;  // "다음줄"
    auto window = ShowReading();
    const TextView& view = window->Session().View();
    PageWidget& page = *window->findChild<PageWidget*>();
    for (const auto& [autoRepeat, modifiers] :
         {std::pair{true, Qt::NoModifier}, {false, Qt::AltModifier}}) {
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_F11, modifiers, QString(), autoRepeat);
        QApplication::sendEvent(window.get(), &release);
    }
    QTest::keyClick(window.get(), Qt::Key_F11);
    QCoreApplication::processEvents();
    EXPECT_EQ(view.TopLine(), 1);
    EXPECT_FALSE(window->Session().FullScreen());
    // A drag up from the lower third reads on; it is no tap there.
    const int x = page.width() / 2;
    QTest::mousePress(&page, Qt::LeftButton, {}, QPoint(x, page.height() * 4 / 5));
    QTest::mouseRelease(&page, Qt::LeftButton, {}, QPoint(x, page.height() / 5));
    QCoreApplication::processEvents();
    EXPECT_EQ(view.TopLine(), 1 + view.LinesPerPage());
    // A press on the position bar of either side jumps.
    QTest::mousePress(&page, Qt::LeftButton, {}, QPoint(page.width() - 1, page.height() - 1));
    EXPECT_EQ(view.TopLine(), view.Lines().Count() - 1);
    settings.bLeftScroolbar = true;
    window->Session().UpdateLayout();
    QTest::mousePress(&page, Qt::LeftButton, {}, QPoint(1, 0));
    EXPECT_EQ(view.TopLine(), 0);
    // A tap hands the word alone to the dictionary and turns no page.
    QTest::mouseClick(&page, Qt::LeftButton, {}, QPoint(20, page.height() / 2));
    EXPECT_TRUE(QTest::qWaitFor([&said] { return !RegistryTestFolder::ReadFile(said).empty(); },
                                kPatienceMs));
    EXPECT_EQ(RegistryTestFolder::ReadFile(said), "1:reading|");
    EXPECT_EQ(view.TopLine(), 0);
    // Resizes come as the edge is dragged; the page keeps what it shows until they stop, then is
    // laid out once for the size it ends with.
    const ViewRect area = view.TextArea();
    for (int width = 200; width < 260; ++width) {
        QResizeEvent resize(QSize(width, page.height()), page.size());
        QApplication::sendEvent(&page, &resize);
    }
    EXPECT_TRUE(window->LayoutPending());
    EXPECT_EQ(view.TextArea(), area);
    page.resize(page.width() - 50, page.height());
    EXPECT_TRUE(QTest::qWaitFor([&window] { return !window->LayoutPending(); }, kPatienceMs));
    EXPECT_EQ(view.TextArea().right, page.width());
}

// What a file manager offers: a copy or a move of the files it drags, or a move alone, which is
// refused. A folder fails to open as the open dialog's choice would.
TEST_F(MainWindowTest, ADropTakesTheFirstLocalFileAsACopyAndOpensItOnceTheDropIsOver) {
    MainWindow window(settings);
    EXPECT_TRUE(window.acceptDrops());
    const std::u16string first = WriteFile("first & more.txt", "first\n");
    QMimeData data, remote, folder;
    data.setUrls({QUrl("https://example.org/book.txt"),
                  QUrl::fromLocalFile(QString::fromStdU16String(first)),
                  QUrl::fromLocalFile(QStringLiteral("/b.txt"))});
    remote.setUrls({QUrl("https://example.org/book.txt")});
    folder.setUrls({QUrl::fromLocalFile(QString::fromStdString(registry.Path().string()))});
    const Qt::DropActions copyOrMove = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent fromAfar(QPoint(10, 10), copyOrMove, &remote, Qt::LeftButton, {});
    QDragEnterEvent moveOnly(QPoint(10, 10), Qt::MoveAction, &data, Qt::LeftButton, {});
    QDragEnterEvent enter(QPoint(10, 10), copyOrMove, &data, Qt::LeftButton, {});
    QDragMoveEvent move(QPoint(20, 20), copyOrMove, &data, Qt::LeftButton, {});
    QDropEvent drop(QPointF(20, 20), copyOrMove, &data, Qt::LeftButton, {});
    for (QDropEvent* event :
         std::initializer_list<QDropEvent*>{&fromAfar, &moveOnly, &enter, &move, &drop}) {
        QApplication::sendEvent(&window, event);
        EXPECT_EQ(event->isAccepted(), event != &fromAfar && event != &moveOnly);
    }
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
    EXPECT_FALSE(window.Session().View().Document().HasDocument());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return window.Session().View().Document().documentPath == first; }, kPatienceMs));

    SeenMessage seen;
    ModalAnswer<QMessageBox> answer(Press(QMessageBox::Ok, seen));
    QDragEnterEvent enterFolder(QPoint(10, 10), copyOrMove, &folder, Qt::LeftButton, {});
    QDropEvent dropFolder(QPointF(10, 10), copyOrMove, &folder, Qt::LeftButton, {});
    QApplication::sendEvent(&window, &enterFolder);
    QApplication::sendEvent(&window, &dropFolder);
    EXPECT_TRUE(QTest::qWaitFor([&answer] { return answer.Answered(); }, kPatienceMs));
    EXPECT_EQ(seen.caption, QStringLiteral("파일 열기 실패"));
    EXPECT_FALSE(window.Session().View().Document().HasDocument());
}

// The 자동 button looks pressed while auto-scroll runs.
TEST_F(MainWindowTest, AutoScrollGoesOnUnderItsOwnDialogsAndStopsForAnotherProgram) {
    auto window = ShowReading();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const auto autoButtonShows = [&window](bool pressed) {
        for (const QToolButton* button : window->findChildren<QToolButton*>()) {
            if (button->text() == QStringLiteral("자동")) {
                return QTest::qWaitFor([=] { return button->isChecked() == pressed; }, kPatienceMs);
            }
        }
        return false;
    };
    window->Session().RunCommand(IDM_AUTOSCROLL);
    EXPECT_TRUE(autoButtonShows(true));
    bool scrollingUnderActiveDialog = false;
    ModalAnswer<QDialog> find([&](QDialog& dialog) {
        scrollingUnderActiveDialog =
            QTest::qWaitForWindowActive(&dialog) && window->Session().AutoScrolling();
        dialog.done(QDialog::Rejected);
    });
    window->Session().RunCommand(IDM_FIND);
    EXPECT_TRUE(scrollingUnderActiveDialog);
    // The desktop hands the activation back, as it does when a dialog ends.
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_TRUE(window->Session().AutoScrolling());

    QWidget other;
    other.show();
    other.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_FALSE(window->Session().AutoScrolling());
    EXPECT_TRUE(autoButtonShows(false));
}

}  // namespace
}  // namespace sorna::test
