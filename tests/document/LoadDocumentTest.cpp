#include "document/LoadDocument.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "resources/DocumentStrings.h"
#include "resources/Format.h"
#include "tests/platform/TempFolder.h"

namespace sorna {
namespace {

using namespace std::string_view_literals;

// Remembers the stages, and can do something to the file when one is reached.
class RecordingProgress : public ProgressText {
public:
    void SetProgressText(std::u16string_view text) override {
        stages.emplace_back(text);
        if (onStage && text == onStage->first) {
            onStage->second();
        }
    }
    std::vector<std::u16string> stages;
    std::optional<std::pair<std::u16string_view, std::function<void()>>> onStage;
};

class LoadDocumentTest : public ::testing::Test {
protected:
    bool Load(std::string_view name, std::string_view bytes) {
        path = TempFolder::Wide(folder.Write(name, bytes));
        return LoadDocument(document, path, &progress);
    }
    std::u16string Text() const { return {document.text.get(), size_t(document.length)}; }

    void ExpectFailure(std::u16string_view message) {
        EXPECT_EQ(document.loadError, message);
        EXPECT_FALSE(document.HasDocument());
        EXPECT_EQ(document.length, 0);
        EXPECT_TRUE(document.documentPath.empty());
    }

    TempFolder folder;
    DocumentText document;
    RecordingProgress progress;
    std::u16string path;
};

TEST_F(LoadDocumentTest, FailsWithTheMessageOfTheStepAndHoldsNoDocument) {
    ASSERT_TRUE(Load("previous.txt", "previous document"));
    const std::u16string missing = TempFolder::Wide(folder.Path("없는 파일.txt"));
    EXPECT_FALSE(LoadDocument(document, missing, &progress));
    ExpectFailure(FormatText(kFileMissingMessage, {missing}));
    const std::u16string directory = TempFolder::Wide(folder.Path(""));
    EXPECT_FALSE(LoadDocument(document, directory, nullptr));
    ExpectFailure(FormatText(kFileMissingMessage, {directory}));
    EXPECT_FALSE(Load("empty.txt", ""));
    ExpectFailure(kMappingFailedMessage);
    ASSERT_EQ(mkfifo(folder.Path("pipe").c_str(), 0600), 0);
    EXPECT_FALSE(LoadDocument(document, TempFolder::Wide(folder.Path("pipe")), nullptr));
    ExpectFailure(kMappingFailedMessage);
    // A mark with nothing after it leaves nothing to convert.
    EXPECT_FALSE(Load("mark.txt", "\xEF\xBB\xBF"));
    ExpectFailure(FormatText(kConversionFailedMessage, {int64_t{0}, int64_t{3}}));
    if (geteuid() != 0) {  // permissions do not stop the superuser
        ASSERT_TRUE(Load("locked.txt", "x"));
        chmod(folder.Path("locked.txt").c_str(), 0);
        EXPECT_FALSE(LoadDocument(document, path, nullptr));
        ExpectFailure(FormatText(kOpenFailedMessage, {path}));
    }
}

TEST_F(LoadDocumentTest, ConvertsHtmlByTheNameAlone) {
    const std::pair<const char*, bool> names[] = {{"b.HTM", true},
                                                  {"c.Html", true},
                                                  {"e.htm.txt", false},
                                                  {"f.xhtml", false},
                                                  {"html", false}};
    for (const auto& [name, isHtml] : names) {
        ASSERT_TRUE(Load(name, "<b>bold</b>text"));
        EXPECT_EQ(Text(), isHtml ? u"bold text " : u"<b>bold</b>text") << name;
    }
}

TEST_F(LoadDocumentTest, ReadsTheEncodingTheFileDeclaresOrPlainlyIs) {
    const std::vector<std::pair<std::string_view, std::u16string_view>> cases = {
        {"\xC7\xD1\xB1\xDB\r\nA", u"한글\r\nA"},
        {"\xEF\xBB\xBF\xED\x95\x9C\xEA\xB8\x80", u"한글"},
        {"\xED\x95\x9C\xEA\xB8\x80\n", u"한글\n"},
        {"\xEF\xBB\xBF\x61\xFF\xF0\x9F\x98\x80\xEA\xB0", u"a\uFFFD😀\uFFFD"},
        {"\xFF\xFE\x00\xAC\x41\x00"sv, u"가A"},
        {"\xFF\xFE\x00\xAC\x41"sv, u"가"},  // the odd byte is dropped
        {"\xFE\xFF\xAC\x00\x00\x41"sv, u"가A"},
        {"\xFF\xFE", u"\uF8F7\uFFFD"},
        {"\xFF\xFE\x41", u"\uF8F7\uFFFDA"},
        {"\xFE\xFF\x41", u"\uFFFD\uF8F7A"},
    };
    for (const auto& [bytes, text] : cases) {
        ASSERT_TRUE(Load("한글 이름.txt", bytes)) << bytes;
        EXPECT_EQ(Text(), text);
        EXPECT_EQ(document.text[document.length], u'\0');
    }
    const std::string_view page = "\xFF\xFE<\0p\0>\0\x5C\xD5\x00\xAE"sv;
    ASSERT_TRUE(Load("page.html", page));
    EXPECT_EQ(Text(), u"\n\n한글 ");
}

TEST_F(LoadDocumentTest, ReportsItsStagesInOrder) {
    ASSERT_TRUE(Load("korean.txt", "\xC7\xD1"));
    EXPECT_EQ(progress.stages, (std::vector<std::u16string>{u"파일 열기", u"ALLOC", u"변환"}));
    progress.stages.clear();
    ASSERT_TRUE(Load("page.htm", "<p>x"));
    EXPECT_EQ(progress.stages, std::vector<std::u16string>{u"파일 열기"});
    progress.stages.clear();
    EXPECT_FALSE(LoadDocument(document, u"", &progress));
    EXPECT_TRUE(progress.stages.empty());
}

TEST_F(LoadDocumentTest, ClosesEveryFileItOpens) {
    const auto openFiles = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
    };
    const auto before = openFiles();
    for (int i = 0; i < 20; ++i) {
        EXPECT_TRUE(Load("a.txt", "text"));
        EXPECT_TRUE(Load("a.html", "<p>text"));
        EXPECT_FALSE(Load("b.txt", ""));
    }
    EXPECT_EQ(openFiles(), before);
}

TEST_F(LoadDocumentTest, RefusesFilesTooLargeFor32BitPositions) {
    ASSERT_TRUE(Load("huge.txt", "x"));
    ASSERT_EQ(truncate(folder.Path("huge.txt").c_str(), off_t{1} << 31), 0);  // sparse
    EXPECT_FALSE(LoadDocument(document, path, &progress));
    ExpectFailure(FormatText(kOutOfMemoryMessage, {int64_t{1} << 31}));
}

TEST_F(LoadDocumentTest, FailsWithoutCrashingWhenTheFileShrinksWhileRead) {
    const std::string korean(1 << 20, '\xB0');
    const auto file = folder.Path("shrinking.txt");
    progress.onStage.emplace(u"변환", [&] { ASSERT_EQ(truncate(file.c_str(), 4096), 0); });
    EXPECT_FALSE(Load("shrinking.txt", korean));
    ExpectFailure(FormatText(kViewFailedMessage, {int64_t{EIO}}));
}

TEST(FileExistsTest, IsTrueForFilesOnly) {
    TempFolder folder;
    EXPECT_TRUE(FileExists(TempFolder::Wide(folder.Write("문서.txt", "x"))));
    EXPECT_FALSE(FileExists(TempFolder::Wide(folder.Path(""))));
    // The system would read a path only up to a NUL, and find another file.
    const std::u16string real = TempFolder::Wide(folder.Write("real", "x"));
    EXPECT_FALSE(FileExists(real + u'\0' + u"more"));
}

}  // namespace
}  // namespace sorna
