#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

#include "FakePlatform.h"
#include "LineEndFiles.h"
#include "commands/SettingsCommands.h"
#include "files/FileAccess.h"
#include "files/PathText.h"
#include "files/TextHelpers.h"
#include "platform/ControlIds.h"

namespace tilora {
namespace {

namespace fs = std::filesystem;
using testing::FakePlatform;
using testing::ScopedWorkingFolder;
using Lines = std::vector<std::wstring>;

std::wstring Message(Language language, Msg id) {
    return MessageCatalogue::Stored(language, id);
}

// One run of the program: its own controls, catalogue, log and settings.
struct ProgramRun {
    FakePlatform fake;
    CommandContext context{fake.platform()};
    MessageCatalogue& catalogue = context.catalogue;

    void ReadSettings(const std::wstring& path) {
        context.paths.settingsFilePath = path;
        LoadSettings(context);
    }
    int WriteSettings(const std::wstring& path, const Rect& dialogRect) {
        context.paths.settingsFilePath = path;
        return StoreSettings(context, {dialogRect.left, dialogRect.top}).error;
    }
    Point startPosition() const { return context.settings.startPosition; }
    bool topmostSetting() const { return context.settings.topmost.value_or(false); }
    const std::wstring& excludeMaxText() const { return context.settings.excludeMaxText; }
    const std::vector<std::wstring>& excludeMaxList() const {
        return context.settings.excludeMaxList;
    }

    Lines Log() const { return fake.controls.Lines(IDC_LB_INFO); }
    bool Checked(int id) const { return fake.controls.IsChecked(id); }
};

class SettingsFileTest : public ::testing::Test {
  protected:
    ScopedWorkingFolder folder{"tilora-settings"};
    fs::path file = folder.path() / "Settings.txt";
    std::wstring path = FromPath(file);
    ProgramRun run;

