#include "document/ConvertHtml.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>

namespace sorna {
namespace {

std::span<const uint8_t> Bytes(std::string_view text) {
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

// Converts with the capacity the loader gives and checks that nothing was left out.
std::u16string Convert(std::string_view bytes, TextEncoding encoding = TextEncoding::CodePage949) {
    std::u16string out(HtmlCapacity(bytes.size() / UnitWidth(encoding)), u'#');
    const HtmlConversion result = ConvertHtml(Bytes(bytes), encoding, out);
    EXPECT_TRUE(result.complete);
    EXPECT_EQ(out[result.count], u'\0');
    out.resize(result.count);
    return out;
}

TEST(ConvertHtmlTest, TheConversionRules) {
    const std::pair<std::string_view, std::u16string_view> cases[] = {
        // White space collapses and tags break lines.
        {"a<b>b</b>c", u"a b c "},
        {"a<br><br><br><br>b", u"a \n\n\nb "},
        {"a<p><p><p><p>b", u"a \n\n\n\n\n\nb "},
        {"<P>x<BR>y< br >z</tr>w", u"\n\nx \ny \nz \nw "},
        {"<p align=center>x<p\tclass=a>y<p\nid=b>z", u"\n\nx y z "},
        {"a</p><div><li><h1><td><tr><hr><title>b", u"a b "},
        {"<\xA1\xA1"
         "br>x",
         u"\nx "},  // an ideographic space before the name
        // Inside pre white space and every line stay. Lines ending in CR LF: each line's run
        // starts with its line feed and is still text. Runs of line feeds alone are line
        // breaks, and a fourth in a row is dropped.
        {"<pre>one\ntwo\nthree\nfour\n</pre>", u"\n\none\n two\n three\n four\n "},
        {"<pre>one\r\ntwo\r\nthree\r\nfour\r\nfive six\r\n</pre>x",
         u"\n\none \ntwo \nthree \nfour \nfive  six \nx "},
        {"<pre>a\n\n\n\n\n\n\n\n\nb</pre>", u"\n\na\n \n\n\n\n\n\nb "},
        // Comments, scripts, styles and unfinished tags are skipped; a NUL ends the page.
        {"<!-->x-->y", u"y "},
        {"<script>x</SCRIPT>text", u"text "},
        {"<script>if (a<b && c>d) f('</scr');</script >after", u"after "},
        {"<script>x</ script>rest", u""},
        {"a<p", u"a "},
        {std::string_view("ab\0cd", 5), u"ab "},
        // Character references.
        {"&amp;amp; &amp;lt; &amp;#65;", u"&amp; < A "},
        {"&copy;&middot;&#149;&quot;&apos;&gt;", u"(C)\u00B7\u00B7\"'> "},
        {"&AMP; &hellip; &nbsp", u"&AMP; &hellip; &nbsp "},
        {"&#65; &#65 &#65&#66; &#; &#x41;", u"A A A&#66;  x41; "},
        {"&#128512;&#99999999999;", u"\uF600\uFFFF "},
        {"a&#0;b", std::u16string_view(u"a\0b ", 4)},  // the text after a zero unit stays
    };
    for (const auto& [input, expected] : cases) {
        EXPECT_EQ(Convert(input), expected) << "input: " << input;
    }
}

TEST(ConvertHtmlTest, TheLoadersCapacityHoldsTheWorstCaseAndLessEndsAtAChunk) {
    std::string pre = "<pre>";
    for (int i = 0; i < 500; ++i) {
        pre += "a ";
    }
    EXPECT_EQ(Convert(pre).size(), 2 + 500 * 3);  // two units become three

    std::u16string out(12, u'#');
    const HtmlConversion result = ConvertHtml(Bytes("Hello world"), TextEncoding::CodePage949, out);
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(out.substr(0, result.count + 1), std::u16string(u"Hello \0", 7));
    EXPECT_FALSE(ConvertHtml(Bytes("x"), TextEncoding::CodePage949, {}).complete);
}

TEST(ConvertHtmlTest, ReadsTokensInTheFilesEncoding) {
    EXPECT_EQ(Convert("<p>한글 &amp; 글</p>", TextEncoding::Utf8), u"\n\n한글 & 글 ");
    const std::u16string_view page = u"<P>한글 &amp; 😀</p><script>a<b</script>";
    for (const auto encoding : {TextEncoding::Utf16Le, TextEncoding::Utf16Be}) {
        std::string bytes;
        for (const char16_t unit : page) {
            const char high = char(unit >> 8), low = char(unit & 0xFF);
            bytes +=
                encoding == TextEncoding::Utf16Be ? std::string{high, low} : std::string{low, high};
        }
        EXPECT_EQ(Convert(bytes, encoding), u"\n\n한글 & 😀 ");
    }
}

}  // namespace
}  // namespace sorna
