// Saving and restoring real Wine windows through the real Tilora.exe: Apply, the bulk buttons
// with Start Arrang., and an app start script whose arrangement places the window it started.
#include <chrono>
#include <cstdio>
#include <fstream>

#include "DesktopPrograms.h"
#include "TiloraTest.h"
#include "platform/ControlIds.h"

namespace tilora::e2e {
namespace {

using win32::testing::DesktopProgram;
using win32::testing::WindowRect;

bool Equal(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string Describe(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

UINT ShowState(HWND window) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    ::GetWindowPlacement(window, &placement);
    return placement.showCmd;
}

bool IsAbove(HWND upper, HWND lower) {
    for (HWND walk = ::GetWindow(lower, GW_HWNDPREV); walk != nullptr;
         walk = ::GetWindow(walk, GW_HWNDPREV)) {
        if (walk == upper) return true;
    }
    return false;
}

// Restores the window and puts it at the rectangle; true once it is there.
bool PlaceByHand(HWND window, const RECT& rect) {
    ::ShowWindow(window, SW_RESTORE);
    return WaitFor([&] {
        ::SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left,
                       rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
        return Equal(WindowRect(window), rect);
    });
}

// Raises the windows so that the first ends at the bottom and the last on top.
bool StackByHand(const std::vector<HWND>& bottomFirst) {
    return WaitFor([&] {
        for (HWND window : bottomFirst) {
            ::SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
        ::Sleep(200);
        for (std::size_t i = 0; i + 1 < bottomFirst.size(); ++i) {
            if (!IsAbove(bottomFirst[i + 1], bottomFirst[i])) return false;
        }
        return true;
    });
}

class Restore : public TiloraTest {
  protected:
    std::filesystem::path Document(const wchar_t* name) {
        std::ofstream(folder.path() / name) << "text";
        return folder.path();
    }
    void SetUp() override {
        TiloraTest::SetUp();
        ASSERT_NE(alpha.window(), nullptr);
        ASSERT_NE(beta.window(), nullptr);
        ASSERT_NE(mine.window(), nullptr);
        const RECT m = WindowRect(mine.window());
        mineRect = {40, 500, 40 + m.right - m.left, 500 + m.bottom - m.top};
        ASSERT_TRUE(PlaceByHand(alpha.window(), alphaRect));
        ASSERT_TRUE(PlaceByHand(beta.window(), betaRect));
        ASSERT_TRUE(PlaceByHand(mine.window(), mineRect));
        ASSERT_TRUE(StackByHand({mine.window(), beta.window(), alpha.window()}));
    }
    bool AllBack() const {
        return Equal(WindowRect(alpha.window()), alphaRect) &&
               Equal(WindowRect(beta.window()), betaRect) &&
               Equal(WindowRect(mine.window()), mineRect);
    }
    std::string Positions() const {
        return "alpha " + Describe(WindowRect(alpha.window())) + " beta " +
               Describe(WindowRect(beta.window())) + " mine " + Describe(WindowRect(mine.window()));
    }

    DesktopProgram alpha{L"notepad.exe alpha.txt", L"alpha", Document(L"alpha.txt")};
    DesktopProgram beta{L"notepad.exe beta.txt", L"beta", Document(L"beta.txt")};
    DesktopProgram mine{L"winemine.exe", L"WineMine"};
    const RECT alphaRect{500, 100, 1100, 500};
    const RECT betaRect{700, 300, 1400, 800};
    RECT mineRect{};
};

TEST_F(Restore, ApplyPutsEveryWindowBackInItsPlaceAndStacking) {
    tilora.SetText(IDC_ED_USERINPUT, L"Desk");
    tilora.Click(IDC_BN_SAVEAS);
    ASSERT_TRUE(std::filesystem::is_regular_file(folder.path() / L"_Arrangements" / L"Desk.txt"));

    ASSERT_TRUE(PlaceByHand(alpha.window(), {20, 20, 420, 320}));
    ASSERT_TRUE(PlaceByHand(beta.window(), {900, 600, 1200, 900}));
    ASSERT_TRUE(PlaceByHand(mine.window(), {1500, 50, 1500 + mineRect.right - mineRect.left,
                                            50 + mineRect.bottom - mineRect.top}));
    ASSERT_TRUE(StackByHand({alpha.window(), beta.window(), mine.window()}));
    ::ShowWindow(beta.window(), SW_MINIMIZE);

    ASSERT_EQ(tilora.ComboItem(IDC_CB_ARRANGEMENT, tilora.ComboSelection(IDC_CB_ARRANGEMENT)),
              L"Desk.txt");
    const auto started = std::chrono::steady_clock::now();
    tilora.Click(IDC_BN_APPLY);
    const auto applied = std::chrono::steady_clock::now();
    std::printf("Apply of 4 windows (3 foreign and the dialog) took %.1f ms\n",
                std::chrono::duration<double, std::milli>(applied - started).count());

    EXPECT_TRUE(WaitFor([&] { return AllBack(); })) << Positions();
    EXPECT_EQ(ShowState(beta.window()), static_cast<UINT>(SW_SHOWNORMAL));
    EXPECT_TRUE(WaitFor([&] {
        return IsAbove(alpha.window(), beta.window()) && IsAbove(beta.window(), mine.window());
    })) << "the saved stacking is WineMine, beta, alpha on top";
    for (const std::wstring& line : NewLogLines()) {
        EXPECT_EQ(line.find(L" ! "), std::wstring::npos) << std::string(line.begin(), line.end());
    }
}

TEST_F(Restore, BulkButtonsAndStartArrangRoundTrip) {
    tilora.Click(IDC_BN_MINIMIZEALL);
    EXPECT_TRUE(WaitFor([&] {
        return ShowState(alpha.window()) == SW_SHOWMINIMIZED &&
               ShowState(mine.window()) == SW_SHOWMINIMIZED &&
               ShowState(tilora.dialog()) == SW_SHOWMINIMIZED;
    })) << ShowState(alpha.window())
        << ShowState(mine.window()) << ShowState(tilora.dialog());
    tilora.Click(IDC_BN_STARTARRANG);
    EXPECT_TRUE(WaitFor([&] { return AllBack(); })) << Positions();
    EXPECT_EQ(ShowState(tilora.dialog()), static_cast<UINT>(SW_SHOWNORMAL));

    tilora.Click(IDC_BN_MAXIMIZEALL);
    EXPECT_TRUE(WaitFor([&] {
        return ShowState(alpha.window()) == SW_SHOWMAXIMIZED &&
               ShowState(beta.window()) == SW_SHOWMAXIMIZED;
    }));
    tilora.Click(IDC_BN_STARTARRANG);
    EXPECT_TRUE(WaitFor([&] { return AllBack(); })) << Positions();
    EXPECT_EQ(ShowState(tilora.dialog()), static_cast<UINT>(SW_SHOWNORMAL));

    tilora.Click(IDC_BN_TILEALL);
    // Bottom-most first: WineMine takes slot 0, beta slot 1, alpha slot 2 of the 1920 x 1080 grid.
    EXPECT_TRUE(WaitFor([&] {
        return Equal(WindowRect(beta.window()), {641, 0, 1277, 340}) &&
               Equal(WindowRect(alpha.window()), {1282, 0, 1918, 340});
    })) << Positions();
    EXPECT_EQ(ShowState(tilora.dialog()), static_cast<UINT>(SW_SHOWMINIMIZED));
    EXPECT_TRUE(WaitFor([&] { return ShowState(tilora.dialog()) == SW_SHOWNORMAL; },
                        std::chrono::seconds(5)))
        << "the dialog comes back about two seconds after Tile All";
    tilora.Click(IDC_BN_STARTARRANG);
    EXPECT_TRUE(WaitFor([&] { return AllBack(); })) << Positions();
}

TEST(RestoreTwins, TwoNotepadsOfOneTitleEachReturnToTheirOwnRectangle) {
    ScratchFolder folder(L"Tilora twins");
    DesktopProgram lower{L"notepad.exe", L"Untitled - Notepad"};
    DesktopProgram upper{L"notepad.exe", L"Untitled - Notepad"};
    ASSERT_NE(lower.window(), nullptr);
    ASSERT_NE(upper.window(), nullptr);
    const RECT lowerRect{100, 100, 700, 500};
    const RECT upperRect{800, 300, 1500, 800};
    ASSERT_TRUE(PlaceByHand(lower.window(), lowerRect));
    ASSERT_TRUE(PlaceByHand(upper.window(), upperRect));
    ASSERT_TRUE(StackByHand({lower.window(), upper.window()}));

    TiloraProcess tilora(folder.path());
    ASSERT_NE(tilora.dialog(), nullptr);
    ASSERT_TRUE(tilora.WaitForStartUpReport());
    tilora.SetText(IDC_ED_USERINPUT, L"Twins");
    tilora.Click(IDC_BN_SAVEAS);
    ASSERT_EQ(tilora.ComboItem(IDC_CB_ARRANGEMENT, tilora.ComboSelection(IDC_CB_ARRANGEMENT)),
              L"Twins.txt");

    // Both somewhere else, in the same stacking: each line takes the twin at its depth.
    ASSERT_TRUE(PlaceByHand(lower.window(), {300, 400, 600, 600}));
    ASSERT_TRUE(PlaceByHand(upper.window(), {350, 450, 650, 650}));
    ASSERT_TRUE(StackByHand({lower.window(), upper.window()}));
    tilora.Click(IDC_BN_APPLY);

    EXPECT_TRUE(WaitFor([&] {
        return Equal(WindowRect(lower.window()), lowerRect) &&
               Equal(WindowRect(upper.window()), upperRect);
    })) << "lower "
        << Describe(WindowRect(lower.window())) << " upper "
        << Describe(WindowRect(upper.window()));
    for (const std::wstring& line : tilora.LogLines()) {
        EXPECT_EQ(line.find(L" ! "), std::wstring::npos) << std::string(line.begin(), line.end());
    }
}

// UTF-16 with its mark, as the program writes its own files.
void WriteUtf16(const std::filesystem::path& path, const std::wstring& text) {
    std::ofstream file(path, std::ios::binary);
    file << '\xFF' << '\xFE';
    for (wchar_t c : text)
        file << static_cast<char>(c & 0xFF) << static_cast<char>((c >> 8) & 0xFF);
}

struct TitleSearch {
    const wchar_t* title;
    HWND found;
};

BOOL CALLBACK FindTitle(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<TitleSearch*>(parameter);
    wchar_t title[256] = {};
    ::GetWindowTextW(window, title, 256);
    if (::IsWindowVisible(window) && std::wstring(title) == search->title) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

TEST(Execute, TheStartedNotepadEndsAtTheScriptsArrangement) {
    ScratchFolder folder(L"Tilora script");
    std::filesystem::create_directories(folder.path() / L"_Arrangements");
    std::filesystem::create_directories(folder.path() / L"_AppStartScripts");
    std::ofstream(folder.path() / L"plan.txt") << "plan";
    WriteUtf16(folder.path() / L"_Arrangements" / L"Plan.txt",
               L"ltrb: 150/120/750/520; winName: plan.txt - Notepad;\r\n");
    WriteUtf16(folder.path() / L"_AppStartScripts" / L"Start.csv",
               L"# start the plan\r\n" + (folder.path() / L"plan.txt").wstring() +
                   L";notepad.exe;Plan.txt;\r\n");

    TiloraProcess tilora(folder.path());
    ASSERT_NE(tilora.dialog(), nullptr);
    ASSERT_EQ(tilora.ComboItem(IDC_CB_SCRIPT, 0), L"Start.csv");
    tilora.Click(IDC_BN_EXECUTE);

    TitleSearch search{L"plan.txt - Notepad", nullptr};
    ASSERT_TRUE(WaitFor([&] {
        ::EnumWindows(FindTitle, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    }));
    EXPECT_TRUE(WaitFor([&] {
        return Equal(WindowRect(search.found), {150, 120, 750, 520});
    })) << Describe(WindowRect(search.found));
    DWORD processId = 0;
    ::GetWindowThreadProcessId(search.found, &processId);
    const HANDLE notepad = ::OpenProcess(PROCESS_TERMINATE, FALSE, processId);
    ::TerminateProcess(notepad, 0);
    ::CloseHandle(notepad);
}

}  // namespace
}  // namespace tilora::e2e