    void WriteFile(const std::string& bytes) { std::ofstream(file, std::ios::binary) << bytes; }
    std::string FileBytes() const {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    void Read(const std::string& bytes) {
        WriteFile(bytes);
        run.ReadSettings(path);
    }
};

TEST_F(SettingsFileTest, AMissingFileIsReportedWithCode2AndChangesNothing) {
    run.ReadSettings(path);
    EXPECT_EQ(run.Log(), Lines{Message(Language::English, Msg::SettingsOpenFailed) + L"2"});
    EXPECT_EQ(run.catalogue.currentLanguage(), L"English");
    EXPECT_EQ(run.startPosition(), (Point{0, 0}));
    EXPECT_FALSE(run.Checked(IDC_CK_TOP) || run.Checked(IDC_CK_MIN));
    EXPECT_TRUE(run.excludeMaxList().empty());
}

TEST_F(SettingsFileTest, AFileAsTheProgramWritesItIsReadAndReported) {
    Read(
        "Language = English\r\nStartPosition = 120,45\r\nTopmost = False\r\nMinimize = True\r\n"
        "ExcludeMax = notepad.exe;mspaint.exe\r\n");
    EXPECT_EQ(run.Log(),
              (Lines{L"Read Settings File:", L"Language = English", L"StartPosition = 120,45",
                     L"Topmost = False", L"Minimize = True"}));
    EXPECT_EQ(run.startPosition(), (Point{120, 45}));
    EXPECT_FALSE(run.Checked(IDC_CK_TOP));
    EXPECT_TRUE(run.Checked(IDC_CK_MIN));
    EXPECT_EQ(run.excludeMaxList(), (Lines{L"notepad.exe", L"mspaint.exe"}));
}

TEST_F(SettingsFileTest, UnrecognisedValuesAreReportedInTheLanguageReadAndEchoedAsFalse) {
    run.fake.controls.SetChecked(IDC_CK_TOP, true);
    run.fake.controls.SetChecked(IDC_CK_MIN, true);
    Read("Language = German\nTopmost = true\nMinimize = yes\nLanguage = Klingon\nTopmost = ja\n");
    EXPECT_EQ(run.Log(),
              (Lines{L"Lese die Einstellungen-Datei:", L"Language = German",
                     Message(Language::German, Msg::TopmostNotFound), L"Topmost = False",
                     L"Minimize = False", Message(Language::English, Msg::LanguageNotFound),
                     L"Language = English", Message(Language::English, Msg::TopmostNotFound),
                     L"Topmost = False"}));
    EXPECT_EQ(run.catalogue.currentLanguage(), L"English");
    EXPECT_FALSE(run.topmostSetting());
    EXPECT_FALSE(run.Checked(IDC_CK_TOP) || run.Checked(IDC_CK_MIN));
}

TEST_F(SettingsFileTest, KeysCountOnlyExactlyAtTheStartAndTheLastOfAKeyWins) {
    Read(
        " Language = German\nlanguage = German\nTopmost =True\nStartPosition = 100\n"
        "StartPosition =  -20 , +30 \nTopmost = True\nExcludeMax = a.exe;b.exe\n"
        "ExcludeMax = c.exe\nStartPosition = 100\n");
    EXPECT_EQ(run.Log(), (Lines{L"StartPosition = -20 , +30", L"Topmost = True"}));
    EXPECT_EQ(run.catalogue.currentLanguage(), L"English");
    EXPECT_EQ(run.startPosition(), (Point{-20, 30}));
    EXPECT_TRUE(run.Checked(IDC_CK_TOP));
    EXPECT_EQ(run.excludeMaxText(), L"a.exe;b.exe;c.exe");
    EXPECT_EQ(run.excludeMaxList(), (Lines{L"a.exe", L"b.exe", L"c.exe"}));
}

TEST_F(SettingsFileTest, EveryLineEndAndAMarkBeforeALineGiveTheLinesAnEditorShows) {
    const std::vector<std::string> lines = {"Language = German", "Topmost = True",
                                            "StartPosition = 10,20", "ExcludeMax = a.exe;b.exe"};
    for (const testing::LineEndFile& c : testing::LineEndFiles()) {
        ProgramRun fresh;
        WriteFile(testing::FileBytes(c, lines));
        fresh.ReadSettings(path);
        EXPECT_EQ(fresh.catalogue.currentLanguage(), L"German") << c.what;
        EXPECT_TRUE(fresh.Checked(IDC_CK_TOP)) << c.what;
        EXPECT_EQ(fresh.startPosition(), (Point{10, 20})) << c.what;
        EXPECT_EQ(fresh.excludeMaxList(), (Lines{L"a.exe", L"b.exe"})) << c.what;
    }
}

TEST_F(SettingsFileTest, EveryExclusionLineAndAnEditMadeWhileRunningSurviveTheClosing) {
    Read(
        "Language = English\r\nExcludeMax = a.exe;b.exe\r\nExcludeMax = c.exe;a.exe\r\n"
        "ExcludeMax = d.exe\r\n");
    ASSERT_EQ(run.WriteSettings(path, {5, 6, 0, 0}), 0);
    EXPECT_EQ(FileBytes(),
              "Language = English\r\nStartPosition = 5,6\r\nTopmost = False\r\nMinimize = "
              "False\r\nExcludeMax = a.exe;b.exe;c.exe;d.exe\r\n");
    // Its own writes are no edit of the user's.
    ASSERT_EQ(run.WriteSettings(path, {5, 6, 0, 0}), 0);
    EXPECT_EQ(run.Log(), (Lines{L"Read Settings File:", L"Language = English"}));

    // The user edits the file while the program runs; the dialog's own state still wins.
    run.fake.controls.SetChecked(IDC_CK_TOP, true);
    WriteFile("Language = German\r\nTopmost = False\r\nExcludeMax = e.exe\r\nExcludeMax = f.exe\n");
    ASSERT_EQ(run.WriteSettings(path, {7, 8, 0, 0}), 0);
    EXPECT_EQ(FileBytes(),
              "Language = English\r\nStartPosition = 7,8\r\nTopmost = True\r\nMinimize = "
              "False\r\nExcludeMax = e.exe;f.exe\r\n");
    EXPECT_EQ(run.Log().back(), Message(Language::English, Msg::SettingsEditedWhileRunning) + path);
    EXPECT_EQ(run.excludeMaxList(), (Lines{L"e.exe", L"f.exe"}));
}

TEST(SplitList, PiecesBeforeTheLastDelimiterAllCountTheLastOnlyFromThreeCharacters) {
    const std::tuple<std::wstring, std::wstring, Lines> cases[] = {
        {L" a.exe ; b.exe ", L";", {L"a.exe", L"b.exe"}},
        {L"a.exe;ab", L";", {L"a.exe"}},
        {L"x;a.exe", L";", {L"x", L"a.exe"}},
        {L"a.exe;;b.exe", L";", {L"a.exe", L"", L"b.exe"}},
        {L";;", L";", {L""}},
        {L"ab", L";", {}},
        {L"a.exe, b.exe", L", ", {L"a.exe", L"b.exe"}},
        {L"a;b;c", L"", {L"a;b;c"}},  // nothing to split on
    };
    for (const auto& [text, delimiter, pieces] : cases) {
        Lines list{L"earlier"};
        SplitList(text, delimiter, list);
        list.erase(list.begin());
        EXPECT_EQ(list, pieces) << text;
    }
}

TEST(JoinList, GivesTheTextSplitListTurnsBackIntoThePieces) {
    const std::pair<Lines, std::wstring> cases[] = {
        {{}, L""},
        {{L"a.exe", L"b.exe"}, L"a.exe;b.exe"},
        {{L"a.exe", L"ab"}, L"a.exe;ab;"},
        {{L"a.exe", L"", L"b.exe"}, L"a.exe;;b.exe"},
        {{L"a.exe", L""}, L"a.exe;;;"},
        {{L""}, L";;"},
        {{L"x", L"C:\\Program Files\\y.exe"}, L"x;C:\\Program Files\\y.exe"},
    };
    for (const auto& [pieces, text] : cases) {
        EXPECT_EQ(JoinList(pieces), text);
        Lines back;
        SplitList(text, L";", back);
        EXPECT_EQ(back, pieces) << text;
    }
}

TEST(ParseInteger, ReadsLikeStrtolAndClampsTo32Bits) {
    const std::pair<const wchar_t*, std::int32_t> cases[] = {
        {L"  -45", -45},
        {L"+7px", 7},
        {L"abc", 0},
        {L"- 5", 0},
        {L"2147483648", 2147483647},
        {L"-99999999999999999999999", -2147483647 - 1},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(ParseInteger(text), value) << text;
}

TEST_F(SettingsFileTest, WritesTheFiveLinesAsEightBitText) {
    Read("ExcludeMax = notepad.exe;mspaint.exe\n");
    run.fake.controls.SetChecked(IDC_CK_MIN, true);
    ASSERT_EQ(run.WriteSettings(path, {120, 45, 569, 450}), 0);
    EXPECT_EQ(FileBytes(),
              "Language = English\r\nStartPosition = 120,45\r\nTopmost = False\r\n"
              "Minimize = True\r\nExcludeMax = notepad.exe;mspaint.exe\r\n");
}

TEST_F(SettingsFileTest, WhatIsWrittenReadsBackUnchanged) {
    struct Case {
        std::string fileRead;
        std::wstring exclusion;
        std::string fileWrittenStart;
    };
    const Case cases[] = {
        {"Language = German\nExcludeMax = C:\\\xC4rger\\\x80uro.exe;b.exe",
         L"C:\\\u00c4rger\\\u20acuro.exe;b.exe", "Language = German\r\n"},
        {"\xEF\xBB\xBFLanguage = German\nExcludeMax = C:\\\xE4\xB8\xAD.exe;b.exe",
         L"C:\\\u4e2d.exe;b.exe", "\xEF\xBB\xBFLanguage = German\r\n"},
    };
    for (const Case& c : cases) {
        ProgramRun first;
        WriteFile(c.fileRead);
        first.ReadSettings(path);
        ASSERT_EQ(first.excludeMaxText(), c.exclusion);
        first.fake.controls.SetChecked(IDC_CK_TOP, true);
        ASSERT_EQ(first.WriteSettings(path, {-8, -31999, 0, 0}), 0);
        EXPECT_TRUE(FileBytes().starts_with(c.fileWrittenStart)) << FileBytes();

        ProgramRun second;
        second.ReadSettings(path);
        EXPECT_EQ(second.catalogue.currentLanguage(), L"German");
        EXPECT_EQ(second.startPosition(), (Point{-8, -31999}));
        EXPECT_TRUE(second.Checked(IDC_CK_TOP));
        EXPECT_FALSE(second.Checked(IDC_CK_MIN));
        EXPECT_EQ(second.excludeMaxText(), c.exclusion);
        EXPECT_EQ(second.excludeMaxList(), first.excludeMaxList());
    }
}

TEST_F(SettingsFileTest, AFailedWriteIsReportedAndKeepsThePreviousFile) {
    const std::string previous = "Language = German\r\nTopmost = True\r\n";
    WriteFile(previous);
    fs::create_directory(ToPath(ReplacementPathFor(path)));
    EXPECT_EQ(run.WriteSettings(path, {1, 2, 3, 4}), kErrorAccessDenied);
    EXPECT_EQ(FileBytes(), previous);
    EXPECT_EQ(run.WriteSettings(FromPath(folder.path() / "no" / "Settings.txt"), {}),
              kErrorPathNotFound);
}

TEST_F(SettingsFileTest, AFileThatWasNotUnderstoodIsKeptBesideTheNewOne) {
    const std::wstring kept = path + L".bak";
    const std::wstring keptLine = Message(Language::English, Msg::SettingsFileKept) + kept;
    struct Case {
        const char* name;
        std::string bytes;
        Lines startUpLog;
    };
    const Case cases[] = {
        {"UTF-16 big-endian",
         std::string("\xFE\xFF\0L\0a\0n\0g", 10),
         {Message(Language::English, Msg::SettingsOpenFailed) + L"13", keptLine}},
        {"no setting recognised", "Sprache = Deutsch\r\nPosition = 10,10\r\n", {keptLine}},
        {"keys after a blank", " Language = German\r\n", {keptLine}},
    };
    for (const Case& c : cases) {
        fs::remove(ToPath(kept));
        std::ofstream(ToPath(kept), std::ios::binary) << "an older copy";
        ProgramRun first;
        WriteFile(c.bytes);
        first.ReadSettings(path);
        EXPECT_EQ(first.Log(), c.startUpLog) << c.name;

        ASSERT_EQ(first.WriteSettings(path, {5, 6, 7, 8}), 0) << c.name;
        EXPECT_TRUE(FileBytes().starts_with("Language = English\r\nStartPosition = 5,6\r\n"))
            << c.name;
        std::ifstream in(ToPath(kept), std::ios::binary);
        const std::string keptBytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
        EXPECT_EQ(keptBytes, c.bytes) << c.name;

        // A second write in the same run must not put the program's file over the kept one.
        ASSERT_EQ(first.WriteSettings(path, {9, 9, 9, 9}), 0) << c.name;
        std::ifstream again(ToPath(kept), std::ios::binary);
        EXPECT_EQ(
            std::string((std::istreambuf_iterator<char>(again)), std::istreambuf_iterator<char>()),
            c.bytes)
            << c.name;
    }
}

TEST_F(SettingsFileTest, FilesThatWereUnderstoodOrMissingAreNotKept) {
    const char* const contents[] = {nullptr, "", "\r\n  \r\n", "ExcludeMax = a.exe\r\n",
                                    "Language = Klingon\r\n"};
    for (const char* content : contents) {
        fs::remove(file);
        if (content != nullptr) WriteFile(content);
        ProgramRun fresh;
        fresh.ReadSettings(path);
        for (const std::wstring& line : fresh.Log()) {
            EXPECT_EQ(line.find(Message(Language::English, Msg::SettingsFileKept)),
                      std::wstring::npos)
                << (content ? content : "missing");
        }
        ASSERT_EQ(fresh.WriteSettings(path, {}), 0);
        EXPECT_FALSE(fs::exists(ToPath(path + L".bak"))) << (content ? content : "missing");
    }
}

TEST_F(SettingsFileTest, WhenTheFileCannotBeKeptNothingIsWrittenOverIt) {
    const std::string unread = "\xFE\xFF\0x";
    WriteFile(unread);
    run.ReadSettings(path);
    fs::create_directory(ToPath(path + L".bak"));
    const SettingsWriteOutcome outcome = StoreSettings(run.context, {1, 2});
    EXPECT_NE(outcome.error, 0);
    EXPECT_EQ(outcome.path, path + L".bak");
    EXPECT_EQ(FileBytes(), unread);
}

}  // namespace
}  // namespace tilora
