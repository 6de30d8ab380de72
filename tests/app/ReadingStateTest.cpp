#include "platform/TickCount.h"
#include "tests/app/SessionFixture.h"

namespace sorna::test {
namespace {

class ReadingState : public SessionTest {};

// A new font keeps the place where the file was left on the top line. Where the start reopens
// the file, and that a resize keeps the place, the commands' tests see.
TEST_F(ReadingState, NewSettingsKeepThePlaceWhereTheReopenedFileWasLeft) {
    settings.recentFiles.RememberFile(CorpusPath("ko-cp949-novel-03.txt"), 20000);
    Start();
    settings.nFontSize = 24;
    device.metrics.wideWidth = 30;
    session.ApplySettings();
    EXPECT_EQ(session.View().Font().size, 24);
    EXPECT_EQ(session.View().FindLine(20000), TopLine());
    // Hand-edited sizes count only as far as they leave a readable page, 292 pixels high here.
    for (const auto [size, spacing, usedSize, lineHeight] :
         {std::array{10000, 100000, 200, 16 + 292 / 3}, std::array{-1, -20, 5, 16}}) {
        settings.nFontSize = size;
        settings.nLineSpace = spacing;
        session.ApplySettings();
        EXPECT_EQ(session.View().Font().size, usedSize);
        EXPECT_EQ(session.View().LineHeight(), lineHeight);
    }
}

// The end-to-end tests see the reading position saved at the close and found at the next start.
TEST_F(ReadingState, FullScreenIsSavedAtTheCloseEnteredAtTheNextStartAndAgainOnComingBack) {
    Start();
    session.RunCommand(IDM_FULLSCREEN);
    ASSERT_TRUE(shell.fullScreen && session.Close());
    settings = Saved();
    EXPECT_TRUE(settings.bFullscreen);

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
        EXPECT_EQ(session.View().Colours().back, ok ? 0x00336699u : before);
        EXPECT_EQ(Saved().clrBkgnd, ok ? 0x00336699u : before);
    }
}

TEST_F(ReadingState, CommandsSavesAndClosesThatComeDuringALoadWaitForItsEnd) {
    const std::u16string novel = CorpusPath("ko-cp949-novel-01.txt");
    settings.bShowProgress = true;
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
    EXPECT_EQ(Saved().recentFiles.Entries(), (std::vector{HistoryEntry{novel, 0, u"", u""}}));
    EXPECT_EQ(shell.closesPosted, 1);
    RunPosted();
    EXPECT_EQ(TopLine(), 1);
}

// Auto-scroll over 400 lines that each start with an English word, with a novel second in the
// recent files. The keeper's calls are noted from then on.
class KeepAwake : public SessionTest {
protected:
    void SetUp() override {
        std::string text;
        for (int line = 0; line < 400; ++line) {
            text += "reading 가나다라마바사 " + std::to_string(line) + "\n";
        }
        settings.recentFiles.RememberFile(CorpusPath("ko-utf8-novel-01.txt"), 0);
        settings.recentFiles.RememberFile(WriteFile("words.txt", text), 0);
        settings.nLRSpace = 0;
        settings.nAutoScrollSpeed = 1000;
        Start();
        ASSERT_TRUE(session.View().Document().HasDocument());
        inhibitor.calls.clear();
        session.RunCommand(IDM_AUTOSCROLL);
    }
};

// The view's own tests time the pace; the end of the text is one of the stops below.
TEST_F(KeepAwake, StepsAtTheSettingsPaceAndEachStepIsUserActivity) {
    const uint32_t now = TickCount();
    session.AutoScrollTick(now);
    EXPECT_EQ(RunPosted(), Ids{});
    session.AutoScrollTick(now + 60000);
    EXPECT_EQ(RunPosted(), Ids{IDM_LINE_DOWN});
    // The next line waits its own time from this step.
    session.AutoScrollTick(now + 61000);
    EXPECT_EQ(RunPosted(), Ids{});
    EXPECT_TRUE(session.AutoScrolling());
    EXPECT_EQ(inhibitor.calls, "inhibit activity ");
}

// What may happen while auto-scroll runs: whether it stops, and whether it shows a dialog (or
// starts the dictionary). What stops it gives the device back at once and for good, before any
// dialog; the find and bookmark dialogs are part of reading, and the window's test sees their
// activation.
struct Event {
    const char* name;
    bool stops;
    bool opensDialog;
    std::function<void(ReaderSession&)> happen;
};

class EveryEvent : public KeepAwake, public testing::WithParamInterface<Event> {};

TEST_P(EveryEvent, StopsAutoScrollAndGivesTheDeviceBackOrLetsItGoOn) {
    const std::string calls = GetParam().stops ? "inhibit uninhibit " : "inhibit ";
    std::string underDialog = "no dialog";
    shell.duringDialog = [&] { underDialog = inhibitor.calls; };
    GetParam().happen(session);
    EXPECT_EQ(session.AutoScrolling(), !GetParam().stops);
    EXPECT_EQ(inhibitor.calls, calls);
    EXPECT_EQ(underDialog, GetParam().opensDialog ? calls : "no dialog");
    // Coming back from a dialog of its own neither stops auto-scroll nor starts it again.
    session.ActivationChanged(false, true);
    session.ActivationChanged(true, false);
    EXPECT_EQ(inhibitor.calls, calls);
}

const Event kEvents[] = {
    {"TheEndOfTheText", true, false,
     [](ReaderSession& session) {
         session.JumpToBar(299);
         session.AutoScrollTick(TickCount());
     }},
    {"ItsOwnCommand", true, false, [](ReaderSession& s) { s.RunCommand(IDM_AUTOSCROLL); }},
    {"AnotherProgramsWindow", true, false,
     [](ReaderSession& s) { s.ActivationChanged(false, false); }},
    {"TheAboutBox", true, true, [](ReaderSession& s) { s.RunCommand(IDM_ABOUT); }},
    {"TheSettingsDialog", true, true, [](ReaderSession& s) { s.RunCommand(IDM_SETTINGS); }},
    {"TheOpenFileDialog", true, true, [](ReaderSession& s) { s.RunCommand(IDM_OPEN); }},
    {"OpeningAnotherDocument", true, false,
     [](ReaderSession& s) { s.RunCommand(IDM_RECENT_00 + 1); }},
    {"ClosingTheDocument", true, false, [](ReaderSession& s) { s.RunCommand(IDM_CLOSE); }},
    {"TheDictionaryLaunch", true, true, [](ReaderSession& s) { s.LookUpWord(20, 10); }},
    {"ClosingTheWindow", true, false, [](ReaderSession& s) { EXPECT_TRUE(s.Close()); }},
    {"TheFindDialog", false, true, [](ReaderSession& s) { s.RunCommand(IDM_FIND); }},
    {"TheAddBookmarkDialog", false, true, [](ReaderSession& s) { s.RunCommand(IDM_BOOKMARK_ADD); }},
    {"TheBookmarksDialog", false, true, [](ReaderSession& s) { s.RunCommand(IDM_BOOKMARK_EDIT); }},
};

INSTANTIATE_TEST_SUITE_P(AutoScroll, EveryEvent, testing::ValuesIn(kEvents),
                         [](const testing::TestParamInfo<Event>& info) { return info.param.name; });

}  // namespace
}  // namespace sorna::test
