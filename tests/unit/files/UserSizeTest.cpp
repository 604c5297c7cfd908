#include <gtest/gtest.h>

#include "files/UserSize.h"

namespace tilora {
namespace {

TEST(ParseUserSize, EveryTypedText) {
    struct Case {
        const wchar_t* typed;
        SizeRefusal refusal;
        std::int32_t width;
        std::int32_t height;
        const wchar_t* invalid;
    };
    const Case cases[] = {
        {L"300x400", SizeRefusal::None, 300, 400, L""},
        {L"1920x1080", SizeRefusal::None, 1920, 1080, L""},
        {L"300 x 400", SizeRefusal::InvalidCharacters, 300, 400, L"  "},
        {L"300X400", SizeRefusal::NoX, 300, 400, L""},
        {L"300x400x500", SizeRefusal::SeveralX, 300, 400, L""},
        {L"abc", SizeRefusal::NoX, 300, 400, L""},
        {L"3a0x400", SizeRefusal::InvalidCharacters, 300, 400, L"a"},
        {L"-5x400", SizeRefusal::InvalidCharacters, 300, 400, L"-"},
        {L"49x400", SizeRefusal::BelowMinimum, 49, 400, L""},
        {L"300x49", SizeRefusal::BelowMinimum, 300, 49, L""},
        {L"300x", SizeRefusal::BelowMinimum, 300, 0, L""},
        {L"x400", SizeRefusal::BelowMinimum, 0, 400, L""},
        {L"x", SizeRefusal::BelowMinimum, 0, 0, L""},
        {L"50x50", SizeRefusal::None, 50, 50, L""},
        {L"", SizeRefusal::NoX, 300, 400, L""},
        // Past the 32-bit range a number stops growing instead of wrapping to a small one.
        {L"99999999999x400", SizeRefusal::None, 2147483647, 400, L""},
        {L"300x4294967346", SizeRefusal::None, 300, 2147483647, L""},
    };
    for (const Case& c : cases) {
        const UserSize size = ParseUserSize(c.typed);
        EXPECT_EQ(size.refusal, c.refusal) << c.typed;
        EXPECT_EQ(size.width, c.width) << c.typed;
        EXPECT_EQ(size.height, c.height) << c.typed;
        EXPECT_EQ(size.invalidCharacters, c.invalid) << c.typed;
    }
}

TEST(ParseUserSize, LongTextsAreReadInOnePass) {
    // Bound only by the test timeout: a split that copied the rest after every separator would
    // take seconds on the last text here.
    const std::wstring digits(10'000, L'7');
    const UserSize big = ParseUserSize(digits + L"x" + digits);
    EXPECT_EQ(big.refusal, SizeRefusal::None);
    EXPECT_EQ(big.width, 2147483647);
    EXPECT_EQ(big.height, 2147483647);

    EXPECT_EQ(ParseUserSize(std::wstring(10'000, L'x')).refusal, SizeRefusal::SeveralX);
    const UserSize blanks = ParseUserSize(std::wstring(9'999, L' ') + L"x");
    EXPECT_EQ(blanks.refusal, SizeRefusal::InvalidCharacters);
    EXPECT_EQ(blanks.invalidCharacters.size(), 9'999u);

    std::wstring many;
    for (int i = 0; i < 100'000; ++i) many += L"1x";
    const SplitPieces split = SplitAtSeparator(many, L"x", 1'000'000);
    EXPECT_EQ(split.count, 100'000);
    EXPECT_EQ(split.pieces.back(), L"");
}

TEST(SplitAtSeparator, PiecesAndCount) {
    struct Case {
        const wchar_t* text;
        const wchar_t* separator;
        int maxSeparators;
        int count;
        std::vector<std::wstring> pieces;
    };
    const Case cases[] = {
        {L"300x400", L"x", 1, 1, {L"300", L"400"}},
        {L"300x", L"x", 1, 1, {L"300", L""}},
        {L"x400", L"x", 1, 1, {L"", L"400"}},
        {L"x", L"x", 1, 0, {L"x"}},
        {L"300", L"x", 1, 0, {L"300"}},
        {L"1x2x3", L"x", 1, -1, {L"1", L"2"}},
        {L"1x2x3", L"x", 2, 2, {L"1", L"2", L"3"}},
        // A rest no longer than the separator is never split: the second x stays a piece.
        {L"300xx", L"x", 1, 1, {L"300", L"x"}},
        {L"a--b--", L"--", 5, 2, {L"a", L"b", L""}},
        {L"ab", L"", 3, 0, {L"ab"}},
    };
    for (const Case& c : cases) {
        const SplitPieces split = SplitAtSeparator(c.text, c.separator, c.maxSeparators);
        EXPECT_EQ(split.count, c.count) << c.text;
        EXPECT_EQ(split.pieces, c.pieces) << c.text;
    }
}

TEST(CollectInvalidChars, KeepsOrderRepetitionsAndBlanks) {
    EXPECT_EQ(CollectInvalidChars(L"3a0 x a4X", L"0123456789x"), L"a  aX");
    EXPECT_EQ(CollectInvalidChars(L"640x480", L"0123456789x"), L"");
    EXPECT_EQ(CollectInvalidChars(L"\u00b2x\u0663", L"0123456789x"), L"\u00b2\u0663");
    EXPECT_EQ(CollectInvalidChars(L"abc", L""), L"abc");
}

}  // namespace
}  // namespace tilora
