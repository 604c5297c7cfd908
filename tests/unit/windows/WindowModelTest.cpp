#include <algorithm>
#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "files/TextHelpers.h"
#include "windows/WindowModel.h"
#include "windows/WindowOperations.h"

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
        {L"cloaked", [](FakeWindowManager& d, WindowHandle w) { d.window(w).cloaked = true; },
         CaptureVerdict::Cloaked},
        // The earlier tests decide first: a hidden window is invisible, cloaked or not.
        {L"hidden and cloaked",
         [](FakeWindowManager& d, WindowHandle w) {
             d.window(w).visible = false;
             d.window(w).cloaked = true;
         },
         CaptureVerdict::Invisible},
        {L"cloaked tool",
         [](FakeWindowManager& d, WindowHandle w) {
             d.window(w).extendedStyle = kWsExToolWindow;
             d.window(w).cloaked = true;
         },
         CaptureVerdict::ToolWindow},
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

// A program running as administrator lets others read its creation time and image path but not
// its memory, where the module list lies.
TEST_F(WindowModelTest, EachProcessIsNamedAsFarAsItsRightsAllow) {
    FakeWindowManager::Process elevated{L"Admin.exe", L"C:\\Tools\\Admin.exe"};
    elevated.runsElevated = true;
    desktop.AddProcess(1, {L"EDITOR.EXE", L"C:\\Tools\\EDITOR.EXE"});
    desktop.AddProcess(2, elevated);
    desktop.AddProcess(3, {L"locked.exe", L"C:\\locked.exe", true});
    const struct {
        unsigned process;  // 4 has ended: no process has that id
        const wchar_t* procName;
        const wchar_t* procPath;
    } rows[] = {{1, L"editor.exe", L"C:\\Tools\\EDITOR.EXE"},
                {2, L"admin.exe", L"C:\\Tools\\Admin.exe"},
                {3, L"", L""},
                {4, L"", L""}};
    for (const auto& row : rows) Add(std::to_wstring(row.process), row.process);
    for (int capture = 1; capture <= 2; ++capture) {  // the second from the names kept
        model.CaptureWindows();
        for (const auto& row : rows) {
            const auto record =
                std::ranges::find(model.currentSnapshot(), row.process, &WindowRecord::procID);
            EXPECT_EQ(record->procName, row.procName) << row.process << " capture " << capture;
            EXPECT_EQ(record->procPath, row.procPath) << row.process << " capture " << capture;
        }
    }
    EXPECT_EQ(desktop.openProcesses(), 0);
    for (const WindowResult& result :
         MaximizeAll(desktop, model.currentSnapshot(), {L"\\Admin.exe"})) {
        EXPECT_EQ(result.outcome == WindowOutcome::ExcludedFromMaximize, result.record.procID == 2);
    }
}

