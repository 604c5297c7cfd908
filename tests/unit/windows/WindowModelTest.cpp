#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "windows/WindowModel.h"

namespace tilora {
namespace {

using testing::FakeWindowManager;

constexpr wchar_t kOwn[] = L"Tilora v1.09 (b)";

class WindowModelTest : public ::testing::Test {
  protected:
    testing::CallJournal journal;
    FakeWindowManager desktop{journal};
    WindowModel model{desktop, kOwn};

    WindowHandle Add(const std::wstring& title, unsigned processId = 1000) {
        return desktop.AddWindow(title, {10, 20, 310, 420}, processId);
    }
    std::vector<std::wstring> CapturedTitles() {
        model.CaptureWindows();
        std::vector<std::wstring> titles;
        for (const WindowRecord& record : model.currentSnapshot()) titles.push_back(record.winName);
        return titles;
    }
};

TEST_F(WindowModelTest, OnlyVisibleTitledTaskSwitchableWindowsAreRecorded) {
    struct Case {
        const wchar_t* title;
        void (*script)(FakeWindowManager&, WindowHandle);
        CaptureVerdict verdict;
    };
    const Case cases[] = {
        {L"plain", [](FakeWindowManager&, WindowHandle) {}, CaptureVerdict::Recorded},
        {L"hidden", [](FakeWindowManager& d, WindowHandle w) { d.window(w).visible = false; },
         CaptureVerdict::Invisible},
        {L"tool",
         [](FakeWindowManager& d, WindowHandle w) {
             d.window(w).extendedStyle = kWsExToolWindow | 0x8;
         },
         CaptureVerdict::ToolWindow},
        {L"no title bar",
         [](FakeWindowManager& d, WindowHandle w) {
             d.window(w).titleBarState = kStateSystemInvisible | 0x1;
         },
         CaptureVerdict::InvisibleTitleBar},
        {L"reads empty",
         [](FakeWindowManager& d, WindowHandle w) { d.window(w).titleReadsEmpty = true; },
         CaptureVerdict::Recorded},  // passes the tests, then its text reads back empty
        {L"", [](FakeWindowManager&, WindowHandle) {}, CaptureVerdict::NoTitleLength},
        {L"vanishing", [](FakeWindowManager& d, WindowHandle w) { d.window(w).vanishes = true; },
         CaptureVerdict::Recorded},  // passes the tests, then its placement cannot be read
    };
    for (const Case& c : cases) {
        testing::CallJournal journalOfCase;
        FakeWindowManager desk(journalOfCase);
        WindowModel capture(desk, kOwn);
        const WindowHandle window = desk.AddWindow(c.title, {0, 0, 100, 100});
        c.script(desk, window);
        EXPECT_EQ(capture.Classify(window), c.verdict) << c.title;
        const bool recorded = c.verdict == CaptureVerdict::Recorded &&
                              std::wstring(c.title) != L"reads empty" &&
                              std::wstring(c.title) != L"vanishing";
        EXPECT_EQ(capture.CaptureWindows(), recorded ? 1 : 0) << c.title;
    }
}

TEST_F(WindowModelTest, OwnedWindowsAndOwnersFollowTheirLastActivePopup) {
    const WindowHandle owner = Add(L"Owner with dialog");
    const WindowHandle dialog = Add(L"Find");
    desktop.window(dialog).owner = owner;
    desktop.window(owner).lastActivePopup = dialog;

    const WindowHandle hiddenPopupOwner = Add(L"Owner with hidden pop-up");
    const WindowHandle hiddenPopup = Add(L"Hidden pop-up");
    desktop.window(hiddenPopup).owner = hiddenPopupOwner;
    desktop.window(hiddenPopup).visible = false;
    desktop.window(hiddenPopupOwner).lastActivePopup = hiddenPopup;

    EXPECT_EQ(CapturedTitles(), std::vector<std::wstring>{L"Owner with dialog"});
    EXPECT_EQ(model.Classify(dialog), CaptureVerdict::NotTaskSwitchable);
    EXPECT_EQ(model.Classify(hiddenPopupOwner), CaptureVerdict::NotTaskSwitchable);
}

TEST_F(WindowModelTest, APopupCycleDoesNotHangTheCapture) {
    const WindowHandle window = Add(L"A");
    const WindowHandle first = Add(L"hidden 1");
    const WindowHandle second = Add(L"hidden 2");
    desktop.window(first).visible = false;
    desktop.window(second).visible = false;
    desktop.window(window).lastActivePopup = first;
    desktop.window(first).lastActivePopup = second;
    desktop.window(second).lastActivePopup = first;
    EXPECT_EQ(model.Classify(window), CaptureVerdict::NotTaskSwitchable);
    EXPECT_EQ(model.CaptureWindows(), 0);
}

TEST_F(WindowModelTest, StackingGivesDepthsOrderAndInsertAfter) {
    const WindowHandle c = Add(L"C");
    const WindowHandle b = Add(L"B");
    const WindowHandle a = Add(L"A");  // on top
    EXPECT_EQ(model.CaptureWindows(), 3);
    const auto& snapshot = model.currentSnapshot();
    ASSERT_EQ(snapshot.size(), 3u);
    EXPECT_EQ(snapshot[0].hwnd, c);
    EXPECT_EQ(snapshot[1].hwnd, b);
    EXPECT_EQ(snapshot[2].hwnd, a);
    EXPECT_EQ(snapshot[0].zLevel, 2);
    EXPECT_EQ(snapshot[1].zLevel, 1);
    EXPECT_EQ(snapshot[2].zLevel, 0);
    EXPECT_EQ(snapshot[0].insertAfter, kInsertAfterFirst);
    EXPECT_EQ(snapshot[1].insertAfter, c);
    EXPECT_EQ(snapshot[2].insertAfter, b);
}

TEST_F(WindowModelTest, DepthCountsWindowsTheCaptureLeavesOut) {
    Add(L"B");
    const WindowHandle tool = Add(L"");
    desktop.window(tool).visible = false;
    desktop.window(tool).extendedStyle = kWsExToolWindow;
    Add(L"A");
    model.CaptureWindows();
    ASSERT_EQ(model.currentSnapshot().size(), 2u);
    EXPECT_EQ(model.currentSnapshot()[0].winName, L"B");
    EXPECT_EQ(model.currentSnapshot()[0].zLevel, 2);
}

TEST_F(WindowModelTest, RecordsCarryPlacementProcessAndIds) {
    desktop.AddProcess(77, {L"EDITOR.EXE", L"C:\\Tools\\EDITOR.EXE"});
    desktop.AddProcess(78, {L"\u00c4NDERN.EXE", L"C:\\\u00c4\\\u00c4NDERN.EXE"});
    const WindowHandle editor = Add(L"Editor", 77);
    desktop.window(editor).placement.showCmd = kSwShowMaximized;
    desktop.window(editor).placement.normalPosition = {100, 50, 900, 650};
    Add(L"\u00c4ndern", 78);

    model.CaptureWindows();
    const WindowRecord& first = model.currentSnapshot()[0];
    EXPECT_EQ(first.winName, L"Editor");
    EXPECT_EQ(first.procName, L"editor.exe");
    EXPECT_EQ(first.procPath, L"C:\\Tools\\EDITOR.EXE");
    EXPECT_EQ(first.procID, 77u);
    EXPECT_EQ(first.showCmd, kSwShowMaximized);
    EXPECT_EQ(first.rcNormalPosition, (Rect{100, 50, 900, 650}));
    EXPECT_EQ(model.currentSnapshot()[1].procName, L"\u00c4ndern.exe");
    EXPECT_EQ(desktop.openProcesses(), 0);
}

TEST_F(WindowModelTest, UnreadableProcessDetailsStayEmptyForThatWindowOnly) {
    desktop.AddProcess(1, {L"first.exe", L"C:\\first.exe"});
    desktop.AddProcess(2, {L"refused.exe", L"C:\\refused.exe", true});
    desktop.AddProcess(3, {L"module.exe", L"C:\\module.exe", false, true});
    desktop.AddProcess(4, {L"path.exe", L"C:\\path.exe", false, false, true});
    Add(L"4", 4);
    Add(L"3", 3);
    Add(L"2", 2);
    Add(L"1", 1);  // on top, captured first
    model.CaptureWindows();
    std::map<std::wstring, std::pair<std::wstring, std::wstring>> seen;
    for (const auto& r : model.currentSnapshot()) seen[r.winName] = {r.procName, r.procPath};
    EXPECT_EQ(seen[L"1"],
              std::make_pair(std::wstring(L"first.exe"), std::wstring(L"C:\\first.exe")));
    EXPECT_EQ(seen[L"2"], std::make_pair(std::wstring(), std::wstring()));
    EXPECT_EQ(seen[L"3"], std::make_pair(std::wstring(), std::wstring(L"C:\\module.exe")));
    EXPECT_EQ(seen[L"4"], std::make_pair(std::wstring(L"path.exe"), std::wstring()));
    EXPECT_EQ(desktop.openProcesses(), 0);
}

TEST_F(WindowModelTest, WithoutProcessNameFunctionsOnlyThePathIsKnown) {
    desktop.AddProcess(5, {L"app.exe", L"C:\\app.exe"});
    Add(L"App", 5);
    model.SetProcessNamesAvailable(false);
    model.CaptureWindows();
    EXPECT_EQ(model.currentSnapshot()[0].procName, L"");
    EXPECT_EQ(model.currentSnapshot()[0].procPath, L"C:\\app.exe");
}

TEST_F(WindowModelTest, TheOwnDialogIsRecordedButNeverTheLastActiveWindow) {
    const WindowHandle own = Add(kOwn);
    model.CaptureWindows();
    EXPECT_EQ(model.ownWindowRecord().hwnd, own);
    EXPECT_EQ(model.lastActiveWindow(), kNoWindow);
    EXPECT_TRUE(model.firstForeignPending());

    const WindowHandle lower = Add(L"Lower");
    const WindowHandle higher = Add(L"Higher");
    desktop.SetWindowPos(own, kHwndTop, 0, 0, 0, 0, kSwpNoMove | kSwpNoSize);  // own on top
    model.CaptureWindows();
    EXPECT_EQ(model.lastActiveWindow(), higher);
    EXPECT_EQ(model.currentSnapshot().back().hwnd, own);

    // Seeded once: later captures leave it alone.
    desktop.SetWindowPos(lower, kHwndTop, 0, 0, 0, 0, kSwpNoMove | kSwpNoSize);
    Add(L"Newest");
    model.CaptureWindows();
    EXPECT_EQ(model.lastActiveWindow(), higher);
}

TEST_F(WindowModelTest, WithSeveralOwnTitlesTheLowestIsTheOwnRecord) {
    const WindowHandle lowest = Add(kOwn);
    Add(kOwn);
    model.CaptureWindows();
    EXPECT_EQ(model.ownWindowRecord().hwnd, lowest);
}

TEST_F(WindowModelTest, AWindowThatVanishesDuringTheCaptureIsLeftOut) {
    Add(L"Stays");
    const WindowHandle gone = Add(L"Closing");
    desktop.window(gone).vanishes = true;
    EXPECT_EQ(CapturedTitles(), std::vector<std::wstring>{L"Stays"});
    EXPECT_EQ(static_cast<int>(model.currentSnapshot().size()), 1);
}

TEST(SortByZLevel, OrdersBottomMostFirstAndKeepsEqualDepthsInOrder) {
    WindowSnapshot snapshot;
    const std::pair<WindowHandle, int> records[] = {{1, 3}, {2, 7}, {3, 3}, {4, 0}, {5, 7}};
    for (const auto& [handle, depth] : records) {
        WindowRecord record;
        record.hwnd = handle + 100;
        record.zLevel = depth;
        snapshot.push_back(record);
    }
    WindowModel::SortByZLevel(snapshot);
    std::vector<WindowHandle> order;
    for (const auto& record : snapshot) order.push_back(record.hwnd);
    EXPECT_EQ(order, (std::vector<WindowHandle>{102, 105, 101, 103, 104}));
    EXPECT_EQ(snapshot[0].insertAfter, kInsertAfterFirst);
    EXPECT_EQ(snapshot[1].insertAfter, 102);
    EXPECT_EQ(snapshot[4].insertAfter, 103);
}

}  // namespace
}  // namespace tilora
