#include "document/HeadingLine.h"

#include <algorithm>
#include <array>
#include <string>

namespace sorna {
namespace {

// A form value is made of what names the unit, how the number is written, how it is framed and
// the brackets around it.
enum Unit : uint32_t {
    kJang = 1,  // 장
    kHwa,       // 화
    kBu,        // 부
    kPyeon,     // 편
    kGwon,      // 권
    kJeol,      // 절
    kMak,       // 막
    kChapter,
    kBook,
    kPart,
    kVolume,
    kHash,  // #N
};
enum Numeral : uint32_t { kArabic = 1, kHangul, kHanja, kRoman, kWords };
enum Frame : uint32_t { kJe = 1, kBare, kEnglish, kHashSign };

constexpr uint32_t MakeForm(Unit unit, Numeral numeral, Frame frame, uint32_t bracket) {
    return unit | numeral << 4 | frame << 8 | bracket << 12;
}

int32_t LevelOf(Unit unit) {
    switch (unit) {
        case kBu:
        case kPyeon:
        case kGwon:
        case kBook:
        case kPart:
        case kVolume:
            return 1;
        case kJeol:  // a section within a chapter, as the constitution has them
            return 3;
        default:
            return 2;
    }
}

// Fullwidth ASCII and the ideographic space read as their ASCII forms.
char16_t Narrow(char16_t unit) {
    if (unit >= 0xFF01 && unit <= 0xFF5E) {
        return static_cast<char16_t>(unit - 0xFEE0);
    }
    return unit == 0x3000 ? u' ' : unit;
}

bool IsDigit(char16_t unit) {
    return unit >= u'0' && unit <= u'9';
}
bool IsUpper(char16_t unit) {
    return unit >= u'A' && unit <= u'Z';
}
bool IsLower(char16_t unit) {
    return unit >= u'a' && unit <= u'z';
}
bool IsHangul(char16_t unit) {
    return (unit >= 0xAC00 && unit <= 0xD7A3) || (unit >= 0x1100 && unit <= 0x11FF) ||
           (unit >= 0x3130 && unit <= 0x318F);
}
// What continues a word: a number or a unit name must not be followed by one.
bool IsWordUnit(char16_t unit) {
    return IsDigit(unit) || IsUpper(unit) || IsLower(unit) || IsHangul(unit) ||
           (unit >= 0xC0 && unit < 0x250 && unit != 0xD7 && unit != 0xF7) ||
           (unit >= 0x4E00 && unit <= 0x9FFF) || (unit >= 0x2160 && unit <= 0x217F);
}

// A trimmed line read left to right.
class Cursor {
public:
    explicit Cursor(std::u16string_view text) : text_(text) {}

