#include <gtest/gtest.h>

#include <random>
#include <stop_token>
#include <string>

#include "document/ByteOfPosition.h"
#include "document/DecodeDocument.h"
#include "document/DecodeInSlices.h"
#include "document/DecodeUnits.h"
#include "document/ReadingWindow.h"
#include "tests/support/Corpus.h"
#include "tests/support/DocumentBytes.h"

namespace sorna {
namespace {

using test::Bytes;
using test::TextOf;

// A book long enough to be opened around its reading place, in each encoding read so, and the
// encoding its one decoder reads it in, without parts or slices.
struct LongBook {
    const char* document;
    TextEncoding encoding;
    std::string bytes;
};

std::vector<LongBook> LongBooks() {
    std::vector<LongBook> books = {{"ko-cp949-bible-krv-large.txt", TextEncoding::CodePage949, {}},
                                   {"ko-utf8-novel-02.txt", TextEncoding::Utf8, {}},
                                   {"en-gutenberg-01-large.txt", TextEncoding::CodePage949, {}},
                                   {"ko-utf16le-bom-novel-05.txt", TextEncoding::Utf16Le, {}}};
    for (LongBook& book : books) {
        book.bytes = corpus::Repeated(book.document, kWindowedOpenBytes + 1);
    }
    return books;
}

std::u16string OnePart(const LongBook& book) {
    const size_t mark = book.encoding == TextEncoding::Utf16Le ? 2 : 0;
    std::u16string text(book.bytes.size(), u'\0');
    text.resize(DecodeUnits(book.encoding, Bytes(book.bytes).subspan(mark), text).written);
    return text;
}

// The starts of lines at random places, the first and the last among them.
std::vector<int32_t> LineStarts(std::u16string_view text, int count) {
    std::mt19937 random(7);
    std::vector<int32_t> starts = {0};
    for (int n = 0; n < count; ++n) {
        const size_t feed = text.find(u'\n', random() % text.size());
        if (feed != std::u16string_view::npos && feed + 1 < text.size()) {
            starts.push_back(int32_t(feed + 1));
        }
    }
    starts.push_back(int32_t(text.rfind(u'\n', text.size() - 2) + 1));
    return starts;
}

// The whole book is the same read in 1, 2, 3 or 7 slices as by its decoder alone, and a
// checkpoint is left where each slice begins.
TEST(ReadingWindowTest, BooksReadInSlicesAreTheSameAsInOnePartWithACheckpointPerSlice) {
    for (const LongBook& book : LongBooks()) {
        const std::u16string whole = OnePart(book);
        for (const size_t slices : {1, 2, 3, 7}) {
            std::vector<ByteCheckpoint> checkpoints;
            std::u16string text(book.bytes.size(), u'\0');
            const std::optional<size_t> length =
                book.encoding == TextEncoding::Utf16Le
                    ? DecodeUtf16InSlices(book.encoding, Bytes(book.bytes).subspan(2), text,
                                          {{}, 2, &checkpoints}, book.bytes.size() / slices)
                    : DecodeInSlices(Bytes(book.bytes), text, PartDecodingOf(book.encoding),
                                     {{}, 0, &checkpoints}, book.bytes.size() / slices + 1);
            ASSERT_TRUE(length) << book.document;
            EXPECT_TRUE(std::u16string_view(text).substr(0, *length) == whole) << book.document;
            if (book.encoding != TextEncoding::Utf16Le) {
                EXPECT_EQ(checkpoints.size(), slices) << book.document;
            }
        }
    }
}

// From every place's byte, as the checkpoints find it, the window around the place holds the
// whole text's units there; its estimate of the whole length is near the truth.
TEST(ReadingWindowTest, TheWindowAroundAnyPlaceHoldsTheWholeTextThere) {
    for (const LongBook& book : LongBooks()) {
        DocumentText whole;
        ASSERT_TRUE(DecodeDocument(whole, Bytes(book.bytes), false, nullptr));
        const bool utf16 = book.encoding == TextEncoding::Utf16Le;
        EXPECT_EQ(whole.checkpoints.empty(), utf16) << book.document;
        const DecodingPlan plan = PlanDecoding(Bytes(book.bytes), false, {});
        for (const int32_t place : LineStarts(TextOf(whole), 12)) {
            const std::optional<int64_t> byte =
                utf16 ? 2 + 2 * int64_t{place} : ByteOfPosition(whole, Bytes(book.bytes), place);
            ASSERT_TRUE(byte) << book.document;
            const std::optional<ReadingWindow> window =
                DecodeReadingWindow(Bytes(book.bytes), plan, {place, *byte});
            ASSERT_TRUE(window) << book.document << " at " << place;
            EXPECT_LE(window->firstUnit, place);
            EXPECT_GT(window->firstUnit + window->text.length, place);
            EXPECT_TRUE(TextOf(window->text) == TextOf(whole).substr(size_t(window->firstUnit),
                                                                     size_t(window->text.length)))
                << book.document << " at " << place;
            EXPECT_EQ(window->reachesEnd, window->firstUnit + window->text.length == whole.length);
            EXPECT_NEAR(window->estimatedLength, whole.length, whole.length / 20.0);
            if (!utf16) {
                EXPECT_EQ(ByteOfPosition(window->text, Bytes(book.bytes), place), byte);
            }
        }
    }
}

// A place whose byte says otherwise than its unit is no window; a stop request leaves no text.
TEST(ReadingWindowTest, AWrongByteIsNoWindowAndAStoppedReadLeavesNoText) {
    const LongBook book = LongBooks()[1];
    const DecodingPlan plan = PlanDecoding(Bytes(book.bytes), false, {});
    EXPECT_FALSE(DecodeReadingWindow(Bytes(book.bytes), plan, {1000, 10}));
    EXPECT_FALSE(DecodeReadingWindow(Bytes(book.bytes), plan, {5, int64_t(book.bytes.size()) + 1}));
    std::stop_source stop;
    stop.request_stop();
    DocumentText document;
    EXPECT_FALSE(DecodeDocument(document, Bytes(book.bytes), false, nullptr, {}, stop.get_token()));
    EXPECT_FALSE(document.HasDocument());
}

}  // namespace
}  // namespace sorna
