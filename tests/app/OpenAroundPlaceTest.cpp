#include <filesystem>

#include "app/StartReadAhead.h"
#include "document/ByteOfPosition.h"
#include "document/LoadDocument.h"
#include "document/ReadingWindow.h"
#include "document/Utf8.h"
#include "tests/app/SessionFixture.h"
#include "tests/support/DocumentBytes.h"

namespace sorna::test {
namespace {

// A UTF-8 novel long enough to be opened and laid out around its reading place, on disk.
class OpenAroundPlace : public SessionTest {
protected:
    void SetUp() override {
        bytes = corpus::Repeated("ko-utf8-novel-02.txt", size_t{12} << 20);
        path = WriteFile("long.txt", bytes);
    }

    // The whole text read meanwhile shows in the window's place (reports of loads cancelled
    // since are passed over).
    void AdoptWhole() {
        while (session.View().ShowsWindow()) {
            ASSERT_TRUE(shell.RunWorkerTasks());
        }
    }

    std::string bytes;
    std::u16string path;
};

// A place without its byte is read whole first, then laid out around the place. The place is
// kept with its byte; the next open shows the window around it at once, pages inside it, and the
// whole text takes its place with the same line at the top, for a command that needs it or when
// it is read. The line table is the one a layout of the whole text gives.
TEST_F(OpenAroundPlace, TheRememberedPlaceShowsFirstAndTheWholeFollowsAtTheSameLine) {
    Start();
    ASSERT_TRUE(session.OpenDocument(path, -1));
    EXPECT_TRUE(session.View().ShowsWindow());
    AdoptWhole();
    const int32_t place = session.View().Lines()[session.View().Lines().Count() * 4 / 5];
    ASSERT_TRUE(session.OpenDocument(path, place));
    EXPECT_EQ(TopOffset(), place);
    AdoptWhole();
    session.CloseDocument();
    const HistoryEntry stored = *settings.recentFiles.FindRecent(path);
    ASSERT_EQ(stored.position, place);
    std::u16string before(size_t(stored.byte), u'\0');
    ASSERT_EQ(DecodeUtf8(Bytes(bytes).first(size_t(stored.byte)), before).written, size_t(place));

    // As a window starts, the place is read while the window is made.
    session.ReadAheadStartDocument(u"");
    ASSERT_TRUE(session.OpenStartDocument(u""));
    EXPECT_TRUE(session.View().ShowsWindow());
    EXPECT_EQ(TopOffset(), place);
    Run({IDM_PAGE_DOWN, IDM_PAGE_UP, IDM_KEY_DOWN});
    RunPosted();
    EXPECT_NE(TopOffset(), place);
    Run({IDM_KEY_UP});
    RunPosted();
    EXPECT_TRUE(session.View().ShowsWindow());
    EXPECT_EQ(TopOffset(), place);
    Run({IDM_LAST_PAGE, IDM_BACK});
    EXPECT_FALSE(session.View().ShowsWindow());
    EXPECT_EQ(TopOffset(), place);
    TextView alone(device);
    ASSERT_TRUE(LoadDocument(alone.Document(), path, nullptr));
    EXPECT_TRUE(session.View().Text() == alone.Text());
    alone.SetTextArea(session.View().TextArea(), false);
    ASSERT_TRUE(alone.Layout(nullptr));
    EXPECT_TRUE(std::ranges::equal(session.View().Lines().Entries(), alone.Lines().Entries()));
}

// What is read ahead for an open is what the open would read itself: the window around a kept
// place of a long text, or a short file whole (or the loader's message for one that cannot be
// read). It goes only to its own open, once.
TEST_F(OpenAroundPlace, AReadAheadIsTheOpensOwnReadAndGoesOnlyToIt) {
    const std::u16string note = WriteFile("note.txt", "짧은 글\n");
    DocumentText book;
    ASSERT_TRUE(LoadDocument(book, path, nullptr));
    const int32_t place = book.length / 2;
    const std::optional<int64_t> byte = ByteOfPositionInFile(book, place);
    ASSERT_TRUE(byte);
    const auto units = [](const DocumentText& text) {
        return std::u16string_view(text.text.get(), size_t(text.length));
    };
    const std::vector<StartReadAhead::Request> requests = {
        {path, "", place, byte}, {note, "", 0, {}}, {note + u".gone", "", 0, {}}};
    for (const StartReadAhead::Request& request : requests) {
        StartReadAhead readAhead;
        readAhead.Start(request);
        EXPECT_FALSE(readAhead.Take({request.path, "", request.place + 1, request.byte}));
        readAhead.Start(request);
        std::optional<StartReadAhead::Read> read = readAhead.Take(request);
        ASSERT_TRUE(read);
        EXPECT_FALSE(readAhead.Take(request)) << "taken once";
        const std::optional<ReadingWindow> window =
            LoadReadingWindow(request.path, "", request.place, request.byte);
        ASSERT_EQ(read->window.has_value(), window.has_value());
        ASSERT_EQ(read->whole.has_value(), !window);
        if (window) {
            EXPECT_EQ(read->window->firstUnit, window->firstUnit);
            EXPECT_EQ(units(read->window->text), units(window->text));
            continue;
        }
        DocumentText whole;
        EXPECT_EQ(read->loaded, LoadDocument(whole, request.path, nullptr));
        EXPECT_EQ(units(*read->whole), units(whole));
        EXPECT_EQ(read->whole->loadError, whole.loadError);
    }
}

// With joined lines, a place whose paragraph began long before has no line of its own in the
// window around it to start from: the book is read whole first, and opens at the place.
TEST_F(OpenAroundPlace, APlaceDeepInAJoinedParagraphOpensWholeAtThePlace) {
    std::string text;
    while (text.size() < (size_t{1} << 20)) {
        text += "words of one long paragraph, hard-wrapped\n";
    }
    while (text.size() < (size_t{12} << 20)) {
        text += "\nA short paragraph\nof two lines.\n";
    }
    const std::u16string joined = WriteFile("joined.txt", text);
    const auto place = int32_t(size_t{600} << 10);
    settings.bJoinLines = true;
    settings.recentFiles.RememberFile(joined, place, u"", place);
    Start();
    EXPECT_EQ(session.View().ReadingPosition(), place);
    AdoptWhole();
    EXPECT_EQ(session.View().ReadingPosition(), place);
    EXPECT_EQ(session.View().FindLine(place), TopLine());
}

// A new width lays the whole text out anew around the place: the window shows at once, the next
// width cancels the breaking under way, and the whole text's lines for the last width follow
// with the place on the top line. Under the find dialog a new width is laid out whole.
TEST_F(OpenAroundPlace, ANewWidthShowsTheWindowFirstAndTheWholeLinesFollow) {
    Start();
    const int32_t place = 3 * (int32_t(bytes.size()) / 8);
    ASSERT_TRUE(session.OpenDocument(path, place));
    AdoptWhole();
    for (const int32_t width : {300, 200, 400}) {
        shell.page.right = width;
        session.PageResized();
        EXPECT_TRUE(session.View().ShowsWindow());
        EXPECT_EQ(session.View().ReadingPosition(), place);
    }
    AdoptWhole();
    EXPECT_EQ(session.View().FindLine(place), TopLine());
    // A dialog over the whole text keeps it whole through a new width.
    shell.duringDialog = [&] {
        shell.page.right = 350;
        session.PageResized();
        EXPECT_FALSE(session.View().ShowsWindow());
    };
    Run({IDM_FIND});
    EXPECT_EQ(shell.dialogs.back(), u"find");
    TextView alone(device);
    ASSERT_TRUE(LoadDocument(alone.Document(), path, nullptr));
    alone.SetTextArea(session.View().TextArea(), false);
    ASSERT_TRUE(alone.Layout(nullptr));
    EXPECT_TRUE(std::ranges::equal(session.View().Lines().Entries(), alone.Lines().Entries()));
}

// A file gone before it is read whole closes with the loader's message; a close or another open
// meanwhile cancels the reading, and nothing it would have posted shows.
TEST_F(OpenAroundPlace, AFileGoneMeanwhileIsToldAndACloseCancelsTheRead) {
    Start();
    shell.onRepaint = [this] { std::filesystem::rename(path, path + u".gone"); };
    ASSERT_TRUE(session.OpenDocument(path, 0));
    shell.onRepaint = nullptr;
    ASSERT_TRUE(shell.RunWorkerTasks());
    EXPECT_FALSE(session.View().Document().HasDocument());
    ASSERT_EQ(shell.failures.size(), 1U);
    EXPECT_NE(shell.failures[0].find(u"long.txt"), std::u16string::npos);

    std::filesystem::rename(path + u".gone", path);
    ASSERT_TRUE(session.OpenDocument(path, 0));
    session.CloseDocument();
    ASSERT_TRUE(session.OpenDocument(CorpusPath("ko-utf8-novel-03.txt"), 0));
    shell.RunWorkerTasks(std::chrono::seconds(0));
    EXPECT_EQ(OpenPath(), CorpusPath("ko-utf8-novel-03.txt"));
    EXPECT_EQ(shell.failures.size(), 1U);
}

}  // namespace
}  // namespace sorna::test
