// The window model through the real Win32 layer, against windows of other processes.
#include <fstream>
#include <gtest/gtest.h>
#include <map>

#include "DesktopPrograms.h"
#include "platform/win32/Win32SystemLibraries.h"
#include "platform/win32/Win32WindowManager.h"
#include "windows/Monitors.h"
#include "windows/WindowModel.h"

namespace tilora::win32 {
namespace {

using testing::DesktopProgram;
using testing::TestFolder;

// True when upper stands somewhere above lower in the z-order.
bool IsAbove(HWND upper, HWND lower) {
    for (HWND walk = ::GetWindow(lower, GW_HWNDPREV); walk != nullptr;
         walk = ::GetWindow(walk, GW_HWNDPREV)) {
        if (walk == upper) return true;
    }
    return false;
}

// The windows above a window, counted up the z-order one step at a time.
int WindowsAbove(HWND window) {
    int above = 0;
    for (HWND walk = ::GetWindow(window, GW_HWNDPREV); walk != nullptr;
         walk = ::GetWindow(walk, GW_HWNDPREV)) {
        ++above;
    }
    return above;
}

// The visible top-level windows from the top, for failure messages.
std::string VisibleZOrder() {
    std::string text;
    for (HWND walk = ::GetTopWindow(nullptr); walk != nullptr;
         walk = ::GetWindow(walk, GW_HWNDNEXT)) {
        if (!::IsWindowVisible(walk)) continue;
        char title[128] = {};
        ::GetWindowTextA(walk, title, sizeof(title));
        const LONG exStyle = ::GetWindowLongW(walk, GWL_EXSTYLE);
        text += std::string("[") + title + ((exStyle & WS_EX_TOPMOST) ? " topmost" : "") +
                (::IsIconic(walk) ? " minimised" : "") + "] ";
    }
    return text;
}

bool EndsWith(const std::wstring& text, const std::wstring& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(Win32WindowModel, CapturesNotepadAndWineMineWithTheirPlacesAndStacking) {
    TestFolder folder;
    std::ofstream(folder.path() / "alpha.txt") << "alpha";
    std::ofstream(folder.path() / "beta.txt") << "beta";
    DesktopProgram alpha(L"notepad.exe alpha.txt", L"alpha", folder.path());
    DesktopProgram beta(L"notepad.exe beta.txt", L"beta", folder.path());
    DesktopProgram mine(L"winemine.exe", L"WineMine");
    ASSERT_NE(alpha.window(), nullptr);
    ASSERT_NE(beta.window(), nullptr);
    ASSERT_NE(mine.window(), nullptr);

    const RECT mineNow = testing::WindowRect(mine.window());
    const RECT alphaRect{100, 120, 700, 520};
    const RECT betaRect{260, 200, 1060, 700};
    const RECT mineRect{40, 60, 40 + (mineNow.right - mineNow.left),
                        60 + (mineNow.bottom - mineNow.top)};
    ASSERT_TRUE(alpha.PlaceAt(alphaRect));
    ASSERT_TRUE(beta.PlaceAt(betaRect));
    ASSERT_TRUE(mine.PlaceAt(mineRect));
    // Stack them: WineMine at the bottom, then beta, alpha on top.
    // Without activating them: activation of another process's window is asynchronous under Wine
    // and may reorder the windows again after the calls return.
    const auto stacked = [&] {
        return IsAbove(alpha.window(), beta.window()) && IsAbove(beta.window(), mine.window());
    };
    ASSERT_TRUE(testing::WaitUntil([&] {
        for (HWND window : {mine.window(), beta.window(), alpha.window()}) {
            ::SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
        ::Sleep(300);
        return stacked();
    })) << VisibleZOrder();

    Win32SystemLibraries libraries;
    ASSERT_TRUE(libraries.Load(L"PSAPI.DLL"));
    ASSERT_TRUE(libraries.ResolveEntryPoint(L"PSAPI.DLL", "EnumProcessModules"));
    ASSERT_TRUE(libraries.ResolveEntryPoint(L"PSAPI.DLL", "GetModuleBaseNameW"));
    Win32WindowManager windows(libraries);
    WindowModel model(windows, L"Tilora v1.09 (b)");
    ASSERT_GE(model.CaptureWindows(), 3);

    std::map<HWND, WindowRecord> byWindow;
    for (const WindowRecord& record : model.currentSnapshot()) {
        byWindow[reinterpret_cast<HWND>(static_cast<std::intptr_t>(record.hwnd))] = record;
    }
    ASSERT_EQ(byWindow.count(alpha.window()), 1u);
    ASSERT_EQ(byWindow.count(beta.window()), 1u);
    ASSERT_EQ(byWindow.count(mine.window()), 1u);
    const WindowRecord& a = byWindow[alpha.window()];
    const WindowRecord& b = byWindow[beta.window()];
    const WindowRecord& m = byWindow[mine.window()];

    EXPECT_NE(a.winName.find(L"alpha"), std::wstring::npos);
    EXPECT_EQ(m.winName, L"WineMine");
    EXPECT_EQ(a.procName, L"notepad.exe");
    EXPECT_EQ(m.procName, L"winemine.exe");
    EXPECT_TRUE(EndsWith(a.procPath, L"\\notepad.exe"))
        << std::string(a.procPath.begin(), a.procPath.end());
    EXPECT_TRUE(EndsWith(m.procPath, L"\\winemine.exe"));
    EXPECT_EQ(a.procID, alpha.processId());
    EXPECT_EQ(m.procID, mine.processId());
    for (const WindowRecord* record : {&a, &b, &m}) EXPECT_EQ(record->showCmd, 1u);
    EXPECT_EQ(a.rcNormalPosition, (Rect{100, 120, 700, 520}));
    EXPECT_EQ(b.rcNormalPosition, (Rect{260, 200, 1060, 700}));
    EXPECT_EQ(m.rcNormalPosition,
              (Rect{mineRect.left, mineRect.top, mineRect.right, mineRect.bottom}));

    EXPECT_LT(a.zLevel, b.zLevel);
    EXPECT_LT(b.zLevel, m.zLevel);
    // The depth comes from the enumeration's order; the system's own z-order must agree.
    EXPECT_EQ(a.zLevel, WindowsAbove(alpha.window()));
    EXPECT_EQ(b.zLevel, WindowsAbove(beta.window()));
    EXPECT_EQ(m.zLevel, WindowsAbove(mine.window()));
    // Bottom-most first: WineMine before beta before alpha.
    std::vector<HWND> order;
    for (const WindowRecord& record : model.currentSnapshot()) {
        const HWND hwnd = reinterpret_cast<HWND>(static_cast<std::intptr_t>(record.hwnd));
        if (hwnd == alpha.window() || hwnd == beta.window() || hwnd == mine.window())
            order.push_back(hwnd);
    }
    EXPECT_EQ(order, (std::vector<HWND>{mine.window(), beta.window(), alpha.window()}));
}

TEST(Win32WindowModel, AWindowOnTheScreenOrNoWindowAtAllIsNotCloaked) {
    Win32SystemLibraries libraries;
    Win32WindowManager windows(libraries);
    // A window of the test itself, shown on the current desktop.
    const HWND shown = ::CreateWindowExW(0, L"STATIC", L"Cloak probe", WS_OVERLAPPEDWINDOW, 10, 10,
                                         200, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(shown, nullptr);
    ::ShowWindow(shown, SW_SHOWNORMAL);
    EXPECT_FALSE(windows.IsWindowCloaked(FromHwnd(shown)));
    ::DestroyWindow(shown);
    // Where the attribute cannot be read, the window counts as not cloaked.
    EXPECT_FALSE(windows.IsWindowCloaked(kNoWindow));
}

TEST(Win32WindowModel, ReportsTheVirtualDisplay) {
    Win32SystemLibraries libraries;
    Win32WindowManager windows(libraries);
    const Size virtualScreen = windows.VirtualScreenSize();
    EXPECT_EQ(virtualScreen.width, ::GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_GT(virtualScreen.width, 0);
    const Point origin = windows.VirtualScreenOrigin();
    const auto monitors = windows.EnumDisplayMonitors();
    ASSERT_GE(monitors.size(), 1u);
    // The virtual screen is the bounding rectangle of the monitors, wherever it starts.
    int left = monitors.front().left;
    int top = monitors.front().top;
    int right = monitors.front().right;
    int bottom = monitors.front().bottom;
    for (const Rect& monitor : monitors) {
        left = std::min(left, static_cast<int>(monitor.left));
        top = std::min(top, static_cast<int>(monitor.top));
        right = std::max(right, static_cast<int>(monitor.right));
        bottom = std::max(bottom, static_cast<int>(monitor.bottom));
    }
    EXPECT_EQ(origin, (Point{left, top}));
    EXPECT_EQ(right - left, virtualScreen.width);
    EXPECT_EQ(bottom - top, virtualScreen.height);
}

}  // namespace
}  // namespace tilora::win32
