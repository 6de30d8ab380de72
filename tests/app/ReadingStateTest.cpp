#include <QStyle>
#include <QToolBar>

#include "app/qt/ProgressWindow.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/settings/LoadedSettings.h"

namespace sorna::test {
namespace {

class ReadingState : public MainWindowTest {
protected:
    // The settings as the next start would read them from the files on disk.
    Settings Saved() const {
        LoadRegistry(registry.Path());
        return LoadedSettings();
    }

    // A new layout keeps the character that began the top line on the top line.
    template <typename Change>
    static void ExpectPlaceKept(const MainWindow& window, Change change) {
        const int32_t before = window.View().TopOffset();
        change();
        EXPECT_EQ(window.View().FindLine(before), window.View().TopLine());
        EXPECT_LE(window.View().TopOffset(), before);
    }
};

TEST_F(ReadingState, StartReopensTheLastFileWhereItWasLeftWhateverTheLayout) {
    const std::u16string novel = CorpusPath("ko-cp949-novel-03.txt");
    settings.recentFiles.RememberFile(novel, 20000);
    auto window = ShowWindow(240, 320);
    ASSERT_EQ(window->View().Document().documentPath, novel);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("ko-cp949-novel-03.txt - Sorna 1.71"));
    EXPECT_LE(window->View().TopOffset(), 20000);
    EXPECT_GT(window->View().TopOffset(), 20000 - 100);
    const int32_t narrowLine = window->View().TopLine();

    ExpectPlaceKept(*window, [&] { SetPageSize(*window, 480, 320); });
    EXPECT_LT(window->View().TopLine(), narrowLine);
    ExpectPlaceKept(*window, [&] {
        settings.nFontSize = 24;
        window->ApplySettings();
    });
    EXPECT_EQ(window->View().Font().size, 24);
    ExpectPlaceKept(*window, [&] { window->RunCommand(IDM_ROTATE); });
    EXPECT_TRUE(window->View().Font().rotated);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("ko-cp949-novel-03.txt - Sorna 1.71"));
}

TEST_F(ReadingState, AMostRecentFileThatIsGoneOrAFolderLeavesTheWindowEmptyAndSilent) {
    settings.recentFiles.RememberFile(registry.Path().u16string() + u"/gone.txt", 10);
    auto window = ShowWindow();
    settings.recentFiles.RememberFile(registry.Path().u16string(), 10);
    MainWindow another(settings);
    another.show();
    ASSERT_TRUE(StartedUp(another));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(window->View().Document().HasDocument() ||
                 another.View().Document().HasDocument());
    EXPECT_EQ(another.windowTitle(), QStringLiteral("Sorna 1.71"));
}

TEST_F(ReadingState, ClosingWritesThePlaceBeingReadAndTheFullScreenState) {
    const std::u16string novel = CorpusPath("ko-utf8-novel-02.txt");
    settings.recentFiles.RememberFile(novel, 0);
    auto window = ShowWindow();
    window->RunCommand(IDM_PAGE_DOWN);
    window->RunCommand(IDM_PAGE_DOWN);
    const int32_t position = window->View().TopOffset();
    ASSERT_GT(position, 0);
    window->RunCommand(IDM_FULLSCREEN);
    EXPECT_TRUE(window->isFullScreen());
    EXPECT_FALSE(window->findChild<QToolBar*>()->isVisible());
    ASSERT_TRUE(window->close());

    const Settings saved = Saved();
    ASSERT_FALSE(saved.recentFiles.Entries().empty());
    EXPECT_EQ(saved.recentFiles.Entries()[0], (HistoryEntry{novel, position, u""}));
    EXPECT_EQ(saved.bFullscreen, 1);

    // The next start opens a normal window and then goes to full screen, at the same place.
    settings = saved;
    MainWindow next(settings);
    EXPECT_FALSE(next.FullScreenLayout());
    next.show();
    ASSERT_TRUE(StartedUp(next));
    EXPECT_TRUE(QTest::qWaitFor([&next] { return next.FullScreenLayout(); }, kPatienceMs));
    EXPECT_EQ(next.View().TopOffset(), position);
    next.RunCommand(IDM_FULLSCREEN);
    EXPECT_FALSE(next.isFullScreen());
    EXPECT_TRUE(next.findChild<QToolBar*>()->isVisible());
}

