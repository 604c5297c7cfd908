// The timer of the real Tilora.exe: the start-up block with its automatic save, and following the
// window the user activates.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "DesktopPrograms.h"
#include "TiloraTest.h"
#include "platform/ControlIds.h"

namespace tilora::e2e {
namespace {

using win32::testing::DesktopProgram;
using win32::testing::WindowRect;

const std::wstring kSeparator(500, L'-');
const std::wstring kAutoSaveLine =
    L"The following file with all window sizes and positions was automatically created and "
    L"saved in the _Exports folder: ";

using Timer = TiloraTest;

TEST_F(Timer, TheFirstTickReportsTheMonitorsAndSavesEveryWindowOnce) {
    const auto lines = tilora.LogLines();
    const auto autoSave = std::find_if(lines.begin(), lines.end(), [](const std::wstring& line) {
        return line.rfind(kAutoSaveLine, 0) == 0;
    });
    ASSERT_NE(autoSave, lines.end());
    ASSERT_GE(autoSave - lines.begin(), 6);
    EXPECT_EQ(*(autoSave - 1), kSeparator);
    EXPECT_EQ(*(autoSave - 2), L"Monitor 1 - Width: 1920, Height: 1080");
    EXPECT_EQ(*(autoSave - 6), kSeparator);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), kSeparator), 2);

    std::vector<std::filesystem::path> saves;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path() / "_Exports")) {
        saves.push_back(entry.path());
    }
    ASSERT_EQ(saves.size(), 1u);
    EXPECT_EQ(autoSave->substr(kAutoSaveLine.size()).find(saves[0].filename().wstring()),
              autoSave->size() - kAutoSaveLine.size() - saves[0].filename().wstring().size());
    std::ifstream in(saves[0], std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
    EXPECT_EQ(bytes.substr(bytes.size() - 4), std::string("\r\0\n\0", 4));
    // One UTF-16 line per window, each starting with the window's name; the dialog is one.
    const std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data() + 2),
                            (bytes.size() - 2) / 2);
    EXPECT_NE(text.find(L"Window name: Tilora v1.09 (b); Dimension: "), std::wstring::npos);
    std::vector<std::wstring> saved;
    for (std::size_t start = 0, end; (end = text.find(L"\r\n", start)) != std::wstring::npos;
         start = end + 2) {
        saved.push_back(text.substr(start, end - start));
    }
    ASSERT_GE(saved.size(), 1u);
    for (const std::wstring& line : saved) EXPECT_EQ(line.rfind(L"Window name: ", 0), 0u) << line;
    EXPECT_EQ(std::count(text.begin(), text.end(), L'\n'), static_cast<long>(saved.size()));

    // Later ticks write none of it again.
    ::Sleep(1200);
    const auto later = tilora.LogLines();
    EXPECT_EQ(std::count(later.begin(), later.end(), kSeparator), 2);
}

TEST_F(Timer, ActivatingAWindowMakesItTheLastActiveOneAndCommandTwentySevenSizesIt) {
    DesktopProgram notepad(L"notepad.exe", L"Untitled - Notepad");
    ASSERT_NE(notepad.window(), nullptr);
    ASSERT_TRUE(MakeLastActive(notepad.window()));
    const auto lines = tilora.LogLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), L"New last active Window: Untitled - Notepad"),
              lines.end());

    tilora.SetText(IDC_ED_USERINPUT, L"500x300");
    tilora.ChooseCommandEntry(27 + 9);  // the last group stands nine entries further down
    EXPECT_TRUE(WaitFor([&] {
        const RECT r = WindowRect(notepad.window());
        return r.left == 0 && r.top == 0 && r.right == 500 && r.bottom == 300;
    }));
}

}  // namespace
}  // namespace tilora::e2e
