#include <gtest/gtest.h>

#include "files/PathText.h"
#include "files/TextEncoding.h"

namespace tilora {
namespace {

TEST(PathText, WideTextSurvivesTheRoundTripThroughUtf8) {
    const std::wstring texts[] = {L"", L"plain", L"L\u00f6sche \u00c4", L"\u20ac 100",
                                  std::wstring(L"smile ") + static_cast<wchar_t>(0x1F600)};
    for (const std::wstring& text : texts) {
        EXPECT_EQ(DecodeUtf8(EncodeUtf8(text)), text);
        EXPECT_EQ(FromPath(ToPath(text)), text);
    }
    EXPECT_EQ(EncodeUtf8(L"\u00e4"), "\xC3\xA4");
}

TEST(PathText, BytesThatAreNoUtf8BecomeReplacementCharacters) {
    struct Case {
        std::string bytes;
        std::wstring text;
    };
    const Case cases[] = {
        {"A\xFF"
         "B",
         L"A\uFFFDB"},
        {"\xC3", L"\uFFFD"},            // cut off
        {"\xC0\xAF", L"\uFFFD\uFFFD"},  // overlong
        {"\xE0\x80\xAF", L"\uFFFD\uFFFD\uFFFD"},
        {"\xED\xA0\x80", L"\uFFFD\uFFFD\uFFFD"},  // a surrogate
        {"\xC3\xA4\xC3", L"\u00e4\uFFFD"},
    };
    for (const Case& c : cases) EXPECT_EQ(DecodeUtf8(c.bytes), c.text);
}

TEST(PathText, APlainFileNameStaysInItsFolder) {
    const std::pair<const wchar_t*, bool> cases[] = {
        {L"Layout1", true},
        {L"Pl\u00e4ne B\u00fcro.txt", true},
        {L"", true},
        {L".hidden", true},
        {L"a.b.txt", true},
        {L"..\\..\\x", false},
        {L"..\\x", false},
        {L"../x", false},
        {L"..", false},
        {L"a..b", false},
        {L"sub\\x", false},
        {L"sub/x", false},
        {L"C:\\x", false},
        {L"C:x", false},
        {L"\\\\server\\share\\x", false},
        {L"a*b", false},
        {L"a?b", false},
        {L"a\"b", false},
        {L"a<b", false},
        {L"a>b", false},
        {L"a|b", false},
        {L"tab\there", false},
        {L"line\nfeed", false},
    };
    for (const auto& [name, plain] : cases) EXPECT_EQ(IsPlainFileName(name), plain) << name;
}

TEST(PathText, DeviceNamesAndNamesWindowsWouldShortenAreReserved) {
    const std::pair<const wchar_t*, bool> cases[] = {
        {L"CON", true},
        {L"prn.txt", true},
        {L"Aux.tar.txt", true},
        {L"NUL .txt", true},
        {L"com1", true},
        {L"COM9.txt", true},
        {L"LPT1.txt", true},
        {L"lpt9", true},
        {L"COM\u00b9.txt", true},
        {L"Layout.", true},
        {L"Layout ", true},
        {L"CONSOLE.txt", false},
        {L"COM0.txt", false},
        {L"COM10.txt", false},
        {L"LPT.txt", false},
        {L"xCON.txt", false},
        {L" CON.txt", false},
        {L"Layout.txt", false},
        {L"Layout.txt .txt", false},
    };
    for (const auto& [name, reserved] : cases)
        EXPECT_EQ(IsReservedFileName(name), reserved) << name;
}

}  // namespace
}  // namespace tilora
