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

}  // namespace
}  // namespace tilora
