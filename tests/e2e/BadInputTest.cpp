// Broken files from tests/data/bad as the real Tilora.exe's settings file, arrangements and app
// start scripts: after each is read the dialog still answers within a second, and the log names
// each problem.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>

#include "TiloraDriver.h"
#include "platform/ControlIds.h"

namespace tilora::e2e {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr wchar_t kOpenFailed[] = L"The attempt to open the file was not successful.";
constexpr wchar_t kSettingsOpenFailed[] =
    L"The attempt to open the settings file was not successful.";
constexpr wchar_t kSettingsKept[] = L" ! The settings file could not be read or holds no setting";
constexpr wchar_t kWindowNotFound[] =
    L" ! The following, file saved window was not found among the currently opened windows";

// The corpus as the build has it (TILORA_BAD_INPUT_DIR is the source folder, as Wine sees it).
fs::path BadFile(const char* kind, const char* name) {
    return fs::path(TILORA_BAD_INPUT_DIR) / kind / name;
}

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool AnswersWithinASecond(HWND window) {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &result) != 0;
}

std::size_t CountStartingWith(const std::vector<std::wstring>& lines, std::size_t from,
                              const std::wstring& start) {
    return static_cast<std::size_t>(std::count_if(
        lines.begin() + static_cast<std::ptrdiff_t>(std::min(from, lines.size())), lines.end(),
        [&](const std::wstring& line) { return line.rfind(start, 0) == 0; }));
}

// A file Apply or Execute reads, and the problem lines it must bring.
struct Sample {
    const char* name;
    const wchar_t* problem;  // the start of each problem line
    std::size_t problems;    // exactly this many; for scripts at least this many
};

// The desktop under test holds no window these files name, so each line naming a window is
// reported once; a UTF-16BE file cannot be read at all.
const Sample kArrangements[] = {
    {"no-open-windows.txt", kWindowNotFound, 20},
    {"bad-rectangles.txt", kWindowNotFound, 7},
    {"numbers-beyond-32-bits.txt", kWindowNotFound, 3},
    {"long-title.txt", kWindowNotFound, 1},  // a title of 20,000 characters
    {"utf16be.txt", kOpenFailed, 1},
};
// Entries that name nothing that exists cannot be started, and a script that names an
// arrangement that is not there says so; each of these brings at least one " ! " line.
const Sample kScripts[] = {
    {"utf16be.txt", kOpenFailed, 1},
    {"truncated-utf16.txt", L" ! ", 1},
    {"arrangement-with-path-characters.txt", L" ! ", 1},
    {"thousand-fields.txt", L" ! ", 1},  // 1,000 fields a line, 44 KB
};

// Two big arrangement files, made by the test: a line of 10 MB, and 1,000,000 lines of which
// one in a thousand names a window.
constexpr std::size_t kMillionLines = 1000000;
const Sample kGenerated[] = {
    {"ten-megabyte-line.txt", kWindowNotFound, 1},
    {"million-lines.txt", kWindowNotFound, kMillionLines / 1000},
};

