// Placing and stacking windows of other processes through the real Win32 layer.
#include <fstream>
#include <gtest/gtest.h>

#include "CoreWithoutDialog.h"
#include "DesktopPrograms.h"

namespace tilora::win32 {
namespace {

using testing::DesktopProgram;
using testing::TestFolder;
using testing::WaitUntil;

bool SameRect(const RECT& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

UINT ShowState(HWND window) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    ::GetWindowPlacement(window, &placement);
    return placement.showCmd;
}

class Win32WindowOperations : public ::testing::Test {
  protected:
    testing::CoreWithoutDialog core;
    testing::CoreWithoutDialog::Operations& operations = core.operations;
    TestFolder folder;

    std::filesystem::path Document(const wchar_t* name) {
        std::ofstream(folder.path() / name) << "text";
        return folder.path();
    }
};

TEST_F(Win32WindowOperations, PlaceWindowPutsAnotherProcessesWindowInEveryShowState) {
    DesktopProgram notepad(L"notepad.exe place.txt", L"place", Document(L"place.txt"));
    ASSERT_NE(notepad.window(), nullptr);
    const HWND window = notepad.window();
    const WindowHandle handle = static_cast<WindowHandle>(reinterpret_cast<std::intptr_t>(window));
    struct Case {
        unsigned show;
        Rect rect;
    };
    const Case cases[] = {{kSwShowNormal, {120, 80, 820, 580}},
                          {kSwShowMinimized, {200, 150, 700, 450}},
                          {kSwShowMaximized, {60, 40, 560, 440}},
                          {kSwShowNormal, {300, 200, 900, 700}}};
    for (const Case& c : cases) {
        operations.PlaceWindow(handle, c.rect, c.show);
        ASSERT_TRUE(WaitUntil([&] { return ShowState(window) == c.show; })) << c.show;
        if (c.show != kSwShowNormal) {
            // Its normal rectangle shows once it is restored.
            ::ShowWindow(window, SW_RESTORE);
        }
        EXPECT_TRUE(WaitUntil([&] { return SameRect(testing::WindowRect(window), c.rect); }))
            << "show " << c.show << " at " << testing::WindowRect(window).left << ","
            << testing::WindowRect(window).top << "," << testing::WindowRect(window).right << ","
            << testing::WindowRect(window).bottom;
    }
}

TEST_F(Win32WindowOperations, ApplyingASnapshotRebuildsTheStackingOfThreeWindows) {
    DesktopProgram first(L"notepad.exe one.txt", L"one", Document(L"one.txt"));
    DesktopProgram second(L"notepad.exe two.txt", L"two", Document(L"two.txt"));
    DesktopProgram third(L"winemine.exe", L"WineMine");
    ASSERT_NE(third.window(), nullptr);
    auto record = [](HWND window, Rect rect) {
        WindowRecord r;
        r.hwnd = static_cast<WindowHandle>(reinterpret_cast<std::intptr_t>(window));
        r.showCmd = kSwShowNormal;
        r.rcNormalPosition = rect;
        return r;
    };
    const RECT mine = testing::WindowRect(third.window());
    // Bottom-most first: one, WineMine, two on top; then the opposite order.
    const WindowSnapshot orders[] = {
        {record(first.window(), {10, 10, 610, 410}),
         record(third.window(),
                {100, 100, 100 + mine.right - mine.left, 100 + mine.bottom - mine.top}),
         record(second.window(), {50, 50, 650, 450})},
        {record(second.window(), {20, 30, 620, 430}),
         record(third.window(),
                {300, 300, 300 + mine.right - mine.left, 300 + mine.bottom - mine.top}),
         record(first.window(), {70, 60, 670, 460})},
    };
    for (const WindowSnapshot& snapshot : orders) {
        operations.ApplySnapshot(snapshot, false);
        const auto hwnd = [](const WindowRecord& r) {
            return reinterpret_cast<HWND>(static_cast<std::intptr_t>(r.hwnd));
        };
        const bool stacked = WaitUntil(
            [&] {
                for (std::size_t i = 0; i + 1 < snapshot.size(); ++i) {
                    bool above = false;
                    for (HWND walk = ::GetWindow(hwnd(snapshot[i]), GW_HWNDPREV); walk != nullptr;
                         walk = ::GetWindow(walk, GW_HWNDPREV)) {
                        above = above || walk == hwnd(snapshot[i + 1]);
                    }
                    if (!above) return false;
                }
                return true;
            },
            std::chrono::seconds(5));
        EXPECT_TRUE(stacked);
        for (const WindowRecord& r : snapshot) {
            EXPECT_TRUE(WaitUntil(
                [&] { return SameRect(testing::WindowRect(hwnd(r)), r.rcNormalPosition); }));
        }
        EXPECT_TRUE(core.controls.lines.empty());
    }
}

}  // namespace
}  // namespace tilora::win32
