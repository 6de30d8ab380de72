#include <gtest/gtest.h>

#include "tests/app/SessionFixture.h"
#include "view/PagePlan.h"

namespace sorna::test {
namespace {

// A book of five chapters of forty lines each, the third holding "하나 님의" once.
class Navigation : public SessionTest {
protected:
    void OpenBook() {
        Start();
        std::string book;
        for (int chapter = 1; chapter <= 5; ++chapter) {
            book += "제" + std::to_string(chapter) + "장\n";
            for (int line = 0; line < 40; ++line) {
                book += chapter == 3 && line == 20 ? "그 하나 님의 말씀\n" : "본문 줄입니다.\n";
            }
        }
        ASSERT_TRUE(session.OpenDocument(WriteFile("book.txt", book), 0));
        const std::u16string_view text = session.View().Text();
        for (size_t at = text.find(u"제"); at != text.npos; at = text.find(u"제", at + 1)) {
            chapterStarts.push_back(int32_t(at));
        }
        ASSERT_EQ(chapterStarts.size(), 5u);
    }

    std::vector<int32_t> chapterStarts;
};

TEST_F(Navigation, ChaptersAndPagesAreJumpsThatBackAndForwardRetrace) {
    OpenBook();
    shell.chosenChapter = 2;
    Run({IDM_CHAPTERS});
    EXPECT_EQ(shell.listedChapters, 5u);
    EXPECT_EQ(shell.currentChapter, 0u);
    EXPECT_EQ(TopOffset(), chapterStarts[2]);
    Run({IDM_NEXT_CHAPTER});
    EXPECT_EQ(TopOffset(), chapterStarts[3]);
    Run({IDM_LINE_DOWN, IDM_PREVIOUS_CHAPTER});  // back to the start of the chapter it is in
    EXPECT_EQ(TopOffset(), chapterStarts[3]);
    Run({IDM_PREVIOUS_CHAPTER});
    EXPECT_EQ(TopOffset(), chapterStarts[2]);
    const int32_t step = session.View().PageStep();
    shell.goTo = GoToTarget{GoToTarget::Kind::kPage, 3};
    Run({IDM_GO_TO});
    EXPECT_EQ(shell.pagesAsked,
              (PageNumbers{session.View().FindLine(chapterStarts[2]).value() / step + 1,
                           session.View().Pages().total}));
    EXPECT_EQ(TopLine(), 2 * step);
    shell.goTo = GoToTarget{GoToTarget::Kind::kPercent, 100};
    Run({IDM_GO_TO});
    EXPECT_EQ(session.View().Pages().page, session.View().Pages().total);
    // Back through the go-tos and the chapters to the start, and forward again.
    const int32_t pageThree = session.View().Lines()[2 * step];
    for (const int32_t place : {pageThree, chapterStarts[2], chapterStarts[3]}) {
        Run({IDM_BACK});
        EXPECT_EQ(TopOffset(), place);
    }
    Run({IDM_BACK, IDM_BACK, IDM_BACK});
    EXPECT_EQ(TopOffset(), 0);
    Run({IDM_FORWARD, IDM_FORWARD});
    EXPECT_EQ(TopLine(), session.View().FindLine(chapterStarts[3]).value() + 1);
    Run({IDM_LAST_PAGE, IDM_FIRST_PAGE, IDM_BACK});
    EXPECT_EQ(session.View().Pages().page, session.View().Pages().total);
}

// F3 repeats the latest search forward and Shift+F3 backward, with the stored options; a miss
// is told without a box, and with no search yet the find dialog asks for one.
TEST_F(Navigation, TheLastSearchAgainForwardAndBackIgnoringSpacingWhenAsked) {
    OpenBook();
    Run({IDM_FIND_NEXT});
    EXPECT_EQ(shell.dialogs, Texts{u"find"});
    settings.recentSearches.RememberSearch(u"하나님의");
    Run({IDM_FIND_NEXT});
    EXPECT_EQ(shell.notices, Texts{u"더 찾을 수 없습니다 : 하나님의"});
    EXPECT_EQ(TopOffset(), 0);
    settings.bSearchIgnoreSpacing = true;
    Run({IDM_FIND_NEXT});
    const std::optional<TextSpan> found = session.View().FoundText();
    ASSERT_TRUE(found);
    EXPECT_EQ(found->length, 5);
    EXPECT_EQ(TopOffset(), found->offset - 2);  // the line begins "그 "
    Run({IDM_FIND_NEXT, IDM_FIND_PREVIOUS});
    EXPECT_EQ(shell.notices.size(), 3u);
    Run({IDM_LAST_PAGE, IDM_FIND_PREVIOUS});
    EXPECT_EQ(session.View().FoundText(), found);
    Run({IDM_BACK});
    EXPECT_EQ(session.View().Pages().page, session.View().Pages().total);
}

// The figures below the page name the chapter once a paint has let the chapters be found.
TEST_F(Navigation, TheFiguresNameTheChapterAfterThePageIsPainted) {
    settings.bShowPercent = true;
    OpenBook();
    Run({IDM_KEY_DOWN});
    RunPosted();
    EXPECT_FALSE(session.View().Document().chapters);
    session.PagePainted();
    EXPECT_TRUE(PlanPage(session.View(), 240).percent.starts_with(u"제1장 · 2 / "));
    ASSERT_TRUE(session.OpenDocument(WriteFile("plain.txt", "no chapters\n"), 0));
    Run({IDM_NEXT_CHAPTER, IDM_CHAPTERS});
    EXPECT_EQ(shell.notices, Texts{u"이 문서에는 목차가 없습니다."});
    EXPECT_EQ(shell.listedChapters, 0u);
}

}  // namespace
}  // namespace sorna::test
