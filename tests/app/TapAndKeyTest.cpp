#include <QKeyEvent>
#include <QPointingDevice>

#include "tests/app/MainWindowFixture.h"

namespace sorna::test {
namespace {

class Taps : public MainWindowTest {
protected:
    Ids ReleaseAt(MainWindow& window, int x, int y) {
        CommandSpy spy(window, true);
        QTest::mouseRelease(&PageOf(window), Qt::LeftButton, {}, QPoint(x, y));
        return spy.Take();
    }
    Ids DoubleTapAt(MainWindow& window, int x, int y) {
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
    int32_t TopLineAfterPress(MainWindow& window, int x, int y) {
        QTest::mousePress(&PageOf(window), Qt::LeftButton, {}, QPoint(x, y));
        return window.View().TopLine();
    }
};

TEST_F(Taps, OuterThirdsTurnPagesAcrossTheLinesInEitherOrientation) {
    auto window = ShowWindow(240, 300);
    EXPECT_EQ(ReleaseAt(*window, 100, 99), Ids{IDM_PAGE_UP});
    EXPECT_EQ(ReleaseAt(*window, 100, 100), Ids{});
    EXPECT_EQ(ReleaseAt(*window, 100, 200), Ids{});
    EXPECT_EQ(ReleaseAt(*window, 100, 201), Ids{IDM_PAGE_DOWN});
    window->RunCommand(IDM_ROTATE);
    EXPECT_EQ(ReleaseAt(*window, 79, 290), Ids{IDM_PAGE_UP});
    EXPECT_EQ(ReleaseAt(*window, 80, 10), Ids{});
    EXPECT_EQ(ReleaseAt(*window, 160, 290), Ids{});
    EXPECT_EQ(ReleaseAt(*window, 161, 10), Ids{IDM_PAGE_DOWN});
}

TEST_F(Taps, PositionBarStripOnEitherSideJumpsOnPressAndIgnoresRelease) {
    settings.recentFiles.RememberFile(CorpusPath("ko-cp949-novel-02.txt"), 0);
    settings.nTBSpace = 4;  // the text area runs from y = 4 to y = 296
    auto window = ShowWindow(240, 300);
    ASSERT_GT(window->View().Lines().Count(), 100);
    const int32_t closing = window->View().Lines().Count() - 1;

    // Below the text area the bar means the closing entry; half way down, half way through.
    EXPECT_EQ(TopLineAfterPress(*window, 234, 299), closing);
    EXPECT_EQ(TopLineAfterPress(*window, 239, 0), 0);
    EXPECT_EQ(TopLineAfterPress(*window, 233, 299), 0);
    EXPECT_EQ(ReleaseAt(*window, 234, 299), Ids{});
    EXPECT_EQ(ReleaseAt(*window, 233, 299), Ids{IDM_PAGE_DOWN});

    settings.bLeftScroolbar = 1;
    window->UpdateLayout();
    const int32_t middle = window->View().Lines().Count() / 2;
    EXPECT_EQ(TopLineAfterPress(*window, 5, 150), middle);
    EXPECT_EQ(TopLineAfterPress(*window, 6, 0), middle);
    EXPECT_EQ(TopLineAfterPress(*window, 234, 0), middle);
    EXPECT_EQ(ReleaseAt(*window, 5, 299), Ids{});
    EXPECT_EQ(ReleaseAt(*window, 234, 299), Ids{IDM_PAGE_DOWN});
}

TEST_F(Taps, DoubleTapsInTheMiddleThirdToggleFullScreenByPenOrTouch) {
    auto window = ShowWindow(240, 300);
    EXPECT_EQ(DoubleTapAt(*window, 100, 101), Ids{IDM_FULLSCREEN});
    EXPECT_EQ(DoubleTapAt(*window, 100, 199), Ids{IDM_FULLSCREEN});
    EXPECT_EQ(DoubleTapAt(*window, 100, 100), Ids{});
    EXPECT_EQ(DoubleTapAt(*window, 100, 200), Ids{});
    // Near the left edge it is ignored, wherever the bar is.
    EXPECT_EQ(DoubleTapAt(*window, 3, 150), Ids{});
    // In the outer thirds the releases turn the page and the double tap does nothing.
    EXPECT_EQ(DoubleTapAt(*window, 100, 250), (Ids{IDM_PAGE_DOWN, IDM_PAGE_DOWN}));

    // A finger's taps come as the pen's.
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

TEST_F(Taps, DictionaryModeHandsLetterWordsToTheDictionaryAndTurnsNoPages) {
    const std::filesystem::path said = registry.Path() / "said.txt";
    settings.sEngDicPath =
        WriteFile("dictionary.sh", "#!/bin/sh\nprintf '%s|' \"$1\" >> '" + said.string() + "'\n");
    std::filesystem::permissions(settings.sEngDicPath, std::filesystem::perms::owner_all);
    settings.bUseEngDic = 1;
    settings.nLRSpace = 0;
    std::string text;
    for (int line = 0; line < 40; ++line) {
        text += "reading 가나다라마바사\n";
    }
    settings.recentFiles.RememberFile(WriteFile("words.txt", text), 0);
    auto window = ShowWindow(240, 300);
    CommandSpy spy(*window, true);
    // A Korean word goes nowhere; an English one goes to the dictionary.
    QTest::mouseClick(&PageOf(*window), Qt::LeftButton, {}, QPoint(100, 250));
    QTest::mouseClick(&PageOf(*window), Qt::LeftButton, {}, QPoint(20, 250));
    EXPECT_TRUE(
        QTest::qWaitFor([&said] { return !RegistryTestFolder::ReadFile(said).empty(); }, kPatienceMs));
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
}

TEST_F(Keys, AcceleratorsPostTheirCommandsAndAltF4DoesNotClose) {
    settings.recentFiles.RememberFile(CorpusPath("ko-cp949-novel-02.txt"), 0);
    auto window = ShowWindow(240, 300);
    ASSERT_GT(window->View().Lines().Count(), 100);
    CommandSpy spy(*window, false);
    QTest::keyClick(window.get(), Qt::Key_F4, Qt::AltModifier);
    QTest::keyClick(window.get(), Qt::Key_Slash, Qt::AltModifier);
    EXPECT_EQ(spy.Take(), (Ids{IDM_ALT_F4, IDM_ALT_SLASH}));
    EXPECT_TRUE(window->isVisible());

    QTest::keyClick(window.get(), Qt::Key_Down);
    EXPECT_EQ(spy.Take(), (Ids{IDM_KEY_DOWN, IDM_PAGE_DOWN}));
    EXPECT_EQ(window->View().TopLine(), window->View().LinesPerPage());
    QTest::keyClick(window.get(), Qt::Key_Right);
    EXPECT_EQ(spy.Take(), (Ids{IDM_KEY_RIGHT, IDM_LINE_DOWN}));
    EXPECT_EQ(window->View().TopLine(), window->View().LinesPerPage() + 1);

    // Turned, Up steps a line forward and Left a page back.
    window->RunCommand(IDM_ROTATE);
    spy.Take();
    const int32_t top = window->View().TopLine();
    QTest::keyClick(window.get(), Qt::Key_Up);
    EXPECT_EQ(spy.Take(), (Ids{IDM_KEY_UP, IDM_LINE_DOWN}));
    EXPECT_EQ(window->View().TopLine(), top + 1);
    QTest::keyClick(window.get(), Qt::Key_Left);
    EXPECT_EQ(spy.Take(), (Ids{IDM_KEY_LEFT, IDM_PAGE_UP}));

    QTest::keyClick(window.get(), Qt::Key_Return);
    spy.Take();
    EXPECT_TRUE(window->FullScreenLayout());
}

}  // namespace
}  // namespace sorna::test
