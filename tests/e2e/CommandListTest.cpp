// The command box of the real Tilora.exe: each entry chosen as a user chooses it.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <tlhelp32.h>

#include "DesktopPrograms.h"
#include "TiloraTest.h"
#include "platform/ControlIds.h"

namespace tilora::e2e {
namespace {

using win32::testing::DesktopProgram;
using win32::testing::WindowRect;

const std::wstring kSeparator(500, L'-');
// Commands 22 to 28 stand nine entries further down the box, below three headers and six
// separators; commands 1 to 9 stand at their own number.
constexpr int kLastGroupOffset = 9;
const std::wstring kSelected = L" was selected from the command combobox.";

bool StartsWith(const std::wstring& text, const std::wstring& start) {
    return text.rfind(start, 0) == 0;
}

// The ids of the running notepad processes.
std::set<DWORD> NotepadProcesses() {
    std::set<DWORD> found;
    const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return found;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more;
         more = ::Process32NextW(snapshot, &entry)) {
        if (_wcsicmp(entry.szExeFile, L"notepad.exe") == 0) found.insert(entry.th32ProcessID);
    }
    ::CloseHandle(snapshot);
    return found;
}

// Ends the notepads the exports opened and waits until they are gone, so that no later scenario
// finds their windows on the desktop. They are found by process, not by title: a notepad still
// loading its document is titled "Untitled - Notepad".
void EndNotepadsStartedSince(const std::set<DWORD>& before) {
    for (DWORD id : NotepadProcesses()) {
        if (before.contains(id)) continue;
        const HANDLE process = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
        if (process == nullptr) continue;
        ::TerminateProcess(process, 0);
        ::WaitForSingleObject(process, 5000);
        ::CloseHandle(process);
    }
}

class CommandBox : public TiloraTest {
  protected:
    const std::set<DWORD> notepadsBefore = NotepadProcesses();
    void TearDown() override { EndNotepadsStartedSince(notepadsBefore); }

    // Chooses the entry and returns the lines it wrote once the last one expected is there.
    std::vector<std::wstring> Choose(int entry, std::size_t expectedLines) {
        const std::size_t before = tilora.LogLines().size();
        tilora.ChooseCommandEntry(entry);
        const auto lines = tilora.WaitForLogLines(before + expectedLines);
        return std::vector<std::wstring>(lines.begin() + static_cast<std::ptrdiff_t>(before),
                                         lines.end());
    }
    std::filesystem::path Document(const wchar_t* name) {
        std::ofstream(folder.path() / name) << "text";
        return folder.path();
    }
    std::vector<std::filesystem::path> Exports(const std::wstring& prefix) const {
        std::vector<std::filesystem::path> found;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path() / "_Exports")) {
            if (StartsWith(entry.path().filename().wstring(), prefix))
                found.push_back(entry.path());
        }
        return found;
    }
};

TEST_F(CommandBox, ASeparatorWritesOneLineAndAHeaderOnlyItsEcho) {
    EXPECT_EQ(Choose(10, 1),
              std::vector<std::wstring>{L"A separator line instead of an executable command was "
                                        L"selected and executed from the command combobox."});
    const auto header = Choose(0, 3);
    EXPECT_EQ(header,
              (std::vector<std::wstring>{kSeparator, L"Window commands:" + kSelected, kSeparator}));
}

TEST_F(CommandBox, MonitorsAndAllWindowsAreListed) {
    const auto monitors = Choose(1, 7);
    ASSERT_EQ(monitors.size(), 7u);
    EXPECT_EQ(monitors[1], L"1. Show the monitor resolution(s)" + kSelected);
    EXPECT_EQ(monitors[3], L"Virtual Desktop Width: 1920, Virtual Desktop Height: 1080");
    EXPECT_EQ(monitors[6], L"Monitor 1 - Width: 1920, Height: 1080");

    const auto windows = Choose(2, 4);
    ASSERT_GE(windows.size(), 4u);
    bool ownListed = false;
    for (std::size_t i = 3; i < windows.size(); ++i) {
        EXPECT_TRUE(StartsWith(windows[i], L"Window name: ")) << windows[i];
        ownListed = ownListed || StartsWith(windows[i], L"Window name: Tilora v1.09 (b);");
    }
    EXPECT_TRUE(ownListed);
}

