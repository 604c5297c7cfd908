#include <gtest/gtest.h>
#include <limits>

#include "files/ArrangementFormat.h"

namespace tilora {
namespace {

constexpr wchar_t kTrailer[] = L"; ltrb = left/top/right/bottom coordinates";
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

WindowRecord Record(const std::wstring& title, Rect rect, std::int32_t zLevel, std::uint32_t show,
                    const std::wstring& procPath = L"C:\\np.exe") {
    WindowRecord record;
    record.winName = title;
    record.rcNormalPosition = rect;
    record.zLevel = zLevel;
    record.showCmd = show;
    record.procPath = procPath;
    return record;
}

TEST(ParseArrangementLine, TakesEachFieldWhereverItStands) {
    using Line = ArrangementLine;
    const std::pair<const wchar_t*, std::optional<ArrangementLine>> cases[] = {
        {L"zLevel:   3; showCmd: 1; size:  800x 600; ltrb:  100/  50/ 900/ 650; winName: Untitled "
         L"- Notepad; procPath: C:\\np.exe; ltrb = left/top/right/bottom coordinates;",
         Line{L"Untitled - Notepad", 3, 1, Rect{100, 50, 900, 650}}},
        {L"winName:Ed;ltrb:-1920/0/-1000/700;showCmd:3;zLevel:12;",
         Line{L"Ed", 12, 3, {{-1920, 0, -1000, 700}}}},
        // A CR left over from a CR CR LF line end is white space like any other.
        {L"zLevel: 3\r; ltrb: 1/2/3/4\r; winName: Ed\r;\r", Line{L"Ed", 3, {}, Rect{1, 2, 3, 4}}},
        // Empty values and an ltrb of other than four pieces are missing; numbers read as far as
        // they go; showCmd goes through a signed 32-bit number.
        {L"showCmd: ; zLevel:; ltrb: 1/2/3; winName: Ed;", Line{L"Ed", {}, {}, {}}},
        {L"ltrb: 1/2/3/4/5; winName: Ed;", Line{L"Ed", {}, {}, {}}},
        {L"ltrb: 1/2/3/4/; zLevel: -99999999999; showCmd: -1; winName: Ed;",
         Line{L"Ed", kMin, 4294967295u, Rect{1, 2, 3, 4}}},
        {L"ltrb: a/2px/ 3 /4e9; showCmd: 4294967295; winName: Ed;",
         Line{L"Ed", {}, 2147483647u, Rect{0, 2, 3, 4}}},
        // A "#" starts a comment; the first ";" ends a title.
        {L"# zLevel: 3; winName: Ed;", std::nullopt},
        {L"zLevel: 3; winName: Ed; # showCmd: 1;", Line{L"Ed", 3, {}, {}}},
        {L"zLevel: 1; winName: deep; #odd; procPath: x;", Line{L"deep", 1, {}, {}}},
        // A title holding "#" has no value, but the title as written still names a window.
        {L"zLevel: 1; winName: C# Editor; procPath: x;", Line{L"", 1, {}, {}}},
        {L"# zLevel: 1; winName: Ed; procPath: x;", std::nullopt},
        // The numbers stand before the title in a written line, so a title cannot hide them.
        {L"zLevel: 2; ltrb: 1/2/3/4; winName: zLevel: 9; ltrb: 5/6/7/8; procPath: x;",
         Line{L"zLevel: 9", 2, {}, Rect{1, 2, 3, 4}}},
        {L"zLevel: 3; winName: Ed", std::nullopt},
        {L"zLevel: 3; winName: ;", std::nullopt},
    };
    for (const auto& [line, parsed] : cases) {
        EXPECT_TRUE(ParseArrangementLine(line) == parsed) << line;
    }
}

TEST(WrittenTitle, TakesEverythingUpToTheLastProcPath) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"zLevel: 1; winName: a; b; procPath: C:\\x.exe; trailer;", L"a; b"},
        {L"zLevel: 1; winName: Issue #12 \u2013 Browser; procPath: x;",
         L"Issue #12 \u2013 Browser"},
        {L"winName:  padded ; procPath: x;", L" padded "},  // nothing trimmed
        {L"winName: a; procPath: b; procPath: c;", L"a; procPath: b"},
        {L"winName: a; procPath:", L"a"},
        {L"winName: ; procPath: x;", L""},
        {L"winName: a;", L""},                            // no procPath
        {L"winName:a; procPath: x;", L""},                // not as the program writes it
        {L"; procPath: x; winName: a;", L""},             // procPath before the title
        {L"# zLevel: 1; winName: a; procPath: x;", L""},  // commented out
    };
    for (const auto& [line, title] : cases) EXPECT_EQ(WrittenTitle(line), title) << line;
}

TEST(FormatArrangementLine, PadsTheNumbersAndCutsNothing) {
    EXPECT_EQ(
        FormatArrangementLine(Record(L"Untitled - Notepad", {100, -50, 900, 650}, 3, 1), kTrailer),
        L"zLevel:   3; showCmd: 1; size:  800x 700; ltrb:  100/ -50/ 900/ 650; winName: "
        L"Untitled - Notepad; procPath: C:\\np.exe; ltrb = left/top/right/bottom coordinates;\n");
    // The size wraps as the rectangle's arithmetic does.
    EXPECT_EQ(
        FormatArrangementLine(Record(L"w", {kMin, 0, kMax, 12345}, -1234, 4294967295u, L""), L""),
        L"zLevel: -1234; showCmd: 4294967295; size:   -1x12345; ltrb: -2147483648/   "
        L"0/2147483647/12345; winName: w; procPath: ;\n");
    const WindowRecord a = Record(L"a", {}, 1, 1), b = Record(L"b", {}, 2, 2);
    EXPECT_EQ(FormatArrangement({b, a}, kTrailer),
              FormatArrangementLine(b, kTrailer) + FormatArrangementLine(a, kTrailer));
    EXPECT_EQ(FormatArrangement({}, kTrailer), L"");
}

TEST(ArrangementFormat, AWrittenLineReadsBackAsTheRecord) {
    const WindowRecord records[] = {
        Record(L"Untitled - Notepad", {100, 50, 900, 650}, 3, 1),
        Record(L"Pl\u00e4ne \u4e2d \U0001f600 - a/b: c", {kMin, kMin, kMax, kMax}, kMax, 11),
        Record(L"ltrb: 9/9/9/9", {-1920, -1080, -1, -1}, 0, 2, L"C:\\#odd;path.exe"),
    };
    for (const WindowRecord& record : records) {
        std::wstring line = FormatArrangementLine(record, kTrailer);
        line.pop_back();  // the line feed, as reading the file leaves the line
        for (const std::wstring& read : {line, line + L"\r"}) {
            const ArrangementLine expected{record.winName, record.zLevel, record.showCmd,
                                           record.rcNormalPosition};
            EXPECT_TRUE(ParseArrangementLine(read) == expected) << read;
        }
    }
}

}  // namespace
}  // namespace tilora
