// The window's own part: input turned into commands and calls of the session, and the real
// widgets doing what the session asks.
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPointingDevice>
#include <QToolBar>
#include <QUrl>
#include <QWheelEvent>

#include "tests/app/MainWindowFixture.h"
#include "tests/settings/LoadedSettings.h"

namespace sorna::test {
namespace {

class Taps : public MainWindowTest {
protected:
    static Ids ReleaseAt(MainWindow& window, int x, int y) {
        CommandSpy spy(window, true);
        QTest::mouseRelease(&PageOf(window), Qt::LeftButton, {}, QPoint(x, y));
        return spy.Take();
    }
    static Ids DoubleTapAt(MainWindow& window, int x, int y) {
        // As the pen gives it: a tap, then a double click in place of the second press.
        CommandSpy spy(window, true);
        PageWidget& page = PageOf(window);
        QTest::mouseClick(&page, Qt::LeftButton, {}, QPoint(x, y));
        QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(x, y),
                           page.mapToGlobal(QPointF(x, y)), Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(&page, &second);
        QTest::mouseRelease(&page, Qt::LeftButton, {}, QPoint(x, y));
        return spy.Take();
    }
    static int32_t TopLineAfterPress(MainWindow& window, int x, int y) {
        QTest::mousePress(&PageOf(window), Qt::LeftButton, {}, QPoint(x, y));
        return window.Session().View().TopLine();
    }
};

TEST_F(Taps, ReleasesInTheOuterThirdsTurnPagesInEitherOrientation) {
    auto window = ShowWindow();
    EXPECT_EQ(ReleaseAt(*window, 100, 99), Ids{IDM_PAGE_UP});
    EXPECT_EQ(ReleaseAt(*window, 100, 150), Ids{});
    EXPECT_EQ(ReleaseAt(*window, 100, 201), Ids{IDM_PAGE_DOWN});
    window->Session().RunCommand(IDM_ROTATE);
    EXPECT_EQ(ReleaseAt(*window, 79, 290), Ids{IDM_PAGE_UP});
    EXPECT_EQ(ReleaseAt(*window, 161, 10), Ids{IDM_PAGE_DOWN});
}

TEST_F(Taps, APressOnThePositionBarOfEitherSideJumpsAndItsReleaseTurnsNoPage) {
    auto window = ShowReading();
    const int32_t closing = window->Session().View().Lines().Count() - 1;
    EXPECT_EQ(TopLineAfterPress(*window, 234, 299), closing);
    EXPECT_EQ(ReleaseAt(*window, 234, 299), Ids{});
    EXPECT_EQ(TopLineAfterPress(*window, 233, 0), closing);
    settings.bLeftScroolbar = 1;
    window->Session().UpdateLayout();
    EXPECT_EQ(TopLineAfterPress(*window, 5, 0), 0);
}

TEST_F(Taps, DoubleTapsInTheMiddleThirdToggleFullScreenByPenOrTouch) {
    auto window = ShowWindow();
    EXPECT_EQ(DoubleTapAt(*window, 100, 150), Ids{IDM_FULLSCREEN});
    // In the outer thirds the releases turn the page and the double tap does nothing.
    EXPECT_EQ(DoubleTapAt(*window, 100, 250), (Ids{IDM_PAGE_DOWN, IDM_PAGE_DOWN}));

    static QPointingDevice* screen = QTest::createTouchDevice();
    CommandSpy spy(*window, true);
    // Time itself is the point here: the finger's taps must not pair with the pen's last one.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    for (int tap = 0; tap < 2; ++tap) {
        QTest::touchEvent(&PageOf(*window), screen).press(0, QPoint(120, 150));
        QTest::touchEvent(&PageOf(*window), screen).release(0, QPoint(120, 150));
    }
    EXPECT_EQ(spy.Take(), Ids{IDM_FULLSCREEN});
}

TEST_F(Taps, InDictionaryModeAWordGoesToTheDictionaryAndNoPageTurns) {
    const std::filesystem::path said = registry.Path() / "said.txt";
    settings.sEngDicPath =
        WriteFile("dictionary.sh", "#!/bin/sh\nprintf '%s|' \"$1\" >> '" + said.string() + "'\n");
    std::filesystem::permissions(settings.sEngDicPath, std::filesystem::perms::owner_all);
    settings.bUseEngDic = 1;
    settings.nLRSpace = 0;
    auto window = ShowReading();
    CommandSpy spy(*window, true);
    QTest::mouseClick(&PageOf(*window), Qt::LeftButton, {}, QPoint(20, 250));
    EXPECT_TRUE(QTest::qWaitFor([&said] { return !RegistryTestFolder::ReadFile(said).empty(); },
                                kPatienceMs));
    EXPECT_EQ(RegistryTestFolder::ReadFile(said), "reading|");
    EXPECT_EQ(spy.Take(), Ids{});
}

class Keys : public MainWindowTest {
protected:
    static void Release(QWidget& window, int key, bool autoRepeat = false,
                        Qt::KeyboardModifiers modifiers = {}) {
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, QString(), autoRepeat);
        QApplication::sendEvent(&window, &release);
    }
};