    [[nodiscard]] bool AtEnd() const { return at_ >= text_.size(); }
    [[nodiscard]] char16_t Peek() const { return AtEnd() ? 0 : text_[at_]; }
    [[nodiscard]] size_t At() const { return at_; }
    [[nodiscard]] std::u16string_view Rest() const {
        return text_.substr(std::min(at_, text_.size()));
    }
    void Skip(size_t count = 1) { at_ += count; }
    void SkipSpaces() {
        while (!AtEnd() && IsLineSpace(text_[at_])) {
            ++at_;
        }
    }
    bool Take(char16_t unit) {
        if (Peek() != unit || AtEnd()) {
            return false;
        }
        ++at_;
        return true;
    }
    bool Take(std::u16string_view word) {
        if (!Rest().starts_with(word)) {
            return false;
        }
        at_ += word.size();
        return true;
    }
    // The run of ASCII letters from here.
    [[nodiscard]] std::u16string_view Letters() const {
        size_t end = at_;
        while (end < text_.size() && (IsUpper(text_[end]) || IsLower(text_[end]))) {
            ++end;
        }
        return text_.substr(at_, end - at_);
    }
    // Whether no word goes on from here: the line ends or a space or a sign follows.
    [[nodiscard]] bool AtWordEnd() const { return AtEnd() || !IsWordUnit(text_[at_]); }

private:
    std::u16string_view text_;
    size_t at_ = 0;
};

struct Number {
    int32_t value = 0;
    Numeral numeral = kArabic;
};

std::optional<Number> ReadArabic(Cursor& cursor) {
    int32_t value = 0;
    int digits = 0;
    while (IsDigit(cursor.Peek()) && !cursor.AtEnd()) {
        if (++digits > 5) {
            return std::nullopt;
        }
        value = value * 10 + (cursor.Peek() - u'0');
        cursor.Skip();
    }
    return digits > 0 ? std::optional<Number>({value, kArabic}) : std::nullopt;
}

// Sino-Korean numerals up to 999, in Hangul (이십삼) or in Hanja (二十三), not mixed.
std::optional<Number> ReadSinoKorean(Cursor& cursor) {
    static constexpr std::u16string_view kHangulDigits = u"일이삼사오육칠팔구";
    static constexpr std::u16string_view kHanjaDigits = u"一二三四五六七八九";
    std::optional<Numeral> numeral;
    int32_t total = 0;
    int32_t digit = 0;
    int32_t lastPower = 1000;
    for (; !cursor.AtEnd(); cursor.Skip()) {
        const char16_t unit = cursor.Peek();
        const size_t hangul = kHangulDigits.find(unit);
        const size_t hanja = kHanjaDigits.find(unit);
        const int32_t power = unit == u'십' || unit == u'十'   ? 10
                              : unit == u'백' || unit == u'百' ? 100
                                                               : 0;
        const bool isHangul = hangul != std::u16string_view::npos || unit == u'십' || unit == u'백';
        if (!isHangul && hanja == std::u16string_view::npos && power == 0) {
            break;
        }
        const Numeral kind = isHangul ? kHangul : kHanja;
        const size_t index = isHangul ? hangul : hanja;
        if (numeral && *numeral != kind) {
            return std::nullopt;
        }
        numeral = kind;
        if (power == 0) {
            if (digit != 0) {
                return std::nullopt;  // two digits in a row
            }
            digit = static_cast<int32_t>(index) + 1;
        } else {
            if (power >= lastPower) {
                return std::nullopt;
            }
            total += (digit == 0 ? 1 : digit) * power;
            digit = 0;
            lastPower = power;
        }
    }
    if (!numeral) {
        return std::nullopt;
    }
    return Number{total + digit, *numeral};
}

// Roman numerals in capitals, or in the number forms Ⅰ … Ⅿ (U+2160–216F), written the usual
// way: a run that another writing of the same value would spell differently is not one.
std::optional<Number> ReadRoman(Cursor& cursor) {
    static constexpr std::array<std::u16string_view, 16> kNumberForms = {
        u"I",  u"II", u"III", u"IV",  u"V", u"VI", u"VII", u"VIII",
        u"IX", u"X",  u"XI",  u"XII", u"L", u"C",  u"D",   u"M"};
    std::u16string letters;
    for (; !cursor.AtEnd() && letters.size() < 16; cursor.Skip()) {
        const char16_t unit = cursor.Peek();
        if (std::u16string_view(u"IVXLCDM").find(unit) != std::u16string_view::npos) {
            letters.push_back(unit);
        } else if (unit >= 0x2160 && unit <= 0x216F) {
            letters += kNumberForms[unit - 0x2160];
        } else {
            break;
        }
    }
    auto valueOf = [](char16_t letter) {
        static constexpr int32_t kValues[] = {1, 5, 10, 50, 100, 500, 1000};
        return kValues[std::u16string_view(u"IVXLCDM").find(letter)];
    };
    int32_t value = 0;
    for (size_t i = 0; i < letters.size(); ++i) {
        const int32_t here = valueOf(letters[i]);
        value += i + 1 < letters.size() && here < valueOf(letters[i + 1]) ? -here : here;
    }
    if (value <= 0 || value > 3999) {
        return std::nullopt;
    }
    static constexpr std::array<std::pair<int32_t, std::u16string_view>, 13> kSpelling = {
        {{1000, u"M"},
         {900, u"CM"},
         {500, u"D"},
         {400, u"CD"},
         {100, u"C"},
         {90, u"XC"},
         {50, u"L"},
         {40, u"XL"},
         {10, u"X"},
         {9, u"IX"},
         {5, u"V"},
         {4, u"IV"},
         {1, u"I"}}};
    std::u16string usual;
    for (int32_t rest = value; const auto& [amount, spelling] : kSpelling) {
        for (; rest >= amount; rest -= amount) {
            usual += spelling;
        }
    }
    return usual == letters ? std::optional<Number>({value, kRoman}) : std::nullopt;
}

// Whether an English word is `lower` in capitals or with a capital first letter.
bool IsCased(std::u16string_view word, std::string_view lower) {
    if (word.size() != lower.size() || word.empty()) {
        return false;
    }
    bool capitals = true;
    bool title = word[0] == lower[0] - 'a' + 'A';
    for (size_t i = 0; i < word.size(); ++i) {
        capitals = capitals && word[i] == lower[i] - 'a' + 'A';
        title = title && (i == 0 || word[i] == static_cast<char16_t>(lower[i]));
    }
    return capitals || title;
}

bool EqualsIgnoringCase(std::u16string_view word, std::string_view lower) {
    if (word.size() != lower.size()) {
        return false;
    }
    for (size_t i = 0; i < word.size(); ++i) {
        if ((IsUpper(word[i]) ? word[i] + 32 : word[i]) != lower[i]) {
            return false;
        }
    }
    return true;
}

// English number words from one to ninety-nine, in any letter case: "Twenty-One".
std::optional<Number> ReadNumberWords(Cursor& cursor) {
    static constexpr std::array<std::string_view, 19> kOnes = {
        "one",     "two",     "three",     "four",     "five",    "six",      "seven",
        "eight",   "nine",    "ten",       "eleven",   "twelve",  "thirteen", "fourteen",
        "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"};
    static constexpr std::array<std::string_view, 8> kTens = {
        "twenty", "thirty", "forty", "fifty", "sixty", "seventy", "eighty", "ninety"};
    auto find = [](std::u16string_view word, const auto& table) -> int32_t {
        for (size_t i = 0; i < table.size(); ++i) {
            if (EqualsIgnoringCase(word, table[i])) {
                return static_cast<int32_t>(i) + 1;
            }
        }
        return 0;
    };
    const std::u16string_view word = cursor.Letters();
    if (const int32_t ones = find(word, kOnes); ones != 0) {
        cursor.Skip(word.size());
        return Number{ones, kWords};
    }
    const int32_t tens = find(word, kTens);
    if (tens == 0) {
        return std::nullopt;
    }
    cursor.Skip(word.size());
    Cursor ahead = cursor;
    if (ahead.Take(u'-') || ahead.Take(u' ')) {
        const std::u16string_view next = ahead.Letters();
        if (const int32_t ones = find(next, kOnes); ones != 0 && ones < 10) {
            ahead.Skip(next.size());
            cursor = ahead;
            return Number{(tens + 1) * 10 + ones, kWords};
        }
    }
    return Number{(tens + 1) * 10, kWords};
}

// The rest of the line after a heading's name and number, without the signs between them.
std::u16string_view TailAfter(const Cursor& cursor) {
    std::u16string_view rest = cursor.Rest();
    while (!rest.empty() && !IsWordUnit(rest.front()) && rest.front() != u'"' &&
           rest.front() != u'\'' && rest.front() != 0x201C && rest.front() != 0x2018) {
        rest.remove_prefix(1);
    }
    return rest;
}

// Whether what follows a Korean heading's number reads like the end of a sentence of body text:
// a full stop or a question after a sentence ending (남았다., 했어요?), or any long one.
bool ReadsLikeSentence(std::u16string_view tail) {
    while (!tail.empty() &&
           std::u16string_view(u"\"')”’」』").find(tail.back()) != std::u16string_view::npos) {
        tail.remove_suffix(1);
    }
    if (tail.empty() ||
        std::u16string_view(u".?!").find(tail.back()) == std::u16string_view::npos) {
        return false;
    }
    const size_t length = tail.size();
    while (!tail.empty() &&
           std::u16string_view(u".?!").find(tail.back()) != std::u16string_view::npos) {
        tail.remove_suffix(1);
    }
    return length > 20 ||
           (!tail.empty() && std::u16string_view(u"다요죠네까지니라오군어아야").find(tail.back()) !=
                                 std::u16string_view::npos);
}

// Units that a Korean heading's name and number may be framed by.
constexpr std::u16string_view kUnits = u"장화부편권절막";
constexpr std::array<Unit, 7> kUnitOf = {kJang, kHwa, kBu, kPyeon, kGwon, kJeol, kMak};

// "제 N 장" with any numerals and spaces or none, or "N화", "N장", "N부" in Arabic numerals;
// the cursor stops after the unit's name.
std::optional<HeadingLine> ReadKoreanNumbered(Cursor& cursor, uint32_t bracket) {
    if (cursor.Take(u'제')) {
        cursor.SkipSpaces();
        Cursor start = cursor;
        std::optional<Number> number = ReadArabic(cursor);
        if (!number) {
            cursor = start;
            number = ReadSinoKorean(cursor);
        }
        if (!number) {
            cursor = start;
            number = ReadRoman(cursor);
        }
        cursor.SkipSpaces();
        const size_t unit = kUnits.find(cursor.Peek());
        if (!number || unit == std::u16string_view::npos || cursor.AtEnd()) {
            return std::nullopt;
        }
        cursor.Skip();
        if (!cursor.AtWordEnd()) {
            return std::nullopt;
        }
        return HeadingLine{MakeForm(kUnitOf[unit], number->numeral, kJe, bracket), number->value,
                           LevelOf(kUnitOf[unit])};
    }
    const std::optional<Number> number = ReadArabic(cursor);
    const char16_t name = cursor.Peek();
    if (!number || (name != u'화' && name != u'장' && name != u'부')) {
        return std::nullopt;
    }
    cursor.Skip();
    if (!cursor.AtWordEnd()) {
        return std::nullopt;
    }
    const Unit unit = kUnitOf[kUnits.find(name)];
    return HeadingLine{MakeForm(unit, kArabic, kBare, bracket), number->value, LevelOf(unit)};
}

// 프롤로그, 외전 1, 서장, …: words that head a part of a book alone. The ones that are also
// everyday words (서장 a police chief, 후기 a later period) take no title after them, only a
// number or a sign; the cursor stops after the word.
bool ReadKoreanWord(Cursor& cursor) {
    static constexpr std::array<std::u16string_view, 5> kPlain = {u"프롤로그", u"에필로그", u"외전",
                                                                  u"작가의 말", u"작가의말"};
    static constexpr std::array<std::u16string_view, 4> kEveryday = {u"서장", u"종장", u"서문",
                                                                     u"후기"};
    auto endsWord = [&] {
        return cursor.AtEnd() || !IsWordUnit(cursor.Peek()) || IsDigit(cursor.Peek());
    };
    for (const std::u16string_view word : kPlain) {
        if (cursor.Take(word)) {
            return endsWord() && TailAfter(cursor).size() <= 20 &&
                   !ReadsLikeSentence(TailAfter(cursor));
        }
    }
    for (const std::u16string_view word : kEveryday) {
        if (cursor.Take(word)) {
            Cursor after = cursor;
            after.SkipSpaces();
            return endsWord() &&
                   (after.AtEnd() || !IsWordUnit(after.Peek()) || IsDigit(after.Peek()));
        }
    }
    return false;
}

// A Korean heading inside brackets: "[3화] 재회", "<제1장>", "【외전】".
std::optional<HeadingLine> ReadBracketed(Cursor& cursor) {
    static constexpr std::u16string_view kOpen = u"[<〈《【";
    static constexpr std::u16string_view kClose = u"]>〉》】";
    const size_t kind = kOpen.find(cursor.Peek());
    if (kind == std::u16string_view::npos || cursor.AtEnd()) {
        return std::nullopt;
    }
    const std::u16string_view rest = cursor.Rest();
    const size_t close = rest.find(kClose[kind]);
    if (close == std::u16string_view::npos) {
        return std::nullopt;
    }
    Cursor inner(TrimLine(rest.substr(1, close - 1)));
    std::optional<HeadingLine> heading = ReadKoreanNumbered(inner, uint32_t(kind) + 1);
    if (!heading) {
        inner = Cursor(TrimLine(rest.substr(1, close - 1)));
        if (!ReadKoreanWord(inner)) {
            return std::nullopt;
        }
        heading = HeadingLine{};
    }
    // Only the heading's name and number, and signs, stand inside the brackets.
    if (!TailAfter(inner).empty() && heading->Numbered()) {
        return std::nullopt;
    }
    cursor.Skip(close + 1);
    return heading;
}

std::optional<HeadingLine> ReadKorean(Cursor& cursor, size_t length) {
    Cursor start = cursor;
    std::optional<HeadingLine> heading = ReadBracketed(cursor);
    if (!heading) {
        cursor = start;
        heading = ReadKoreanNumbered(cursor, 0);
    }
    if (!heading && start.Peek() == u'#') {
        cursor = start;
        cursor.Skip();
        if (const std::optional<Number> number = ReadArabic(cursor); number && cursor.AtWordEnd()) {
            heading = HeadingLine{MakeForm(kHash, kArabic, kHashSign, 0), number->value, 2};
        }
    }
    if (!heading) {
        cursor = start;
        if (!ReadKoreanWord(cursor)) {
            return std::nullopt;
        }
        heading = HeadingLine{};
    }
    // Only "제 N 장" may take a title that makes the line long.
    const bool named = start.Peek() == u'제';
    if ((length > kShortLine && !named) || ReadsLikeSentence(TailAfter(cursor))) {
        return std::nullopt;
    }
    return heading;
}

// Whether every word of an English title begins with a capital, but for the small words that
// titles leave in lower case ("The Whiteness of The Whale").
bool IsTitleCased(std::u16string_view title) {
    static constexpr std::array<std::string_view, 22> kSmallWords = {
        "a",  "an",  "the",  "and",  "or",   "nor",  "but", "of", "in",   "on", "at",
        "to", "for", "from", "with", "into", "upon", "as",  "by", "than", "vs", "via"};
    Cursor cursor(title);
    while (!cursor.AtEnd()) {
        const std::u16string_view word = cursor.Letters();
        if (word.empty()) {
            cursor.Skip();
            continue;
        }
        // The "s" of "Whale's" goes on a word.
        const bool afterApostrophe = cursor.At() > 0 && (title[cursor.At() - 1] == u'\'' ||
                                                         title[cursor.At() - 1] == 0x2019);
        cursor.Skip(word.size());
        if (IsLower(word.front()) && !afterApostrophe &&
            std::none_of(kSmallWords.begin(), kSmallWords.end(),
                         [&](std::string_view small) { return EqualsIgnoringCase(word, small); })) {
            return false;
        }
    }
    return true;
}

// CHAPTER N, BOOK N, PART N, VOLUME N; PROLOGUE, FIRST EPILOGUE, Preface: in capitals or
// with capital initials, the number in Arabic or Roman numerals or in words. A title may follow
// that does not begin like the rest of a sentence (in lower case).
std::optional<HeadingLine> ReadEnglish(Cursor& cursor, size_t length) {
    static constexpr std::array<std::pair<std::string_view, Unit>, 4> kNames = {
        {{"chapter", kChapter}, {"book", kBook}, {"part", kPart}, {"volume", kVolume}}};
    const std::u16string_view word = cursor.Letters();
    std::optional<HeadingLine> heading;
    for (const auto& [name, unit] : kNames) {
        if (!IsCased(word, name)) {
            continue;
        }
        cursor.Skip(word.size());
        if (!cursor.Take(u' ')) {
            return std::nullopt;
        }
        cursor.SkipSpaces();
        Cursor start = cursor;
        std::optional<Number> number = ReadArabic(cursor);
        if (!number) {
            number = ReadRoman(cursor);
        }
        if (!number || !cursor.AtWordEnd()) {
            cursor = start;
            number = ReadNumberWords(cursor);
        }
        if (!number || !cursor.AtWordEnd()) {
            return std::nullopt;
        }
        heading =
            HeadingLine{MakeForm(unit, number->numeral, kEnglish, 0), number->value, LevelOf(unit)};
        break;
    }
    if (!heading) {
        if (IsCased(word, "first") || IsCased(word, "second") || IsCased(word, "third")) {
            cursor.Skip(word.size());
            if (!cursor.Take(u' ')) {
                return std::nullopt;
            }
        }
        const std::u16string_view name = cursor.Letters();
        if (!IsCased(name, "prologue") && !IsCased(name, "epilogue") && !IsCased(name, "preface")) {
            return std::nullopt;
        }
        cursor.Skip(name.size());
        if (!cursor.AtWordEnd() || length > kShortLine) {
            return std::nullopt;
        }
        heading = HeadingLine{};
    }
    const std::u16string_view tail = TailAfter(cursor);
    if (!tail.empty() && IsLower(tail.front())) {
        return std::nullopt;
    }
    // A title that makes the line long must look like one, every word capitalised but the
    // small ones, or it is the first line of a paragraph: "BOOK I. (FOLIO), CHAPTER I. (SPERM
    // WHALE).--This whale, among the".
    return length <= kShortLine || IsTitleCased(tail) ? heading : std::nullopt;
}

}  // namespace

std::optional<HeadingLine> ReadHeadingLine(std::u16string_view line) {
    if (line.empty() || line.size() > kLongHeadingLine) {
        return std::nullopt;
    }
    std::array<char16_t, kLongHeadingLine> narrowed;
    for (size_t i = 0; i < line.size(); ++i) {
        narrowed[i] = Narrow(line[i]);
    }
    const std::u16string_view text(narrowed.data(), line.size());
    Cursor cursor(text);
    if (IsUpper(text[0])) {
        return ReadEnglish(cursor, text.size());
    }
    return ReadKorean(cursor, text.size());
}

}  // namespace sorna