TEST_F(WindowModelTest, TheOwnDialogIsRecordedButNeverTheLastActiveWindow) {
    const WindowHandle own = Add(kOwn);
    model.CaptureWindows();
    EXPECT_EQ(model.ownWindowRecord().hwnd, own);
    EXPECT_EQ(model.lastActiveWindow(), kNoWindow);

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

// The number of windows above the window on the fake desktop, counted afresh.
int WindowsAbove(const FakeWindowManager& desktop, WindowHandle window) {
    const auto& zOrder = desktop.zOrder();
    return static_cast<int>(std::find(zOrder.begin(), zOrder.end(), window) - zOrder.begin());
}

TEST_F(WindowModelTest, DepthFromTheEnumerationEqualsTheWindowsAboveOnAMixedDesktop) {
    std::vector<WindowHandle> all;
    for (int i = 0; i < 40; ++i) {
        const WindowHandle window = Add(i % 7 == 3 ? L"" : L"Window " + std::to_wstring(i));
        if (i % 5 == 1) desktop.window(window).visible = false;
        if (i % 6 == 2) desktop.window(window).extendedStyle = kWsExToolWindow;
        if (i % 11 == 4) desktop.window(window).vanishes = true;
        if (i % 13 == 5) desktop.window(window).owner = all.front();
        all.push_back(window);
    }
    for (int round = 0; round < 3; ++round) {
        // Restack a few windows between captures, as the user does.
        for (std::size_t i = static_cast<std::size_t>(round); i < all.size(); i += 9) {
            desktop.SetWindowPos(all[i], kHwndTop, 0, 0, 0, 0, kSwpNoMove | kSwpNoSize);
        }
        ASSERT_GT(model.CaptureWindows(), 15);
        for (const WindowRecord& record : model.currentSnapshot()) {
            EXPECT_EQ(record.zLevel, WindowsAbove(desktop, record.hwnd)) << round;
        }
    }
}

TEST_F(WindowModelTest, ACloakedWindowIsNotRecordedAndLeavesNoGapInTheStacking) {
    const WindowHandle bottom = Add(L"Bottom");
    const WindowHandle otherDesktop = Add(L"On another virtual desktop");
    desktop.window(otherDesktop).cloaked = true;
    const WindowHandle top = Add(L"Top");
    EXPECT_EQ(CapturedTitles(), (std::vector<std::wstring>{L"Bottom", L"Top"}));
    EXPECT_EQ(model.FindRecord(otherDesktop), nullptr);
    // The record above the cloaked window follows the one below it directly.
    EXPECT_EQ(model.FindRecord(top)->insertAfter, bottom);
}

TEST_F(WindowModelTest, AWindowThatDoesNotRespondIsRecordedWithTheTitleTheSystemKeeps) {
    const WindowHandle frozen = Add(L"Frozen");
    desktop.window(frozen).hung = true;
    Add(L"Editor");
    ASSERT_EQ(model.CaptureWindows(), 2);
    EXPECT_EQ(model.FindRecord(frozen)->winName, L"Frozen");
    // Neither asked for its title nor for its title bar: both may wait for its program.
    EXPECT_FALSE(journal.Contains("Blocked WindowTextLength Frozen"));
    EXPECT_FALSE(journal.Contains("Blocked GetTitleBarState Frozen"));
    EXPECT_EQ(desktop.CallsTo(FakeWindowManager::Method::InternalWindowText), 1);
    EXPECT_EQ(desktop.CallsTo(FakeWindowManager::Method::WindowTextLength), 1);
}

TEST_F(WindowModelTest, OnlyWindowsThatPassEveryOtherTestAreAskedWhetherTheyAreCloaked) {
    Add(L"Recorded");
    desktop.window(Add(L"Hidden")).visible = false;
    desktop.window(Add(L"Tool")).extendedStyle = kWsExToolWindow;
    Add(L"");
    desktop.window(Add(L"Cloaked")).cloaked = true;
    model.CaptureWindows();
    EXPECT_EQ(desktop.CallsTo(FakeWindowManager::Method::IsWindowCloaked), 2);
}

TEST_F(WindowModelTest, ACaptureMakesAFewCallsPerWindowHoweverManyWindowsThereAre) {
    for (unsigned process = 2000; process < 2005; ++process) {
        desktop.AddProcess(process, {L"app.exe", L"C:\\app.exe"});
    }
    for (int i = 0; i < 400; ++i) Add(L"Window " + std::to_wstring(i), 2000 + i % 5);
    model.CaptureWindows();
    desktop.ResetCallCounts();
    ASSERT_EQ(model.CaptureWindows(), 400);
    // A walk up the z-order from every window would make about 80,000 calls here.
    EXPECT_LE(desktop.platformCalls(), 14 * 400);
}

TEST_F(WindowModelTest, ProcessNamesAreReadOncePerProcessAndReusedByLaterCaptures) {
    desktop.AddProcess(7, {L"EDITOR.EXE", L"C:\\Tools\\EDITOR.EXE"});
    desktop.AddProcess(8, {L"viewer.exe", L"C:\\Tools\\viewer.exe"});
    for (unsigned process : {7u, 8u, 7u, 8u, 7u}) Add(L"Document", process);

    model.CaptureWindows();
    const WindowSnapshot first = model.currentSnapshot();
    // Once with limited rights, once more to read the module.
    EXPECT_EQ(desktop.CallsTo(FakeWindowManager::Method::OpenProcess), 4);
    EXPECT_EQ(desktop.CallsTo(FakeWindowManager::Method::ModuleBaseName), 2);
    EXPECT_EQ(desktop.CallsTo(FakeWindowManager::Method::ProcessImagePath), 2);
    for (const WindowRecord& record : first) {
        EXPECT_EQ(record.procName, record.procID == 7 ? L"editor.exe" : L"viewer.exe");
    }

    desktop.ResetCallCounts();
    model.CaptureWindows();
    EXPECT_EQ(model.currentSnapshot(), first);
    // Each process is only checked to be the same one.
    EXPECT_EQ(desktop.CallsTo(FakeWindowManager::Method::OpenProcess), 2);
    EXPECT_EQ(desktop.CallsTo(FakeWindowManager::Method::ProcessCreationTime), 2);
    EXPECT_EQ(desktop.CallsTo(FakeWindowManager::Method::EnumFirstProcessModule), 0);
    EXPECT_EQ(desktop.CallsTo(FakeWindowManager::Method::ModuleBaseName), 0);
    EXPECT_EQ(desktop.CallsTo(FakeWindowManager::Method::ProcessImagePath), 0);
    EXPECT_EQ(desktop.openProcesses(), 0);
}

TEST_F(WindowModelTest, AProcessIdGivenToANewProcessIsReadAgain) {
    desktop.AddProcess(7, {L"old.exe", L"C:\\old.exe", false, false, false, 1000});
    Add(L"Old program", 7);
    model.CaptureWindows();
    ASSERT_EQ(model.currentSnapshot()[0].procName, L"old.exe");

    desktop.AddProcess(7, {L"NEW.EXE", L"C:\\New\\NEW.EXE", false, false, false, 2000});
    model.CaptureWindows();
    EXPECT_EQ(model.currentSnapshot()[0].procName, L"new.exe");
    EXPECT_EQ(model.currentSnapshot()[0].procPath, L"C:\\New\\NEW.EXE");
}

TEST_F(WindowModelTest, ProcessesNotReadInFullAreReadAgainByEveryCapture) {
    desktop.AddProcess(2, {L"refused.exe", L"C:\\refused.exe", true});
    desktop.AddProcess(3, {L"module.exe", L"C:\\module.exe", false, true});
    desktop.AddProcess(4, {L"path.exe", L"C:\\path.exe", false, false, true});
    FakeWindowManager::Process undated{L"undated.exe", L"C:\\undated.exe"};
    undated.timesUnreadable = true;
    desktop.AddProcess(5, undated);
    for (unsigned process : {2u, 3u, 4u, 5u, 2u}) Add(L"Window", process);

    model.CaptureWindows();
    // Like the first, the refused process's second window is tried again; each process that
    // opens is opened a second time for its module.
    EXPECT_EQ(desktop.CallsTo(FakeWindowManager::Method::OpenProcess), 8);
    desktop.ResetCallCounts();
    model.CaptureWindows();
    EXPECT_EQ(desktop.CallsTo(FakeWindowManager::Method::OpenProcess), 8);
    EXPECT_EQ(desktop.CallsTo(FakeWindowManager::Method::ProcessImagePath), 3);

    for (unsigned process : {2u, 3u, 4u}) {
        desktop.AddProcess(process, {L"Fine.exe", L"C:\\Fine.exe"});
    }
    model.CaptureWindows();
    for (const WindowRecord& record : model.currentSnapshot()) {
        EXPECT_EQ(record.procName, record.procID == 5 ? L"undated.exe" : L"fine.exe");
    }
}

TEST_F(WindowModelTest, AKnownProcessThatNoLongerOpensGetsEmptyNames) {
    desktop.AddProcess(7, {L"app.exe", L"C:\\app.exe"});
    Add(L"App", 7);
    model.CaptureWindows();
    desktop.AddProcess(7, {L"app.exe", L"C:\\app.exe", true});
    model.CaptureWindows();
    EXPECT_EQ(model.currentSnapshot()[0].procName, L"");
    EXPECT_EQ(model.currentSnapshot()[0].procPath, L"");
}

TEST_F(WindowModelTest, NamesReadWithoutTheProcessNameFunctionsAreNotKeptOnceTheyAreThere) {
    desktop.AddProcess(5, {L"app.exe", L"C:\\app.exe"});
    Add(L"App", 5);
    model.SetProcessNamesAvailable(false);
    model.CaptureWindows();
    model.SetProcessNamesAvailable(true);
    model.CaptureWindows();
    EXPECT_EQ(model.currentSnapshot()[0].procName, L"app.exe");
}

TEST_F(WindowModelTest, AProcessWhoseWindowsAllClosedIsForgotten) {
    desktop.AddProcess(9, {L"app.exe", L"C:\\app.exe"});
    const WindowHandle window = Add(L"App", 9);
    Add(L"Other");
    model.CaptureWindows();
    desktop.CloseWindow(window);
    model.CaptureWindows();
    Add(L"App again", 9);
    desktop.ResetCallCounts();
    model.CaptureWindows();
    EXPECT_EQ(desktop.CallsTo(FakeWindowManager::Method::ModuleBaseName), 1);
}

// Every record of a series of captures equals the record read afresh: names straight from the
// process, depth counted on the desktop.
TEST_F(WindowModelTest, RecordsEqualThoseReadAfreshWhileTheDesktopChanges) {
    for (unsigned process = 1; process <= 6; ++process) {
        desktop.AddProcess(process, {L"P" + std::to_wstring(process) + L".EXE",
                                     L"C:\\P" + std::to_wstring(process) + L".EXE", process == 6,
                                     false, false, process});
    }
    std::vector<WindowHandle> windows;
    for (int i = 0; i < 30; ++i) {
        windows.push_back(Add(L"W" + std::to_wstring(i), 1 + static_cast<unsigned>(i % 6)));
        if (i % 4 == 3) desktop.window(windows.back()).visible = false;
    }
    for (int round = 0; round < 6; ++round) {
        const unsigned reused = 1 + static_cast<unsigned>(round % 5);
        desktop.AddProcess(reused, {L"R" + std::to_wstring(round) + L".exe", L"C:\\R.exe", false,
                                    false, false, 100u + static_cast<unsigned>(round)});
        desktop.SetWindowPos(windows[static_cast<std::size_t>(round * 5)], kHwndTop, 0, 0, 0, 0,
                             kSwpNoMove | kSwpNoSize);
        model.CaptureWindows();
        for (const WindowRecord& record : model.currentSnapshot()) {
            const ProcessIdentity fresh = model.IdentifyProcess(record.procID);
            EXPECT_EQ(record.procName, LowerAsciiLetters(fresh.baseName)) << round;
            EXPECT_EQ(record.procPath, fresh.imagePath) << round;
            EXPECT_EQ(record.zLevel, WindowsAbove(desktop, record.hwnd)) << round;
        }
    }
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