TEST_F(Keys, HardwareButtonReleasePostsTheFunctionOfTheFirstSlotHoldingIt) {
    settings.keyCodes = {0xC1, 0xC3, 0xC3, 0xC4, 0xC5, 0xC6};
    settings.keyFunctions = {2, 3, 5, 0, 0, 0};
    auto window = ShowWindow();
    CommandSpy spy(*window, true);
    Release(*window, Qt::Key_F1);
    EXPECT_EQ(spy.Take(), Ids{IDM_PAGE_DOWN});
    // Two slots hold F3: only the first one's function runs.
    Release(*window, Qt::Key_F3);
    EXPECT_EQ(spy.Take(), Ids{IDM_LINE_DOWN});
    // A held key acts once, on its last release; with Alt down the release is a system key's.
    Release(*window, Qt::Key_F1, true);
    Release(*window, Qt::Key_F1, false, Qt::AltModifier);
    EXPECT_EQ(spy.Take(), Ids{});
    // A slot without a function posts the command that does nothing; no slot, no command.
    Release(*window, Qt::Key_F4);
    Release(*window, Qt::Key_F9);
    EXPECT_EQ(spy.Take(), Ids{IDC_NONE});
    // The paging keys keep their own command.
    QTest::keyClick(window.get(), Qt::Key_PageDown);
    EXPECT_EQ(spy.Take(), Ids{IDM_PAGE_DOWN});
}

TEST_F(Keys, AcceleratorsAndPagingKeysPostTheirCommandsAndAltF4DoesNotClose) {
    auto window = ShowReading();
    CommandSpy spy(*window, false);
    QTest::keyClick(window.get(), Qt::Key_F4, Qt::AltModifier);
    QTest::keyClick(window.get(), Qt::Key_Slash, Qt::AltModifier);
    EXPECT_EQ(spy.Take(), (Ids{IDM_ALT_F4, IDM_ALT_SLASH}));
    EXPECT_TRUE(window->isVisible());

    QTest::keyClick(window.get(), Qt::Key_Down);
    EXPECT_EQ(spy.Take(), (Ids{IDM_KEY_DOWN, IDM_PAGE_DOWN}));
    EXPECT_EQ(window->Session().View().TopLine(), window->Session().View().LinesPerPage());
    QTest::keyClick(window.get(), Qt::Key_Space);
    EXPECT_EQ(spy.Take(), Ids{IDM_PAGE_DOWN});
    QTest::keyClick(window.get(), Qt::Key_Return);
    EXPECT_EQ(spy.Take(), Ids{IDM_FULLSCREEN});
}

