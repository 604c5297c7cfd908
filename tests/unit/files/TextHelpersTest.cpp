#include <gtest/gtest.h>

#include "FakeClock.h"
#include "files/TextHelpers.h"
#include "files/TimeStamp.h"

namespace tilora {
namespace {

// The splitting as the arrangement reader did it while it copied the rest after every delimiter;
// the linear one must give exactly its pieces.
std::vector<std::wstring> CopyingSplitTrimmed(std::wstring rest, const std::wstring& delimiter) {
    std::vector<std::wstring> pieces;
    while (!delimiter.empty() && rest.size() > delimiter.size()) {
        const std::size_t at = rest.find(delimiter);
        if (at == std::wstring::npos) break;
        pieces.push_back(Trim(rest.substr(0, at)));
        rest = rest.substr(at + delimiter.size());
    }
    if (!Trim(rest).empty()) pieces.push_back(Trim(rest));
    return pieces;
}

TEST(SplitTrimmed, GivesTheCopyingSplitsPiecesForEveryShortText) {
    // Every text of up to 7 characters from "/", " " and "a": the digits of a count in base 3.
    for (int length = 0, count = 1; length <= 7; ++length, count *= 3) {
        for (int code = 0; code < count; ++code) {
            std::wstring text;
            for (int rest = code, i = 0; i < length; ++i, rest /= 3) text += L"/ a"[rest % 3];
            for (const wchar_t* delimiter : {L"/", L"//", L"/ ", L""}) {
                ASSERT_EQ(SplitTrimmed(text, delimiter), CopyingSplitTrimmed(text, delimiter))
                    << "[" << text << "] [" << delimiter << "]";
            }
        }
    }
}

TEST(SplitTrimmed, AMillionDelimitersSplitInOnePass) {
    const std::vector<std::wstring> pieces = SplitTrimmed(std::wstring(1'000'000, L'/'), L"/");
    ASSERT_EQ(pieces.size(), 1'000'000u);
    EXPECT_EQ(pieces.back(), L"/");  // a rest no longer than the delimiter is never split
}

TEST(TextHelpers, OnlyAsciiCountsAsWhiteSpaceDigitsAndLetters) {
    EXPECT_EQ(Trim(L" \t\n\v\f\r\u00a0a\u3000\r\n"), L"\u00a0a\u3000");
    EXPECT_EQ(ParseInteger(L"\u0661\u0662"), 0);  // Arabic-Indic digits
    EXPECT_EQ(ParseInteger(L"\uff11"), 0);        // a full-width digit
    EXPECT_EQ(LowerAsciiLetters(L"@AZ[`az{\u00c4"), L"@az[`az{\u00c4");
    EXPECT_EQ(UpperFirstAsciiLetter(L"zZ"), L"ZZ");
    EXPECT_EQ(UpperFirstAsciiLetter(L"\u00e4a"), L"\u00e4a");
    EXPECT_EQ(UpperFirstAsciiLetter(L"{a"), L"{a");
    EXPECT_EQ(UpperFirstAsciiLetter(L""), L"");
}

TEST(WithCrLf, EveryLineFeedGetsACarriageReturnEvenAfterOne) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {{L"a\nb\n", L"a\r\nb\r\n"},
                                                               {L"\n\n", L"\r\n\r\n"},
                                                               {L"a\r\nb\r", L"a\r\r\nb\r"},
                                                               {L"", L""}};
    for (const auto& [text, written] : cases) EXPECT_EQ(WithCrLf(text), written) << text;
}

TEST(StampKind, EachKindFormatsTheSameReading) {
    const std::pair<StampKind, const wchar_t*> cases[] = {
        {StampKind::Date, L"0987-01-02"},
        {StampKind::Time, L"03.04.05"},
        {StampKind::DateTime, L"0987-01-02_03.04.05"},
        {StampKind::TimeWithColons, L"03:04:05"},
        {static_cast<StampKind>(99), L"0987-01-02_03.04.05"},
    };
    testing::FakeClock clock;
    clock.SetLocalTime({987, 1, 2, 3, 4, 5});
    for (const auto& [kind, stamp] : cases) EXPECT_EQ(TimeStamp(clock, kind), stamp);
}

TEST(FormatInteger, PaddingGoesInFrontOfTheSignAndNeverCuts) {
    EXPECT_EQ(FormatInteger(-42), L"-42");
    EXPECT_EQ(FormatInteger(INT64_MIN), L"-9223372036854775808");
    EXPECT_EQ(FormatZeroPadded(3, -5), L"0-5");
    EXPECT_EQ(FormatZeroPadded(4, 987), L"0987");
    EXPECT_EQ(FormatZeroPadded(-1, 7), L"7");
    EXPECT_EQ(FormatSpacePadded(4, -8), L"  -8");
    EXPECT_EQ(FormatSpacePadded(4, 12345), L"12345");
}

TEST(ShownInLog, ReplacesWhatWouldCutOrReorderTheLineAndKeepsEveryOtherCharacter) {
    const std::wstring fffd(1, kReplacementCharacter);
    struct Case {
        const char* what;
        std::wstring text;
        std::wstring shown;
    };
    const Case cases[] = {
        {"plain", L"Untitled - Notepad", L"Untitled - Notepad"},
        {"umlauts and eszett", L"Größe ändern – Übersicht", L"Größe ändern – Übersicht"},
        {"empty", L"", L""},
        {"NUL inside", std::wstring(L"Before\0After", 12), L"Before" + fffd + L"After"},
        {"NUL at the end", std::wstring(L"End\0", 4), L"End" + fffd},
        {"tab", L"Name\tValue", L"Name" + fffd + L"Value"},
        {"CR LF inside a title", L"Line 1\r\nLine 2", L"Line 1" + fffd + fffd + L"Line 2"},
        {"escape sequence", L"\x1b[31mred", fffd + L"[31mred"},
        {"bell, backspace, DEL",
         L"a\x07"
         L"b\x08"
         L"c\x7f",
         L"a" + fffd + L"b" + fffd + L"c" + fffd},
        {"C1 controls", L"\x80x\x85y\x9f", fffd + L"x" + fffd + L"y" + fffd},
        {"after C1: no-break space", L"\xa0\xff", L"\xa0\xff"},
        {"line and paragraph separators",
         L"a\u2028"
         L"b\u2029",
         L"a" + fffd + L"b" + fffd},
        {"right-to-left override", L"invoice\u202Efdp.exe", L"invoice" + fffd + L"fdp.exe"},
        {"every embedding and override", L"\u202A\u202B\u202C\u202D\u202E",
         std::wstring(5, kReplacementCharacter)},
        {"every isolate", L"\u2066\u2067\u2068\u2069", std::wstring(4, kReplacementCharacter)},
        {"neighbours of the bidi set", L"\u2029\u202F\u2065\u206A", fffd + L"\u202F\u2065\u206A"},
        {"right-to-left letters", L"\u05E9\u05DC\u05D5\u05DD", L"\u05E9\u05DC\u05D5\u05DD"},
        {"emoji", L"Chat \U0001F600", L"Chat \U0001F600"},
        {"surrogate pair as two units", L"x\xD83D\xDE00y", L"x\xD83D\xDE00y"},
        {"lone high surrogate", L"x\xD83Dy", L"x" + fffd + L"y"},
        {"lone high surrogate at the end", L"x\xD83D", L"x" + fffd},
        {"lone low surrogate", L"x\xDE00y", L"x" + fffd + L"y"},
        {"two high surrogates, then a low one", L"\xD83D\xD83D\xDE00", fffd + L"\xD83D\xDE00"},
        {"replacement character itself", fffd, fffd},
        {"as long as the log shows", std::wstring(kLogLineCapacity, L'7'),
         std::wstring(kLogLineCapacity, L'7')},
        {"one character longer", std::wstring(kLogLineCapacity + 1, L'7'),
         std::wstring(kLogLineCapacity, L'7') + kLineCutMark},
        {"10 MB", std::wstring(5000000, L'7'), std::wstring(kLogLineCapacity, L'7') + kLineCutMark},
        {"a pair across the end stays whole",
         std::wstring(kLogLineCapacity - 1, L'7') + L"\xD83D\xDE00" + L"7",
         std::wstring(kLogLineCapacity - 1, L'7') + L"\xD83D\xDE00" + kLineCutMark},
    };
    for (const Case& c : cases) EXPECT_EQ(ShownInLog(c.text), c.shown) << c.what;
}

}  // namespace
}  // namespace tilora
