// Files a user may have broken by hand, or that never were text, read through the program's own
// readers on the fake desktop: nothing crashes or hangs (each test has a ctest timeout), every
// line the readers reject is reported, and reading writes nothing.
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "StartedDialogTest.h"
#include "commands/ArrangementCommands.h"
#include "commands/InfoLog.h"
#include "commands/ScriptCommands.h"
#include "commands/SettingsCommands.h"
#include "files/ArrangementFormat.h"
#include "files/PathText.h"
#include "files/TextEncoding.h"
#include "files/TextFile.h"
#include "settings/SettingsFormat.h"

namespace tilora {
namespace {

namespace fs = std::filesystem;

const fs::path kBadData = TILORA_BAD_DATA_DIR;

std::vector<std::string> FileNames(const char* kind) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(kBadData / kind)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every file below the folder with its size, time and contents.
using FolderState = std::map<fs::path, std::tuple<std::uintmax_t, fs::file_time_type, std::string>>;

FolderState StateOf(const fs::path& folder) {
    FolderState state;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file()) {
            state[entry.path()] = {};
            continue;
        }
        state[entry.path()] = {entry.file_size(), entry.last_write_time(), ReadBytes(entry.path())};
    }
    return state;
}

// The lines an editor shows, found without the readers' own splitter, so that a file the
// splitter cuts wrongly cannot pass by being counted wrongly the same way: the bytes are cut at
// every CR LF, lone CR and lone LF code unit, each piece is decoded on its own, and a byte-order
// mark starting a line is dropped. Nothing for a file the readers refuse (UTF-16 big-endian).
std::optional<std::vector<std::wstring>> EditorLines(const std::string& bytes) {
    if (bytes.starts_with("\xFE\xFF")) return std::nullopt;
    const bool utf16 = bytes.starts_with("\xFF\xFE");
    const bool utf8 = !utf16 && bytes.starts_with("\xEF\xBB\xBF");
    const std::size_t unit = utf16 ? 2 : 1;
    const auto unitIs = [&](std::size_t at, char c) {
        return at + unit <= bytes.size() && bytes[at] == c && (unit == 1 || bytes[at + 1] == '\0');
    };
    std::vector<std::wstring> lines;
    std::size_t start = utf16 ? 2 : utf8 ? 3 : 0;
    const auto addLine = [&](std::size_t end) {
        std::string piece = bytes.substr(start, end - start);
        if (!utf16 && !utf8 && piece.starts_with("\xEF\xBB\xBF")) piece.erase(0, 3);
        std::wstring line = utf16  ? DecodeUtf16Le(piece)
                            : utf8 ? DecodeUtf8(piece)
                                   : DecodeCp1252(piece);
        while (line.starts_with(L'\uFEFF')) line.erase(0, 1);
        lines.push_back(std::move(line));
    };
    for (std::size_t at = start; at + unit <= bytes.size();) {
        if (!unitIs(at, '\r') && !unitIs(at, '\n')) {
            at += unit;
            continue;
        }
        addLine(at);
        at += unitIs(at, '\r') && unitIs(at + unit, '\n') ? 2 * unit : unit;
        start = at;
    }
    if (start < bytes.size()) addLine(bytes.size());
    return lines;
}

std::vector<std::wstring> DecodedLines(const fs::path& path) {
    return EditorLines(ReadBytes(path)).value_or(std::vector<std::wstring>{});
}

std::size_t CountStartingWith(const std::vector<std::wstring>& lines, const std::wstring& start) {
    return static_cast<std::size_t>(std::count_if(
        lines.begin(), lines.end(), [&](const std::wstring& l) { return l.starts_with(start); }));
}

class BadInputTest : public testing::StartedDialogTest {
  protected:
    void SetUp() override {
        StartedDialogTest::SetUp();
        for (const std::wstring& dir :
             {context.paths.arrangementsDir, context.paths.appStartScriptsDir,
              context.paths.settingsDir}) {
            fs::create_directories(ToPath(dir));
        }
        // A desktop with the titles the bad files name, twice one of them.
        fake.windows.AddWindow(L"Editor", {0, 0, 640, 480});
        fake.windows.AddWindow(L"Untitled - Notepad", {10, 10, 410, 310});
        fake.windows.AddWindow(L"Untitled - Notepad", {20, 20, 420, 320});
    }