void WriteUtf16(const fs::path& path, const std::wstring& text) {
    std::string bytes = "\xFF\xFE";
    bytes.reserve(2 + 2 * text.size());
    for (wchar_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>((c >> 8) & 0xFF);
    }
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The visible top-level windows with one of the titles the corpus names; a window left open by
// an earlier test would be placed instead of reported.
std::wstring OpenWindowsNamedInTheCorpus() {
    std::wstring found;
    ::EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            wchar_t title[256] = L"";
            ::GetWindowTextW(window, title, 256);
            const std::wstring text = title;
            if (::IsWindowVisible(window) && (text == L"Untitled - Notepad" || text == L"Editor")) {
                DWORD process = 0;
                ::GetWindowThreadProcessId(window, &process);
                *reinterpret_cast<std::wstring*>(param) +=
                    text + L" (process " + std::to_wstring(process) + L"); ";
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

std::wstring Repeated(const std::wstring& text, std::size_t count) {
    std::wstring repeated;
    repeated.reserve(text.size() * count);
    for (std::size_t i = 0; i < count; ++i) repeated += text;
    return repeated;
}

struct SettingsSample {
    const char* name;
    std::vector<const wchar_t*> startLines;  // each once in the start-up report
};
const SettingsSample kSettings[] = {
    {"binary-noise.txt", {kSettingsKept}},
    {"utf16be.txt", {kSettingsOpenFailed, kSettingsKept}},
    {"long-exclusion-list.txt", {}},  // 58 KB of exclusions, all of them understood
};

class BadInput : public ::testing::Test {
  protected:
    ScratchFolder folder{L"Tilora bad input"};

    void CopyInto(const wchar_t* subfolder, const fs::path& file, const fs::path& name) {
        fs::create_directories(folder.path() / subfolder);
        fs::copy_file(file, folder.path() / subfolder / name, fs::copy_options::overwrite_existing);
    }
    // Selects the file in the combo box by its name; false when the box does not list it.
    static bool Select(const TiloraProcess& tilora, int comboId, const std::wstring& name) {
        for (int index = 0; index < tilora.ComboCount(comboId); ++index) {
            if (tilora.ComboItem(comboId, index) != name) continue;
            DWORD_PTR result = 0;
            ::SendMessageTimeoutW(::GetDlgItem(tilora.dialog(), comboId), CB_SETCURSEL,
                                  static_cast<WPARAM>(index), 0, SMTO_NORMAL, 5000, &result);
            return tilora.ComboSelection(comboId) == index;
        }
        return false;
    }
    // Clicks the button on the selected file; the problem lines it brought.
    static void Read(const TiloraProcess& tilora, int comboId, int button, const Sample& sample,
                     bool exactly) {
        SCOPED_TRACE(sample.name);
        fs::path name = sample.name;
        if (comboId == IDC_CB_SCRIPT) name.replace_extension(".csv");
        ASSERT_TRUE(Select(tilora, comboId, name.wstring()));
        const std::size_t before = tilora.LogLines().size();
        const Clock::time_point start = Clock::now();
        DWORD_PTR result = 0;
        ASSERT_NE(::SendMessageTimeoutW(::GetDlgItem(tilora.dialog(), button), BM_CLICK, 0, 0,
                                        SMTO_NORMAL, 15000, &result),
                  0)
            << "the dialog did not come back";
        std::printf("%-28s read in %5.0f ms\n", sample.name, MillisecondsSince(start));
        EXPECT_TRUE(AnswersWithinASecond(tilora.dialog()));
        const auto lines = tilora.LogLines();
        const std::size_t found = CountStartingWith(lines, before, sample.problem);
        std::wstring brought;
        for (std::size_t i = std::min(before, lines.size()); i < lines.size() && i < before + 40;
             ++i)
            brought += lines[i] + L"\n";
        if (exactly) {
            EXPECT_EQ(found, sample.problems) << ::testing::PrintToString(brought);
        } else {
            EXPECT_GE(found, sample.problems) << ::testing::PrintToString(brought);
        }
    }
};

TEST_F(BadInput, TheDialogKeepsAnsweringAndLogsEveryProblem) {
    ASSERT_TRUE(WaitFor([] { return OpenWindowsNamedInTheCorpus().empty(); }))
        << ::testing::PrintToString(OpenWindowsNamedInTheCorpus());
    for (const Sample& sample : kArrangements) {
        CopyInto(L"_Arrangements", BadFile("arrangements", sample.name), sample.name);
    }
    const fs::path arrangements = folder.path() / L"_Arrangements";
    WriteUtf16(arrangements / kGenerated[0].name,
               L"winName: Gone; ltrb: " + std::wstring(5000000, L'7') + L"/1/2/3; showCmd: 1;\r\n");
    WriteUtf16(arrangements / kGenerated[1].name,
               Repeated(L"winName: Gone;\r\n" + Repeated(L"#\r\n", 999), kMillionLines / 1000));
    // Scripts are listed by the extension .csv.
    for (const Sample& sample : kScripts) {
        CopyInto(L"_AppStartScripts", BadFile("scripts", sample.name),
                 fs::path(sample.name).replace_extension(".csv"));
    }
    std::size_t arrangement = 0;
    std::size_t script = 0;
    const std::size_t runs = std::size(kSettings);
    for (std::size_t run = 0; run < runs; ++run) {
        const SettingsSample& settings = kSettings[run];
        SCOPED_TRACE(settings.name);
        CopyInto(L"_Settings", BadFile("settings", settings.name), L"Settings.txt");
        const Clock::time_point start = Clock::now();
        TiloraProcess tilora(folder.path());
        ASSERT_NE(tilora.dialog(), nullptr);
        ASSERT_TRUE(tilora.WaitForStartUpReport());
        std::printf("settings %-19s started in %5.0f ms\n", settings.name,
                    MillisecondsSince(start));
        EXPECT_TRUE(AnswersWithinASecond(tilora.dialog()));
        const auto startLines = tilora.LogLines();
        for (const wchar_t* line : settings.startLines) {
            EXPECT_EQ(CountStartingWith(startLines, 0, line), 1u);
        }
        // The files are shared out over the starts, each read once.
        for (; arrangement < std::size(kArrangements) * (run + 1) / runs; ++arrangement) {
            Read(tilora, IDC_CB_ARRANGEMENT, IDC_BN_APPLY, kArrangements[arrangement], true);
        }
        if (run < std::size(kGenerated)) {
            Read(tilora, IDC_CB_ARRANGEMENT, IDC_BN_APPLY, kGenerated[run], true);
        }
        for (; script < std::size(kScripts) * (run + 1) / runs; ++script) {
            Read(tilora, IDC_CB_SCRIPT, IDC_BN_EXECUTE, kScripts[script], false);
        }
        EXPECT_TRUE(tilora.running());
        // Nothing is written until closing, when a settings file that was not understood is
        // kept aside.
        tilora.CloseBox();
        tilora.WaitForExit();
    }
    std::fflush(stdout);
}

}  // namespace
}  // namespace tilora::e2e
