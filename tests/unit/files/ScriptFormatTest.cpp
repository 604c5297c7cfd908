#include <gtest/gtest.h>

#include "files/ScriptFormat.h"

namespace tilora {
namespace {

// FieldAt as it was while it copied the rest after every semicolon.
std::wstring CopyingFieldAt(std::wstring rest, int n) {
    std::wstring field;
    for (int i = 0; i < n; ++i) {
        const std::size_t at = rest.find(L';');
        if (at == std::wstring::npos) return std::wstring();
        field = rest.substr(0, at);
        rest = rest.substr(at + 1);
    }
    return field;
}

TEST(FieldAt, GivesTheCopyingFieldAtsFieldForEveryShortText) {
    for (int length = 0, count = 1; length <= 7; ++length, count *= 3) {
        for (int code = 0; code < count; ++code) {
            std::wstring text;
            for (int rest = code, i = 0; i < length; ++i, rest /= 3) text += L"; a"[rest % 3];
            for (int n = -1; n <= 9; ++n) {
                ASSERT_EQ(FieldAt(text, n), CopyingFieldAt(text, n)) << "[" << text << "] " << n;
            }
        }
    }
    std::wstring many(1'000'000, L';');
    many.insert(999'999, L"last");
    EXPECT_EQ(FieldAt(many, 1'000'000), L"last");
    EXPECT_EQ(FieldAt(many, 2147483647), L"");
}

TEST(ParseAppStartScript, EntriesFromEveryLineThatIsNoCommentArrangementFromLineTwo) {
    struct Case {
        std::vector<std::wstring> lines;
        std::vector<StartEntry> entries;
        const wchar_t* arrangement;
    };
    const Case cases[] = {
        {{}, {}, L""},
        {{L"C:\\a.txt;C:\\ed.exe;Work.txt;"}, {{L"C:\\a.txt", L"C:\\ed.exe"}}, L""},
        // Line two names the arrangement whether it is an entry, a comment or a ";;" line.
        {{L"File;Program;", L"# Work;;Work.txt;"}, {{L"File", L"Program"}}, L"Work.txt"},
        {{L"", L";; Work.txt ;", L"a;b;Other.txt;"}, {{L"a", L"b"}}, L" Work.txt "},
        {{L"# x", L"C:\\a.txt;;D:\\W.txt;", L""}, {{L"C:\\a.txt", L""}}, L"D:\\W.txt"},
        {{L"x", L";;Work.txt"}, {{L"", L""}}, L""},  // fields need their ";"
        {{L" #a;b;", L"\tx;y\r;", L";a;", L"c;d\r", L"\r"},
         {{L" #a", L"b"}, {L"\tx", L"y\r"}, {L"", L"a"}, {L"c", L""}, {L"", L""}},
         L""},
    };
    for (const Case& c : cases) {
        const AppStartScript script = ParseAppStartScript(c.lines);
        EXPECT_EQ(script.entries.size(), c.entries.size()) << &c - cases;
        EXPECT_TRUE(script.entries == c.entries) << &c - cases;
        EXPECT_EQ(script.arrangement, c.arrangement) << &c - cases;
    }
}

}  // namespace
}  // namespace tilora