// A wheel turn over the middle of the window. Sent by hand it is not passed on from the page to
// the window as the pointer's own is, so it goes to the window itself.
TEST_F(MainWindowTest, TheWheelStepsByTheLineCommandsTowardsTheUserForward) {
    QApplication::setWheelScrollLines(3);
    auto window = ShowReading();
    CommandSpy spy(*window, false);
    for (const int angleDelta : {-120, 120}) {
        const QPointF middle(window->width() / 2.0, window->height() / 2.0);
        QWheelEvent wheel(middle, window->mapToGlobal(middle), QPoint(), QPoint(0, angleDelta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(window.get(), &wheel);
        EXPECT_EQ(spy.Take(), Ids(3, angleDelta < 0 ? IDM_LINE_DOWN : IDM_LINE_UP));
        EXPECT_EQ(window->Session().View().TopLine(), angleDelta < 0 ? 3 : 0);
    }
}

// What a file manager offers: a copy or a move of the files it drags.
TEST_F(MainWindowTest, ADropTakesTheFirstLocalFileAsACopyAndOpensItOnceTheDropIsOver) {
    auto window = ShowWindow();
    const auto drop = [&window](const QList<QUrl>& urls, Qt::DropActions offered) {
        QMimeData data;
        data.setUrls(urls);
        const QPoint middle(window->width() / 2, window->height() / 2);
        QDragEnterEvent enter(middle, offered, &data, Qt::LeftButton, {});
        QApplication::sendEvent(window.get(), &enter);
        QDropEvent dropped(middle, offered, &data, Qt::LeftButton, {});
        if (enter.isAccepted()) {
            QApplication::sendEvent(window.get(), &dropped);
        }
        return enter.isAccepted() && dropped.isAccepted() ? dropped.dropAction() : Qt::IgnoreAction;
    };
    const Qt::DropActions copyOrMove = Qt::CopyAction | Qt::MoveAction;
    const std::u16string first = WriteFile("first & more.txt", "first\n");
    const QUrl firstUrl = QUrl::fromLocalFile(QString::fromStdU16String(first));
    const QUrl remote("https://example.org/book.txt");
    EXPECT_TRUE(window->acceptDrops());
    EXPECT_EQ(drop({remote}, copyOrMove), Qt::IgnoreAction);
    EXPECT_EQ(drop({}, copyOrMove), Qt::IgnoreAction);
    // A source that would only move the file does not get to.
    EXPECT_EQ(drop({firstUrl}, Qt::MoveAction), Qt::IgnoreAction);
    QCoreApplication::processEvents();
    EXPECT_FALSE(window->Session().View().Document().HasDocument());

    const QUrl second = QUrl::fromLocalFile(QString::fromStdU16String(WriteFile("b.txt", "b\n")));
    EXPECT_EQ(drop({remote, firstUrl, second}, copyOrMove), Qt::CopyAction);
    // The drop is over before the file opens.
    EXPECT_FALSE(window->Session().View().Document().HasDocument());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return window->Session().View().Document().documentPath == first; }, kPatienceMs));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("first & more.txt - Sorna 1.71"));
}

TEST_F(MainWindowTest, AutoScrollGoesOnUnderItsOwnDialogsAndStopsForAnotherProgram) {
    auto window = ShowReading();
    Activate(*window);
    window->Session().RunCommand(IDM_AUTOSCROLL);
    bool scrollingUnderActiveDialog = false;
    WhenDialogOpens([&](QDialog& dialog) {
        scrollingUnderActiveDialog =
            QTest::qWaitForWindowActive(&dialog) && window->Session().AutoScrolling();
        dialog.done(QDialog::Rejected);
    });
    window->Session().RunCommand(IDM_FIND);
    EXPECT_TRUE(scrollingUnderActiveDialog);
    // The desktop hands the activation back, as it does when a dialog ends.
    Activate(*window);
    EXPECT_TRUE(window->Session().AutoScrolling());

    QWidget other;
    other.show();
    Activate(other);
    EXPECT_FALSE(window->Session().AutoScrolling());
}

TEST_F(MainWindowTest, TheWindowReopensTheLastFileSwitchesFullScreenAndItsCloseSavesThePlace) {
    const std::u16string path = WriteFile("a.txt", std::string(5000, 'a') + "\n");
    settings.recentFiles.RememberFile(path, 0);
    auto window = ShowWindow();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("a.txt - Sorna 1.71"));
    window->Session().RunCommand(IDM_PAGE_DOWN);
    const int32_t position = window->Session().View().TopOffset();
    ASSERT_GT(position, 0);

    QToolBar& bar = *window->findChild<QToolBar*>();
    window->Session().RunCommand(IDM_FULLSCREEN);
    EXPECT_TRUE(window->isFullScreen());
    EXPECT_FALSE(bar.isVisible());
    window->Session().RunCommand(IDM_FULLSCREEN);
    EXPECT_FALSE(window->isFullScreen());
    EXPECT_TRUE(bar.isVisible());

    ASSERT_TRUE(window->close());
    LoadRegistry(registry.Path());
    EXPECT_EQ(LoadedSettings().recentFiles.Entries().at(0), (HistoryEntry{path, position, u""}));
}

}  // namespace
}  // namespace sorna::test
