#include "tests/app/SessionFixture.h"

namespace sorna::test {
namespace {

class Commands : public SessionTest {
protected:
    void OpenNovel() {
        settings.recentFiles.RememberFile(CorpusPath("ko-cp949-novel-02.txt"), 0);
        Start();
        ASSERT_GT(session.View().Lines().Count(), 100);
    }
};

TEST_F(Commands, OpenTakesTheChosenDocumentAndCloseLeavesItsNameInTheCaption) {
    Start();
    EXPECT_EQ(shell.caption, u"Sorna 1.71");
    const std::u16string path = shell.chosenPath = WriteFile("a&b.txt", "첫 줄\n둘째 줄\n");
    session.RunCommand(IDM_OPEN);
    EXPECT_EQ(shell.caption, u"a&b.txt - Sorna 1.71");
    // A cancel leaves the open one.
    shell.chosenPath.clear();
    Run({IDM_OPEN, IDM_CLOSE});
    EXPECT_EQ(shell.dialogs, (Texts{u"open", u"open"}));
    EXPECT_FALSE(session.View().Document().HasDocument());
    EXPECT_EQ(shell.caption, u"a&b.txt - Sorna 1.71");
    EXPECT_EQ(settings.recentFiles.Entries(), (std::vector{HistoryEntry{path, 0, u"", u""}}));
}

TEST_F(Commands, AFileThatCannotBeOpenedIsToldInTheLoadersWordsOnceTheOpenOneIsRemembered) {
    const std::u16string path = WriteFile("a.txt", "글\n");
    Start();
    ASSERT_TRUE(session.OpenDocument(path, -1));
    EXPECT_FALSE(session.OpenDocument(u"", -1));  // no file at all: nothing is told
    EXPECT_FALSE(session.OpenDocument(path + u".missing", -1));
    EXPECT_EQ(shell.failures, (Texts{u"파일이 존재하지 않습니다. : " + path + u".missing"}));
    EXPECT_EQ(shell.caption, u"Sorna 1.71");
    EXPECT_EQ(settings.recentFiles.MostRecentFile(), path);
}

TEST_F(Commands, BookmarksAndRecentFilesGoWhereTheyWereLeft) {
    const std::u16string novel = CorpusPath("ko-cp949-novel-02.txt");
    const std::u16string other = CorpusPath("ko-utf8-novel-01.txt");
    settings.recentFiles.RememberFile(novel, 3000);
    settings.bookmarks.AddBookmark(other, 2000, u"다른 책");
    settings.bookmarks.AddBookmark(novel, 9000, u"이 책");
    // The reading position lies on the top line.
    const auto expectShown = [this](const std::u16string& path, int32_t at) {
        EXPECT_EQ(OpenPath(), path);
        EXPECT_LE(TopOffset(), at);
        EXPECT_EQ(session.View().FindLine(at), TopLine());
    };
    Start();
    expectShown(novel, 3000);
    // A bookmark of the open document moves within it without loading it again.
    const char16_t* text = session.View().Document().text.get();
    session.RunCommand(IDM_BOOKMARK_00);
    expectShown(novel, 9000);
    EXPECT_EQ(session.View().Document().text.get(), text);
    session.RunCommand(IDM_BOOKMARK_00 + 1);
    expectShown(other, 2000);
    // Leaving the novel put it in the recent files where it was left.
    session.RunCommand(IDM_RECENT_00);
    expectShown(novel, 9000);
    // Chosen while open, it stays where it is being read, not where the list last had it.
    session.RunCommand(IDM_PAGE_DOWN);
    const int32_t reading = TopOffset();
    session.RunCommand(IDM_RECENT_00 + 1);
    expectShown(novel, reading);
    EXPECT_GT(reading, 9000);
}

// A file named at the start opens where it was left, or at its beginning; a folder or a name of
// nothing is told and leaves the start as it was. A file named later opens as a drop does; a
// folder or a name of nothing is told and leaves the open book where it is.
TEST_F(Commands, FilesNamedByStartsOpenAndNamesOfNothingAreToldWithoutLosingThePlace) {
    const std::u16string last = WriteFile("last.txt", "마지막\n");
    const std::u16string named = WriteFile("named.txt", "첫 줄\n둘째 줄\n");
    const std::u16string missing = named + u".missing";
    const std::u16string folder = registry.Path().u16string();
    const std::u16string empty = WriteFile("empty.txt", "");
    const std::tuple<std::u16string, std::u16string, int32_t, Texts> starts[] = {
        {u"", last, 0, {}},
        {named, named, 0, {}},
        {empty, empty, -1, {}},  // an empty page
        {folder, last, 0, {u"폴더는 열 수 없습니다. : " + folder}},
        {missing, last, 0, {u"파일이 존재하지 않습니다. : " + missing}},
    };
    for (const auto& [path, opened, position, told] : starts) {
        shell.failures.clear();
        settings.recentFiles.RememberFile(last, 0);
        ASSERT_TRUE(session.OpenStartDocument(path));
        EXPECT_EQ(OpenPath(), opened);
        EXPECT_EQ(TopOffset(), position);
        EXPECT_EQ(shell.failures, told);
    }
    settings.recentFiles.RememberFile(named, 4);
    ASSERT_TRUE(session.OpenStartDocument(named));
    EXPECT_EQ(TopOffset(), 4);
    shell.failures.clear();
    for (const std::u16string& path : {missing, folder}) {
        session.OpenHandedOverDocument(path);
        EXPECT_EQ(OpenPath(), named);
        EXPECT_EQ(TopOffset(), 4);
    }
    session.OpenHandedOverDocument(last);
    EXPECT_EQ(OpenPath(), last);
    EXPECT_EQ(shell.failures, (Texts{u"파일이 존재하지 않습니다. : " + missing,
                                     u"폴더는 열 수 없습니다. : " + folder}));
}

TEST_F(Commands, EveryRecentFileOpensEvenPastWhatTheMenuShowsAndNothingPastTheLists) {
    for (int n = 14; n >= 0; --n) {
        const std::u16string path = WriteFile("book" + std::to_string(n) + ".txt", "책\n");
        settings.recentFiles.RememberFile(path, 0);
    }
    Start();
    session.RunCommand(IDM_RECENT_00 + 14);
    EXPECT_EQ(session.DocumentTitle(), u"book14.txt");
    Run({IDM_RECENT_LAST, IDM_BOOKMARK_00});
    EXPECT_EQ(session.DocumentTitle(), u"book14.txt");
}

TEST_F(Commands, ANewBookmarkProposesTheTopLineAndItsPercentage) {
    const std::u16string path =
        WriteFile("story.txt", "abc\nOnce upon a time\n0123456789012345678");
    settings.recentFiles.RememberFile(path, 4);
    Start();
    ASSERT_EQ(TopOffset(), 4);
    shell.bookmarkLabel = u"옛날 옛적";
    session.RunCommand(IDM_BOOKMARK_ADD);
    EXPECT_EQ(shell.dialogs, Texts{u"add Once upon a tim [10.0%]"});
    EXPECT_EQ(settings.bookmarks.Entries(),
              (std::vector{HistoryEntry{path, 4, u"옛날 옛적", u""}}));
    // Without a document there is nothing to mark.
    Run({IDM_CLOSE, IDM_BOOKMARK_ADD});
    EXPECT_EQ(shell.dialogs.size(), 1u);
}

TEST_F(Commands, ClearingAListAsksFirstAndActsOnlyOnYes) {
    settings.recentFiles.RememberFile(u"/books/a.txt", 1);
    settings.bookmarks.AddBookmark(u"/books/a.txt", 1, u"장");
    const Settings kept = settings;
    Start();
    shell.yes = false;
    Run({IDM_RECENT_CLEAR, IDM_BOOKMARK_CLEAR});
    EXPECT_EQ(shell.dialogs,
              (Texts{u"최근 파일 목록을 다 지우시겠습니까?", u"책갈피를 전부 지우시겠습니까?"}));
    EXPECT_EQ(settings.recentFiles, kept.recentFiles);
    EXPECT_EQ(settings.bookmarks, kept.bookmarks);
    shell.yes = true;
    session.RunCommand(IDM_RECENT_CLEAR);
    EXPECT_TRUE(settings.recentFiles.Entries().empty());
    EXPECT_EQ(settings.bookmarks, kept.bookmarks);
    session.RunCommand(IDM_BOOKMARK_CLEAR);
    EXPECT_TRUE(settings.bookmarks.Entries().empty());
}

// A code page 949 novel read as UTF-8 and back keeps its place by the byte of the file, and a
// choice by hand is stored with the document, until the automatic decision is chosen again.
TEST_F(Commands, AnEncodingChosenByHandRereadsAtTheSameByteAndIsRemembered) {
    OpenNovel();
    settings.bookmarks.AddBookmark(OpenPath(), 9003, u"장");
    session.RunCommand(IDM_BOOKMARK_00);
    const int32_t top = TopOffset();
    const std::u16string first = session.View().LineText(TopLine());
    session.RunCommand(IDM_ENCODING_AUTO + 2);  // UTF-8
    EXPECT_EQ(session.View().Document().encoding, "UTF-8");
    EXPECT_NE(TopOffset(), top);  // each byte of a syllable became a replacement character
    session.SaveReadingState();
    EXPECT_EQ(Saved().recentFiles.Entries().front().encoding, u"UTF-8");
    session.RunCommand(IDM_ENCODING_AUTO);
    EXPECT_EQ(session.View().Document().encoding, "windows-949");
    // The garbled text wraps its lines elsewhere: the page may start up to a line earlier.
    EXPECT_LE(TopOffset(), top);
    EXPECT_TRUE(session.View().LineText(TopLine()) == first ||
                session.View().LineText(TopLine() + 1) == first);
    session.SaveReadingState();
    EXPECT_EQ(Saved().recentFiles.Entries().front().encoding, u"");
    EXPECT_EQ(session.ChosenEncoding(), u"");
}

TEST_F(Commands, PagesKeepTheSharedLinesAndArrowsPostTheStepOfTheirOrientation) {
    OpenNovel();
    const int32_t perPage = session.View().LinesPerPage();
    ASSERT_GT(perPage, 3);
    // Shared lines as stored, and the step a page takes: never back, never past the page.
    const std::vector<std::pair<int32_t, int32_t>> steps = {
        {2, perPage - 2}, {0, perPage}, {perPage - 1, 1}, {perPage, 1}, {30, 1}, {-5, perPage}};
    for (const auto& [share, step] : steps) {
        settings.nShareLine = share;
        session.ApplySettings();
        session.RunCommand(IDM_PAGE_DOWN);
        EXPECT_EQ(TopLine(), step) << share;
        Run({IDM_LINE_DOWN, IDM_LINE_UP, IDM_PAGE_UP});
        EXPECT_EQ(TopLine(), 0) << share;
    }
    EXPECT_EQ(settings.nShareLine, -5);
    // Home and End: the first page, and the one that ends with the last line.
    session.RunCommand(IDM_LAST_PAGE);
    EXPECT_EQ(TopLine() + perPage, session.View().Lines().Count() - 1);
    session.RunCommand(IDM_FIRST_PAGE);
    EXPECT_EQ(TopLine(), 0);
    // Escape leaves full screen and never enters it.
    Run({IDM_LEAVE_FULLSCREEN, IDM_FULLSCREEN});
    EXPECT_TRUE(session.FullScreen());
    Run({IDM_LEAVE_FULLSCREEN, IDM_LEAVE_FULLSCREEN});
    EXPECT_FALSE(session.FullScreen() || shell.fullScreen);
    Run({IDM_KEY_DOWN, IDM_ROTATE, IDM_KEY_DOWN});
    EXPECT_EQ(shell.posted, (Ids{IDM_PAGE_DOWN, IDM_LINE_UP}));
}

// The place given by a bookmark lies inside a line at either width; it is kept until scrolled.
TEST_F(Commands, ResizesThereAndBackComeBackToTheSameLineUntilThePageIsScrolled) {
    OpenNovel();
    settings.bookmarks.AddBookmark(OpenPath(), 9003, u"장");
    session.RunCommand(IDM_BOOKMARK_00);
    const int32_t top = TopOffset();
    for (int cycle = 0; cycle < 20; ++cycle) {
        shell.page.right = 170 + cycle;
        session.UpdateLayout();
        EXPECT_EQ(session.View().FindLine(9003), TopLine());
        shell.page.right = 240;
        session.UpdateLayout();
    }
    EXPECT_EQ(TopOffset(), top);
    // Once scrolled, the top line is the place: a narrower page shows the line holding it.
    session.RunCommand(IDM_LINE_DOWN);
    const int32_t scrolled = TopOffset();
    shell.page.right = 200;
    session.UpdateLayout();
    EXPECT_EQ(session.View().FindLine(scrolled), TopLine());
}

// A window that has just been shown has its page's size before the notice of it comes: the first
// document is laid out for the page as it is, and the notice then finds nothing to lay out.
TEST_F(Commands, TheFirstDocumentIsLaidOutOnceForThePageAsItIs) {
    settings.recentFiles.RememberFile(CorpusPath("ko-cp949-novel-02.txt"), 0);
    shell.page = {0, 0, 100, 30};
    session.Start();
    shell.page = {0, 0, 240, 300};
    ASSERT_TRUE(session.ReopenMostRecentFile());
    const LineTable& lines = session.View().Lines();
    const std::vector<int32_t> opened(lines.Entries().begin(), lines.Entries().end());
    session.UpdateLayout();
    EXPECT_TRUE(std::ranges::equal(lines.Entries(), opened));
}

TEST_F(Commands, ExitPostsTheCloseAndIdsWithoutAHandlerDoNothing) {
    OpenNovel();
    session.RunCommand(IDM_PAGE_DOWN);
    const int32_t top = TopLine();
    Run({IDM_ALT_F4, IDM_ALT_SLASH, IDC_NONE, CommandId{0}});
    EXPECT_EQ(TopLine(), top);
    EXPECT_TRUE(shell.posted.empty() && shell.dialogs.empty() && shell.closesPosted == 0);
    session.RunCommand(IDM_EXIT);
    EXPECT_EQ(shell.closesPosted, 1);
}

TEST_F(Commands, OnlyALetterWordUnderATapGoesToTheDictionary) {
    settings.nLRSpace = 0;
    settings.recentFiles.RememberFile(WriteFile("words.txt", "reading 가나다라마바사\n"), 0);
    Start();
    session.LookUpWord(100, 10);
    session.LookUpWord(20, 10);
    EXPECT_EQ(shell.dialogs, Texts{u"dictionary reading"});
    session.RunCommand(IDM_USE_DICTIONARY);
    EXPECT_TRUE(settings.bUseEngDic);
    session.RunCommand(IDM_USE_DICTIONARY);
    EXPECT_FALSE(settings.bUseEngDic);
}

}  // namespace
}  // namespace sorna::test
