#include <algorithm>
#include <gtest/gtest.h>
#include <optional>

#include "files/TextHelpers.h"
#include "settings/SettingsFormat.h"

namespace tilora {
namespace {

constexpr SettingKey kLanguage = SettingKey::Language, kPosition = SettingKey::StartPosition,
                     kTopmost = SettingKey::Topmost, kMinimize = SettingKey::Minimize,
                     kExclude = SettingKey::ExcludeMax;

std::vector<std::wstring> LinesOf(const std::wstring& text) {
    std::vector<std::wstring> lines;
    for (std::size_t start = 0, end; start < text.size(); start = end + 1) {
        end = std::min(text.find(L'\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

Settings Values(std::wstring language, Point position = {}, std::optional<bool> topmost = {},
                std::optional<bool> minimize = {}, std::wstring text = L"",
                std::vector<std::wstring> list = {}) {
    return {std::move(language), position, topmost, minimize, std::move(text), std::move(list)};
}

TEST(ParseSettings, EveryKeyAndValueInFileOrder) {
    struct Case {
        std::wstring text;
        Settings values;
        std::vector<SettingRead> reads;
    };
    const Case cases[] = {
        {L"", Values(L"English"), {}},
        {L"Language = German\nStartPosition = 120,45\nTopmost = False\nMinimize = True\nExcludeMax "
         L"= a.exe;bb;c.exe",
         Values(L"German", {120, 45}, false, true, L"a.exe;bb;c.exe", {L"a.exe", L"bb", L"c.exe"}),
         {{kLanguage, L"German"},
          {kPosition, L"120,45"},
          {kTopmost, L"False"},
          {kMinimize, L"True"},
          {kExclude, L"a.exe;bb;c.exe"}}},
        // Unknown values turn into English and False; the last line of a key wins.
        {L"Language = German\nTopmost = true\nMinimize = yes\nLanguage = Klingon\nTopmost = "
         L"\nMinimize = False",
         Values(L"English", {}, false, false),
         {{kLanguage, L"German"},
          {kTopmost, L"False", false},
          {kMinimize, L"False", false},
          {kLanguage, L"English", false},
          {kTopmost, L"False", false},
          {kMinimize, L"False"}}},
        // Keys count only exactly at the start; values are trimmed, a CR left over included.
        {L" Language = German\nlanguage = German\nTopmost =True\nMinimize=True\nLanguage = \t "
         L"German \r\nTopmost = True\r",
         Values(L"German", {}, true),
         {{kLanguage, L"German"}, {kTopmost, L"True"}}},
        // A position without a comma is passed over; the numbers are read as far as they go.
        {L"StartPosition = 7,8\nStartPosition = 100\nStartPosition =  -20 , +30px,1 "
         L"\nStartPosition = ,",
         Values(L"English", {0, 0}),
         {{kPosition, L"7,8"}, {kPosition, L"-20 , +30px,1"}, {kPosition, L","}}},
        {L"StartPosition = 99999999999,-5\nStartPosition = 3",
         Values(L"English", {2147483647, -5}),
         {{kPosition, L"99999999999,-5"}}},
        // Every exclusion line adds to the list; several lines are written back as one line of
        // every piece, each once.
        {L"ExcludeMax = a.exe;b.exe\nExcludeMax =  c.exe ;; d.exe ;\nExcludeMax = b.exe;ab",
         Values(L"English", {}, {}, {}, L"a.exe;b.exe;c.exe;;d.exe",
                {L"a.exe", L"b.exe", L"c.exe", L"", L"d.exe", L"b.exe"}),
         {{kExclude, L"a.exe;b.exe"}, {kExclude, L"c.exe ;; d.exe ;"}, {kExclude, L"b.exe;ab"}}},
    };
    for (const Case& c : cases) {
        const SettingsText parsed = ParseSettings(LinesOf(c.text));
        EXPECT_TRUE(parsed.values == c.values) << c.text;
        EXPECT_EQ(parsed.values.excludeMaxList, c.values.excludeMaxList) << c.text;
        EXPECT_TRUE(parsed.reads == c.reads) << c.text;
    }
}

TEST(FormatSettings, FiveLinesThatReadBackAsWritten) {
    const std::wstring text =
        FormatSettings(L"German", {-8, 2147483647}, true, false, L"C:\\\u00c4\\\u4e2d.exe;b");
    EXPECT_EQ(
        text,
        L"Language = German\nStartPosition = -8,2147483647\nTopmost = True\nMinimize = False\n"
        L"ExcludeMax = C:\\\u00c4\\\u4e2d.exe;b\n");
    EXPECT_TRUE(ParseSettings(LinesOf(text)).values == Values(L"German", {-8, 2147483647}, true,
                                                              false, L"C:\\\u00c4\\\u4e2d.exe;b",
                                                              {L"C:\\\u00c4\\\u4e2d.exe"}));
    // The settings file as the program writes it, once its line ends are added.
    EXPECT_EQ(WithCrLf(FormatSettings(L"English", {120, 45}, false, true, L"")),
              L"Language = English\r\nStartPosition = 120,45\r\nTopmost = False\r\nMinimize = "
              L"True\r\nExcludeMax = \r\n");
}

TEST(FollowMonitors, OnWithoutTheLineAndWrittenOnlyWhenOff) {
    // Only "False" turns it off; the echo says which way it went.
    for (const auto& [line, on] : {std::pair<std::wstring, bool>{L"Language = English", true},
                                   {L"FollowMonitors = True", true},
                                   {L"FollowMonitors = false", true},
                                   {L"FollowMonitors =  False ", false}}) {
        EXPECT_EQ(ParseSettings({line}).values.followMonitors, on) << line;
    }
    const std::wstring off = FormatSettings(L"English", {1, 2}, false, false, L"", false);
    EXPECT_EQ(off,
              FormatSettings(L"English", {1, 2}, false, false, L"") + L"FollowMonitors = False\n");
    const SettingsText read = ParseSettings(LinesOf(off));
    EXPECT_FALSE(read.values.followMonitors);
    EXPECT_EQ(read.reads.back(), (SettingRead{SettingKey::FollowMonitors, L"False", true}));
    EXPECT_EQ(FormatSettings(L"English", {1, 2}, false, false, L"", true),
              FormatSettings(L"English", {1, 2}, false, false, L""));
}

}  // namespace
}  // namespace tilora