TEST_F(CommandBox, TheLastActiveWindowIsDescribedMadeTopmostAndReleased) {
    DesktopProgram notepad(L"notepad.exe topmost.txt", L"topmost", Document(L"topmost.txt"));
    ASSERT_NE(notepad.window(), nullptr);
    const std::wstring title = L"topmost.txt - Notepad";
    ASSERT_TRUE(MakeLastActive(notepad.window()));

    const auto described = Choose(3, 4);
    ASSERT_EQ(described.size(), 4u);
    EXPECT_TRUE(StartsWith(described[3], L"Window name: " + title + L"; Dimension: "))
        << described[3];

    EXPECT_EQ(Choose(7, 4).back(), title + L" is now the TOPMOST window.");
    EXPECT_TRUE(WaitFor(
        [&] { return (::GetWindowLongW(notepad.window(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }));
    EXPECT_EQ(Choose(8, 4).back(), title + L" is no longer the TOPMOST window.");
    EXPECT_TRUE(WaitFor(
        [&] { return (::GetWindowLongW(notepad.window(), GWL_EXSTYLE) & WS_EX_TOPMOST) == 0; }));
}

TEST_F(CommandBox, ALostWindowIsMovedIntoView) {
    DesktopProgram notepad(L"notepad.exe lost.txt", L"lost", Document(L"lost.txt"));
    ASSERT_NE(notepad.window(), nullptr);
    ASSERT_TRUE(notepad.PlaceAt({-700, 100, -100, 500}));
    const auto lines = Choose(9, 4);
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        L"Window name: lost.txt - Notepad was moved to coordinates top=0/left=0."),
              lines.end());
    EXPECT_TRUE(WaitFor([&] {
        const RECT r = WindowRect(notepad.window());
        return r.left == 0 && r.top == 0 && r.right == 600 && r.bottom == 400;
    }));
}

TEST_F(CommandBox, ExportsAndDeletionsWorkOnTheFolders) {
    Choose(22 + kLastGroupOffset, 3);
    EXPECT_TRUE(WaitFor([&] { return Exports(L"AllWindowsProperties_").size() == 1; }));
    Choose(24 + kLastGroupOffset, 2);
    ASSERT_TRUE(WaitFor([&] { return Exports(L"ListboxContent_").size() == 1; }));
    std::ifstream in(Exports(L"ListboxContent_").front(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");

    // The first tick's automatic save is one of the files command 25 deletes.
    std::ofstream(folder.path() / "_Exports" / "Copy of SaveAuto_x.txt") << "x";
    // The notepads the exports opened may come to the front meanwhile, and the timer then
    // writes their lines too, so the report is looked for rather than counted.
    tilora.ChooseCommandEntry(25 + kLastGroupOffset);
    EXPECT_TRUE(WaitFor([&] {
        const auto lines = tilora.LogLines();
        return std::find(lines.begin(), lines.end(), L"   Copy of SaveAuto_x.txt") != lines.end() &&
               std::find(lines.begin(), lines.end(),
                         L"The following files in the _Exports folder were deleted: ") !=
                   lines.end();
    }));
    EXPECT_TRUE(Exports(L"SaveAuto_").empty());
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "_Exports" / "Copy of SaveAuto_x.txt"));
    // They went to the desktop's trash, from where the user can bring them back.
    EXPECT_TRUE(std::filesystem::exists(tilora.TrashFiles() / L"Copy of SaveAuto_x.txt"));
}

TEST_F(CommandBox, ArrowKeysOnTheClosedBoxOnlyMoveAndEnterRunsTheEntryReached) {
    // What commands 25 and 26 would move to the Recycle Bin.
    const std::filesystem::path saved = folder.path() / "_Arrangements" / "SaveAs_x.txt";
    std::ofstream(saved) << "x";
    const auto automatic = Exports(L"SaveAuto_");
    ASSERT_EQ(automatic.size(), 1u);

    ASSERT_TRUE(tilora.FocusCommandBox());
    tilora.SelectCommandEntry(24 + kLastGroupOffset);
    const std::size_t before = tilora.LogLines().size();
    for (int step = 0; step < 4; ++step) PressKey(VK_DOWN);  // over 25, 26 and 27 to 28
    const int reached = 28 + kLastGroupOffset;
    ASSERT_TRUE(WaitFor([&] { return tilora.ComboSelection(IDC_CB_COMMAND) == reached; }));
    EXPECT_EQ(tilora.LogLines().size(), before);
    EXPECT_EQ(Exports(L"SaveAuto_"), automatic);
    EXPECT_TRUE(std::filesystem::exists(saved));

    PressKey(VK_RETURN);
    const std::wstring entry = tilora.ComboItem(IDC_CB_COMMAND, reached);
    EXPECT_TRUE(WaitFor([&] {
        const auto lines = tilora.LogLines();
        return std::any_of(lines.begin() + static_cast<std::ptrdiff_t>(before), lines.end(),
                           [&](const std::wstring& line) { return StartsWith(line, entry); });
    }));
}

TEST_F(CommandBox, AClickOnAnEntryOfTheOpenListRunsItAndEscapeRunsNothing) {
    const std::filesystem::path saved = folder.path() / "_Arrangements" / "SaveAs_x.txt";
    std::ofstream(saved) << "x";
    ASSERT_TRUE(tilora.FocusCommandBox());
    const int entry = 26 + kLastGroupOffset;
    tilora.SelectCommandEntry(entry);
    const std::size_t before = tilora.LogLines().size();
    // Escape on the closed box would close the dialog: the list must be open.
    ASSERT_TRUE(tilora.OpenCommandList());
    PressKey(VK_UP);
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitFor([&] { return !tilora.CommandListOpen(); }));
    EXPECT_EQ(tilora.LogLines().size(), before);
    EXPECT_TRUE(std::filesystem::exists(saved));

    tilora.SelectCommandEntry(entry - 2);
    ASSERT_TRUE(tilora.ClickCommandListEntry(entry));
    EXPECT_TRUE(
        WaitFor([&] { return std::filesystem::exists(tilora.TrashFiles() / L"SaveAs_x.txt"); }));
    EXPECT_FALSE(std::filesystem::exists(saved));
}

}  // namespace
}  // namespace tilora::e2e
