#include "tests/app/SessionFixture.h"

namespace sorna::test {
namespace {

class ReadingState : public SessionTest {
protected:
    // A new layout keeps the character that began the top line on the top line.
    template <typename Change>
    void ExpectPlaceKept(Change change) {
        const int32_t before = TopOffset();
        change();
        EXPECT_EQ(session.View().FindLine(before), TopLine());
        EXPECT_LE(TopOffset(), before);
    }
};

TEST_F(ReadingState, StartReopensTheLastFileWhereItWasLeftWhateverTheLayout) {
    const std::u16string novel = CorpusPath("ko-cp949-novel-03.txt");
    settings.recentFiles.RememberFile(novel, 20000);
    Start();
    ASSERT_EQ(OpenPath(), novel);
    EXPECT_EQ(shell.caption, u"ko-cp949-novel-03.txt - Sorna 1.71");
    EXPECT_LE(TopOffset(), 20000);
    EXPECT_GT(TopOffset(), 20000 - 100);
    const int32_t narrowLine = TopLine();

    ExpectPlaceKept([&] {
        shell.page = {0, 0, 480, 320};
        session.PageResized();
    });
    EXPECT_LT(TopLine(), narrowLine);
    ExpectPlaceKept([&] {
        settings.nFontSize = 24;
        device.metrics.wideWidth = 30;
        session.ApplySettings();
    });
    EXPECT_EQ(session.View().Font().size, 24);
    ExpectPlaceKept([&] { session.RunCommand(IDM_ROTATE); });
    EXPECT_TRUE(session.View().Font().rotated);
    EXPECT_EQ(shell.caption, u"ko-cp949-novel-03.txt - Sorna 1.71");
}

TEST_F(ReadingState, AMostRecentFileThatIsGoneOrAFolderLeavesTheReaderEmptyAndSilent) {
    const std::u16string folder = registry.Path().u16string();
    for (const std::u16string& path : {folder + u"/gone.txt", folder}) {
        settings.recentFiles.RememberFile(path, 10);
        Start();
        EXPECT_FALSE(session.View().Document().HasDocument());
        EXPECT_EQ(shell.failures, std::vector<std::u16string>());
        EXPECT_EQ(shell.caption, u"Sorna 1.71");
    }
}

TEST_F(ReadingState, ClosingSavesThePlaceAndFullScreenWhichTheNextStartEntersAgain) {
    const std::u16string novel = CorpusPath("ko-utf8-novel-02.txt");
    settings.recentFiles.RememberFile(novel, 0);
    Start();
    session.RunCommand(IDM_PAGE_DOWN);
    session.RunCommand(IDM_PAGE_DOWN);
    const int32_t position = TopOffset();
    ASSERT_GT(position, 0);
    session.RunCommand(IDM_FULLSCREEN);
    EXPECT_TRUE(shell.fullScreen);
    ASSERT_TRUE(session.Close());
    EXPECT_FALSE(session.View().Document().HasDocument());

    settings = Saved();
    ASSERT_FALSE(settings.recentFiles.Entries().empty());
    EXPECT_EQ(settings.recentFiles.Entries()[0], (HistoryEntry{novel, position, u""}));
    EXPECT_EQ(settings.bFullscreen, 1);

    ReaderSession next(settings, shell, device, inhibitor);
    next.Start();
    EXPECT_TRUE(next.ReopenMostRecentFile());
    EXPECT_EQ(next.View().TopOffset(), position);
    shell.fullScreen = false;
    ASSERT_EQ(shell.posted, Ids{IDM_FULLSCREEN});
    next.RunPostedCommand(IDM_FULLSCREEN);
    EXPECT_TRUE(shell.fullScreen && next.FullScreen());
    // Coming back from another program enters it again, whatever the desktop did meanwhile.
    shell.fullScreen = false;
    next.ActivationChanged(false, false);
    next.ActivationChanged(true, false);
    EXPECT_TRUE(shell.fullScreen);
    next.RunCommand(IDM_FULLSCREEN);
    EXPECT_FALSE(shell.fullScreen || next.FullScreen());
}

TEST_F(ReadingState, TheSettingsCommandSavesAndAppliesEvenWhenTheDialogIsLeftWithoutOk) {
    Start();
    // Colours and the keyboard's keys take effect at once, before the dialog ends.
    shell.duringDialog = [&] { settings.clrBkgnd = 0x00336699; };
    session.RunCommand(IDM_SETTINGS);
    EXPECT_EQ(shell.dialogs, std::vector<std::u16string>{u"settings"});
    EXPECT_EQ(session.View().BackColour(), 0x00336699u);
    EXPECT_EQ(Saved().clrBkgnd, 0x00336699u);
}

TEST_F(ReadingState, MarginsWiderThanThePageLeaveAnEmptyTextAreaAndNothingBreaks) {
    settings.recentFiles.RememberFile(CorpusPath("ko-cp949-novel-01.txt"), 3000);
    settings.nLRSpace = 400;
    settings.nTBSpace = 2000000000;
    Start();
    ASSERT_TRUE(session.View().Document().HasDocument());
    EXPECT_EQ(session.View().TextArea().Width(), 0);
    EXPECT_EQ(session.View().TextArea().Height(), 0);
    session.RunCommand(IDM_PAGE_DOWN);
    session.RunCommand(IDM_LINE_DOWN);
    session.JumpToBar(150);

    settings.nLRSpace = 4;
    settings.nTBSpace = 4;
    session.ApplySettings();
    EXPECT_GT(session.View().LinesPerPage(), 5);
    EXPECT_GT(session.View().Lines().Count(), 100);
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
    const Settings saved = Saved();
    ASSERT_FALSE(saved.recentFiles.Entries().empty());
    EXPECT_EQ(saved.recentFiles.Entries()[0], (HistoryEntry{novel, 0, u""}));
    EXPECT_EQ(shell.closesPosted, 1);
    RunPosted();
    EXPECT_EQ(TopLine(), 1);
}

}  // namespace
}  // namespace sorna::test