    // Reads the arrangement file and puts its windows in place, as Apply does.
    void ApplyArrangement(const fs::path& file) {
        const std::vector<std::wstring> lines = DecodedLines(file);
        const std::size_t naming = static_cast<std::size_t>(std::count_if(
            lines.begin(), lines.end(),
            [](const std::wstring& line) { return ParseArrangementLine(line).has_value(); }));

        const FolderState before = StateOf(folder.path());
        fake.controls.ListClear(IDC_LB_INFO);
        {
            // As the dialog's handlers do: thousands of lines are added without painting.
            InfoLog::Batch batch(context.log);
            ArrangementCommands arrangements(context);
            arrangements.ApplyArrangementFile(file.wstring());
        }
        EXPECT_EQ(StateOf(folder.path()), before) << "reading wrote to the folder";

        const std::vector<std::wstring> log = Lines();
        const std::size_t placed = context.session.fileArrangement.size();
        const std::size_t reported = CountStartingWith(log, context.Text(Msg::LtrbError)) +
                                     CountStartingWith(log, context.Text(Msg::SavedWindowNotFound));
        EXPECT_LE(placed, 3u);
        if (naming <= static_cast<std::size_t>(InfoLog::kMaxLines)) {
            // Each line naming a window places it or is reported, at least once.
            EXPECT_GE(reported, naming - placed);
        }
        if (lines.empty()) {
            EXPECT_EQ(placed, 0u);
        }
        EXPECT_LE(log.size(), static_cast<std::size_t>(InfoLog::kMaxLines));
    }

    void ReadScript(const fs::path& file) {
        const fs::path copy = ToPath(context.paths.appStartScriptsDir) / file.filename();
        fs::copy_file(file, copy, fs::copy_options::overwrite_existing);
        const std::optional<std::vector<std::wstring>> editorLines = EditorLines(ReadBytes(copy));
        const bool decodable = editorLines.has_value();
        const std::vector<std::wstring> lines = editorLines.value_or(std::vector<std::wstring>{});
        const std::size_t entries = static_cast<std::size_t>(
            std::count_if(lines.begin(), lines.end(), [](const std::wstring& line) {
                return !line.empty() && line.front() != L'#' && !line.starts_with(L";;");
            }));

        const FolderState before = StateOf(folder.path());
        fake.controls.ListClear(IDC_LB_INFO);
        ArrangementCommands arrangements(context);
        ScriptCommands scripts(context, arrangements);
        const std::optional<AppStartScript> script =
            scripts.ReadAppStartScript(copy.filename().wstring());
        EXPECT_EQ(StateOf(folder.path()), before) << "reading wrote to the folder";

        if (!decodable) {
            EXPECT_FALSE(script);
            EXPECT_EQ(CountStartingWith(Lines(), context.Text(Msg::FileOpenFailed)), 1u);
            return;
        }
        ASSERT_TRUE(script);
        EXPECT_EQ(script->entries.size(), entries);
        EXPECT_TRUE(Lines().empty());
    }

    void LoadSettingsFile(const fs::path& file) {
        const fs::path copy = ToPath(context.paths.settingsFilePath);
        fs::copy_file(file, copy, fs::copy_options::overwrite_existing);
        const std::optional<std::vector<std::wstring>> editorLines = EditorLines(ReadBytes(copy));
        const bool decodable = editorLines.has_value();
        const std::vector<std::wstring> lines = editorLines.value_or(std::vector<std::wstring>{});
        const SettingsText expected = ParseSettings(lines);
        auto unrecognised = [&](SettingKey key) {
            return static_cast<std::size_t>(
                std::count_if(expected.reads.begin(), expected.reads.end(),
                              [&](const SettingRead& r) { return r.key == key && !r.recognised; }));
        };

        const FolderState before = StateOf(folder.path());
        fake.controls.ListClear(IDC_LB_INFO);
        {
            InfoLog::Batch batch(context.log);
            LoadSettings(context);
        }
        EXPECT_EQ(StateOf(folder.path()), before) << "reading wrote to the folder";

        const std::vector<std::wstring> log = Lines();
        if (!decodable) {
            EXPECT_EQ(CountStartingWith(log, MessageCatalogue::Stored(Language::English,
                                                                      Msg::SettingsOpenFailed)),
                      1u);
        }
        // A file of which nothing was understood is kept, and the log says where.
        // An empty file holds nothing to lose.
        const bool understood = decodable && (!expected.reads.empty() || lines.empty());
        EXPECT_EQ(CountStartingWith(
                      log, MessageCatalogue::Stored(Language::English, Msg::SettingsFileKept)),
                  understood ? 0u : 1u);
        EXPECT_EQ(context.session.keepSettingsFile, !understood);
        if (log.size() < static_cast<std::size_t>(InfoLog::kMaxLines)) {
            EXPECT_EQ(CountStartingWith(
                          log, MessageCatalogue::Stored(Language::English, Msg::LanguageNotFound)),
                      unrecognised(SettingKey::Language));
        }
        const std::wstring& language = context.catalogue.currentLanguage();
        EXPECT_TRUE(language == L"English" || language == L"German") << language;
    }