TEST_F(ReadingState, TheSettingsCommandSavesAndAppliesEvenWhenTheDialogIsLeftWithoutOk) {
    auto window = ShowWindow();
    window->RunCommand(IDM_AUTOSCROLL);
    ASSERT_TRUE(window->AutoScrolling());
    bool scrollingUnderDialog = true;
    WhenDialogOpens([&](QDialog& dialog) {
        scrollingUnderDialog = window->AutoScrolling();
        // Colours and the keyboard's keys take effect at once, before the dialog ends.
        settings.clrBkgnd = 0x00336699;
        dialog.done(QDialog::Rejected);
    });
    window->RunCommand(IDM_SETTINGS);
    EXPECT_FALSE(scrollingUnderDialog);
    EXPECT_EQ(window->View().BackColour(), 0x00336699u);
    EXPECT_EQ(Saved().clrBkgnd, 0x00336699u);
}

TEST_F(ReadingState, AutoScrollStepsLinesAndStopsAtTheEndAndOnEveryActivationChange) {
    std::string text;
    for (int line = 0; line < 40; ++line) {
        text += "줄" + std::to_string(line) + "\n";
    }
    settings.recentFiles.RememberFile(WriteFile("short.txt", text), 0);
    settings.nAutoScrollSpeed = 1;
    auto window = ShowWindow(240, 300);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->RunCommand(IDM_AUTOSCROLL);
    ASSERT_TRUE(window->AutoScrolling());
    EXPECT_TRUE(QTest::qWaitFor([&window] { return window->View().TopLine() >= 2; }, kPatienceMs));

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_FALSE(window->AutoScrolling());
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_FALSE(window->AutoScrolling());

    // With the end of the text on the page it stops by itself.
    window->RunCommand(IDM_AUTOSCROLL);
    EXPECT_TRUE(QTest::qWaitFor([&window] { return !window->AutoScrolling(); }, kPatienceMs));
    EXPECT_EQ(window->View().CountLetters(), std::nullopt);
}

TEST_F(ReadingState, MarginsWiderThanThePageLeaveAnEmptyTextAreaAndNothingBreaks) {
    const std::u16string novel = CorpusPath("ko-cp949-novel-01.txt");
    settings.recentFiles.RememberFile(novel, 3000);
    settings.nLRSpace = 400;
    settings.nTBSpace = 2000000000;
    auto window = ShowWindow(240, 300);
    ASSERT_EQ(window->View().Document().documentPath, novel);
    EXPECT_EQ(window->View().TextArea().Width(), 0);
    EXPECT_EQ(window->View().TextArea().Height(), 0);
    window->RunCommand(IDM_PAGE_DOWN);
    window->RunCommand(IDM_LINE_DOWN);
    QTest::mouseClick(&PageOf(*window), Qt::LeftButton, {}, QPoint(237, 150));
    EXPECT_FALSE(PageOf(*window).grab().isNull());

    settings.nLRSpace = 4;
    settings.nTBSpace = 4;
    window->ApplySettings();
    EXPECT_GT(window->View().LinesPerPage(), 5);
    EXPECT_GT(window->View().Lines().Count(), 100);
}

// Does something once, while the progress window of the next load comes up: the load is then
// under way, handling events from inside.
class DuringLoad : public QObject {
public:
    explicit DuringLoad(std::function<void()> action) : action_(std::move(action)) {
        qApp->installEventFilter(this);
    }
    ~DuringLoad() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Show && qobject_cast<ProgressWindow*>(object) && action_) {
            std::exchange(action_, nullptr)();
        }
        return false;
    }

private:
    std::function<void()> action_;
};

TEST_F(ReadingState, CommandsAndClosesThatComeDuringALoadWaitForItsEnd) {
    const std::u16string novel = CorpusPath("ko-cp949-novel-01.txt");
    settings.bShowProgress = 1;
    auto window = ShowWindow();
    {
        DuringLoad stepAndExit([&window] {
            PostCommand(*window, IDM_LINE_DOWN);
            PostCommand(*window, IDM_EXIT);
        });
        ASSERT_TRUE(window->OpenDocument(novel, 0));
    }
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->View().TopLine(), 0);
    EXPECT_TRUE(window->findChildren<ProgressWindow*>().isEmpty());
    // Then the step and the exit, in the order they came.
    const int32_t secondLine = window->View().Lines()[1];
    ASSERT_TRUE(QTest::qWaitFor([&window] { return !window->isVisible(); }, kPatienceMs));
    const Settings saved = Saved();
    ASSERT_FALSE(saved.recentFiles.Entries().empty());
    EXPECT_EQ(saved.recentFiles.Entries()[0].path, novel);
    EXPECT_EQ(saved.recentFiles.Entries()[0].position, secondLine);

    // A close from the desktop waits too.
    window->show();
    {
        DuringLoad closeNow([&window] { window->close(); });
        ASSERT_TRUE(window->OpenDocument(novel, secondLine));
    }
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->View().TopOffset(), secondLine);
    EXPECT_TRUE(QTest::qWaitFor([&window] { return !window->isVisible(); }, kPatienceMs));
}

}  // namespace
}  // namespace sorna::test
