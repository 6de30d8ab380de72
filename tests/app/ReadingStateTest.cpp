#include "tests/app/SessionFixture.h"

namespace sorna::test {
namespace {

class ReadingState : public SessionTest {};

TEST_F(ReadingState, StartReopensTheLastFileWhereItWasLeftWhateverTheLayout) {
    // A new layout keeps the character that began the top line on the top line.
    const auto expectPlaceKept = [this](const std::function<void()>& change) {
        const int32_t before = TopOffset();
        change();
        EXPECT_EQ(session.View().FindLine(before), TopLine());
        EXPECT_LE(TopOffset(), before);
    };
    settings.recentFiles.RememberFile(CorpusPath("ko-cp949-novel-03.txt"), 20000);
    Start();
    EXPECT_LE(TopOffset(), 20000);
    EXPECT_GT(TopOffset(), 20000 - 100);
    const int32_t narrowLine = TopLine();
    expectPlaceKept([&] {
        shell.page = {0, 0, 480, 320};
        session.PageResized();
    });
    EXPECT_LT(TopLine(), narrowLine);
    expectPlaceKept([&] {
        settings.nFontSize = 24;
        device.metrics.wideWidth = 30;
        session.ApplySettings();
    });
    EXPECT_EQ(session.View().Font().size, 24);
    EXPECT_EQ(shell.caption, u"ko-cp949-novel-03.txt - Sorna 1.71");
}

// The end-to-end tests see the reading position saved at the close and found at the next start.
TEST_F(ReadingState, FullScreenIsSavedAtTheCloseEnteredAtTheNextStartAndAgainOnComingBack) {
    Start();
    session.RunCommand(IDM_FULLSCREEN);
    ASSERT_TRUE(shell.fullScreen && session.Close());
    settings = Saved();
    EXPECT_EQ(settings.bFullscreen, 1);

    ReaderSession next(settings, shell, device, inhibitor);
    shell.fullScreen = false;
    next.Start();
    ASSERT_EQ(shell.posted, Ids{IDM_FULLSCREEN});
    next.RunPostedCommand(IDM_FULLSCREEN);
    EXPECT_TRUE(shell.fullScreen && next.FullScreen());
    // Whatever the desktop did meanwhile.
    shell.fullScreen = false;
    next.ActivationChanged(true, false);
    EXPECT_TRUE(shell.fullScreen);
    next.RunCommand(IDM_FULLSCREEN);
    next.ActivationChanged(true, false);
    EXPECT_FALSE(shell.fullScreen || next.FullScreen());
}

TEST_F(ReadingState, TheSettingsDialogsChangesAreKeptByOkAndTakenBackOtherwise) {
    Start();
    const uint32_t before = settings.clrBkgnd;
    // Colours and the keyboard's keys change at once, and the minute's save may store them.
    shell.duringDialog = [&] {
        settings.clrBkgnd = 0x00336699;
        settings.SaveSettings();
    };
    for (const bool ok : {false, true}) {
        shell.yes = ok;
        session.RunCommand(IDM_SETTINGS);
        EXPECT_EQ(session.View().BackColour(), ok ? 0x00336699u : before);
        EXPECT_EQ(Saved().clrBkgnd, ok ? 0x00336699u : before);
    }
}

TEST_F(ReadingState, CommandsSavesAndClosesThatComeDuringALoadWaitForItsEnd) {
    const std::u16string novel = CorpusPath("ko-cp949-novel-01.txt");
    settings.bShowProgress = 1;
    Start();
    shell.duringLoad = [this] {
        session.RunPostedCommand(IDM_LINE_DOWN);
        session.SaveReadingState();
        EXPECT_FALSE(session.Close());
    };
    ASSERT_TRUE(session.OpenDocument(novel, 0));
    EXPECT_EQ(TopLine(), 0);
    // Then, in the order they came: the step posted again, the save, the close posted again.
    EXPECT_EQ(shell.posted, Ids{IDM_LINE_DOWN});
    EXPECT_EQ(Saved().recentFiles.Entries(), (std::vector{HistoryEntry{novel, 0, u""}}));
    EXPECT_EQ(shell.closesPosted, 1);
    RunPosted();
    EXPECT_EQ(TopLine(), 1);
}

}  // namespace
}  // namespace sorna::test