    // A generated file in the working folder, of the given encoded text.
    fs::path Generated(const std::string& name, const std::wstring& text) {
        const fs::path path = folder.path() / name;
        EXPECT_EQ(WriteTextFile(path.wstring(), text), 0);
        return path;
    }
};

class BadArrangementFile : public BadInputTest,
                           public ::testing::WithParamInterface<std::string> {};
class BadScriptFile : public BadInputTest, public ::testing::WithParamInterface<std::string> {};
class BadSettingsFile : public BadInputTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(BadArrangementFile, IsReadAndAppliedWithEveryUnusableLineReported) {
    const fs::path copy = ToPath(context.paths.arrangementsDir) / GetParam();
    fs::copy_file(kBadData / "arrangements" / GetParam(), copy);
    ApplyArrangement(copy);
}

TEST_P(BadScriptFile, IsReadWithoutLosingAnEntry) {
    ReadScript(kBadData / "scripts" / GetParam());
}

TEST_P(BadSettingsFile, IsReadWithEveryUnknownValueReported) {
    LoadSettingsFile(kBadData / "settings" / GetParam());
}

std::string TestName(const ::testing::TestParamInfo<std::string>& info) {
    std::string name = info.param;
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Files, BadArrangementFile, ::testing::ValuesIn(FileNames("arrangements")),
                         TestName);
INSTANTIATE_TEST_SUITE_P(Files, BadScriptFile, ::testing::ValuesIn(FileNames("scripts")), TestName);
INSTANTIATE_TEST_SUITE_P(Files, BadSettingsFile, ::testing::ValuesIn(FileNames("settings")),
                         TestName);

TEST(BadInputFiles, AreAtLeastFiftyOfAllThreeKinds) {
    EXPECT_GE(FileNames("arrangements").size() + FileNames("scripts").size() +
                  FileNames("settings").size(),
              50u);
}

// The big files are made here rather than kept in the repository.
constexpr std::size_t kTenMegabytes = 10 * 1024 * 1024;
constexpr std::size_t kMillionLines = 1000000;

std::wstring Repeated(const std::wstring& line, std::size_t count) {
    std::wstring text;
    text.reserve(line.size() * count);
    for (std::size_t i = 0; i < count; ++i) text += line;
    return text;
}

TEST_F(BadInputTest, ATenMegabyteArrangementLine) {
    // UTF-16: two bytes a character.
    const std::wstring line =
        L"winName: Editor; ltrb: " + std::wstring(kTenMegabytes / 2, L'7') + L"/1/2/3; showCmd: 1;";
    ApplyArrangement(Generated("long-line.txt", line));
    EXPECT_EQ(context.session.fileArrangement.size(), 1u);
}

TEST_F(BadInputTest, AMillionArrangementLines) {
    // One line places the editor; one line in a thousand names a window that is not open, the
    // rest are comments.
    const std::wstring block = L"winName: Gone;\n" + Repeated(L"#\n", 999);
    const std::wstring text =
        L"winName: Editor; ltrb: 1/2/3/4;\n" + Repeated(block, kMillionLines / 1000);
    ApplyArrangement(Generated("million-lines.txt", text));
    EXPECT_EQ(context.session.fileArrangement.size(), 1u);
    EXPECT_EQ(Lines().size(), kMillionLines / 1000);
}

TEST_F(BadInputTest, ATenMegabyteScriptLine) {
    ReadScript(Generated("long-line.txt", std::wstring(kTenMegabytes / 2, L'a') + L";b;c;"));
}

TEST_F(BadInputTest, AMillionScriptLines) {
    ReadScript(Generated("million-lines.txt", Repeated(L"a;b;\n#\n", kMillionLines / 2)));
}

TEST_F(BadInputTest, ATenMegabyteSettingsLine) {
    LoadSettingsFile(Generated("long-line.txt",
                               L"ExcludeMax = " + std::wstring(kTenMegabytes / 2, L'w') + L"\n"));
    EXPECT_EQ(context.settings.excludeMaxText.size(), kTenMegabytes / 2);
}

TEST_F(BadInputTest, AMillionSettingsLines) {
    // One line in a thousand asks for a language the program does not have.
    const std::wstring block = L"Language = French\n" + Repeated(L"x\n", 999);
    LoadSettingsFile(Generated("million-lines.txt", Repeated(block, kMillionLines / 1000)));
    EXPECT_EQ(context.catalogue.currentLanguage(), L"English");
}

}  // namespace
}  // namespace tilora
