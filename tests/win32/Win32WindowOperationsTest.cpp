// Placing and stacking windows of other processes through the real Win32 layer.
#include <fstream>
#include <gtest/gtest.h>

#include "DesktopPrograms.h"
#include "app/InfoLog.h"
#include "platform/win32/Win32SystemLibraries.h"
#include "platform/win32/Win32WindowManager.h"
#include "windows/Monitors.h"
#include "windows/WindowOperations.h"

namespace tilora::win32 {
namespace {

using testing::DesktopProgram;
using testing::TestFolder;
using testing::WaitUntil;

// Without a dialog: the log and the check boxes are not looked at by these operations.
class NoControls : public DialogControls {
  public:
    void SetCaption(const std::wstring&) override {}
    void SetIcons() override {}
    bool IsMinimized() const override { return false; }
    Size ClientSize() const override { return {}; }
    Size SystemIconSize() const override { return {}; }
    void DrawIcon(int, int) override {}
    void DefaultPaint() override {}
    void StartTimer(unsigned, unsigned) override {}
    void StopTimer(unsigned) override {}
    void EndDialog(int) override {}
    void SetText(int, const std::wstring&) override {}
    std::wstring Text(int) const override { return {}; }
    bool IsChecked(int) const override { return false; }
    void SetChecked(int, bool) override {}
    int ListAppend(int, const std::wstring& line) override {
        lines.push_back(line);
        return static_cast<int>(lines.size()) - 1;
    }
    int ListCount(int) const override { return static_cast<int>(lines.size()); }
    std::wstring ListLine(int, int index) const override {
        return lines.at(static_cast<std::size_t>(index));
    }
    void ListDeleteLine(int, int) override {}
    void ListClear(int) override { lines.clear(); }
    void ListSetTopIndex(int, int) override {}
    void ListSetHorizontalExtent(int, int) override {}
    void ComboReset(int) override {}
    void ComboAdd(int, const std::wstring&) override {}
    void ComboSelect(int, int) override {}
    int ComboSelection(int) const override { return -1; }
    int ComboCount(int) const override { return 0; }
    std::wstring ComboItem(int, int) const override { return {}; }
    void ComboSetDroppedWidth(int, int) override {}
    void EditSelectAll(int) override {}
    void EditScrollCaret(int) override {}
    void EditClearSelection(int) override {}
    TooltipHandle CreateTooltip(WindowHandle, int, const std::wstring&) override { return 0; }
    void DestroyTooltip(TooltipHandle) override {}

    std::vector<std::wstring> lines;
};

class Win32Clock : public Clock {
  public:
    std::uint64_t TickCount() const override { return ::GetTickCount64(); }
    LocalDateTime LocalTime() const override { return {}; }
};

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
    Win32SystemLibraries libraries;
    Win32WindowManager windows{libraries};
    NoControls controls;
    Win32Clock clock;
    MessageCatalogue catalogue;
    InfoLog log{controls, clock};
    WindowModel model{windows, L"Tilora v1.09 (b)"};
    Monitors monitors{windows, catalogue, log};
    std::vector<std::wstring> excludeMaxList;
    std::wstring separator = L"-";
    WindowOperations operations{windows,  model, monitors,       catalogue, log,
                                controls, clock, excludeMaxList, separator};
    TestFolder folder;

    void SetUp() override { catalogue.CopySelectedTables(); }
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
        EXPECT_TRUE(controls.lines.empty());
    }
}

}  // namespace
}  // namespace tilora::win32
