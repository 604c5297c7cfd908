#include <algorithm>
#include <gtest/gtest.h>
#include <span>

#include "ContextTest.h"
#include "app/CKelvaneDlg.h"
#include "commands/WindowCommands.h"
#include "windows/WindowOperations.h"

namespace tilora {
namespace {

using testing::FakePlatform;

constexpr wchar_t kOwn[] = L"Tilora v1.09 (b)";

// The window operations as the user reaches them: the bulk buttons through the dialog, the
// commands on the last active window, and the apply of a snapshot.
class Operations {
  public:
    explicit Operations(CommandContext& context) : ctx_(context) {}

    bool PlaceWindow(WindowHandle window, const Rect& rect, unsigned show) {
        return WindowPlacer(ctx_.windows).Place(window, {WorkspaceRect(rect), show}).wasVisible;
    }
    void MinimizeAll() { dialog_.OnButtonClicked(IDC_BN_MINIMIZEALL); }
    void MaximizeAll() { dialog_.OnButtonClicked(IDC_BN_MAXIMIZEALL); }
    void TileAll() { dialog_.OnButtonClicked(IDC_BN_TILEALL); }
    void OwnWindowRestoreTick() { bulk_.OwnWindowRestoreTick(); }
    std::uint64_t ownWindowRestoreDue() const { return ctx_.session.ownWindowRestoreDue; }
    void SetOwnWindow(WindowHandle window) { ctx_.model.SetOwnWindow(window); }
    void ApplySnapshot(const WindowSnapshot& snapshot, bool keepOwnMinimized) {
        ctx_.session.keepOwnMinimized = keepOwnMinimized;
        arrangements_.ApplyWindows(snapshot);
    }
    void MoveIntoView() { windowCommands_.MoveIntoView(); }
    void SetTopmost() { windowCommands_.SetTopmost(); }
    void ResetTopmost() { windowCommands_.ResetTopmost(); }

  private:
    CommandContext& ctx_;
    CKelvaneDlg dialog_{ctx_};
    BulkWindowCommands bulk_{ctx_};
    ArrangementCommands arrangements_{ctx_};
    WindowCommands windowCommands_{ctx_};
};

// A window at rect, and whether Move Into View must bring it to the top-left corner.
struct MoveCase {
    Rect rect;
    bool moved;
};

class WindowOperationsTest : public testing::ContextTest {
  protected:
    // Each window alone on the desk, then Move Into View.
    void ExpectMovedIntoView(std::span<const MoveCase> cases) {
        for (const MoveCase& c : cases) {
            const WindowHandle window = Add(L"W", c.rect);
            fake.controls.ListClear(IDC_LB_INFO);
            operations.MoveIntoView();
            const Rect expected = c.moved ? Rect{0, 0, c.rect.Width(), c.rect.Height()} : c.rect;
            EXPECT_EQ(fake.windows.NormalRect(window), expected)
                << c.rect.left << "," << c.rect.top << "," << c.rect.right << "," << c.rect.bottom;
            EXPECT_EQ(Lines().front(),
                      c.moved ? L"Window name: W was moved to coordinates top=0/left=0."
                              : L"No window had to be moved.");
            fake.windows.CloseWindow(window);
        }
    }

    std::wstring separator = std::wstring(500, L'-');
    Operations operations{context};

    void SetUp() override {
        fake.windows.AddProcess(1, {L"notepad.exe", L"C:\\Windows\\notepad.exe"});
        fake.windows.AddProcess(2, {L"Notepad.exe", L"C:\\Windows\\Notepad.exe"});
        fake.windows.AddProcess(3, {L"tilora.exe", L"C:\\Tools\\Tilora.exe"});
    }
    WindowHandle Add(const std::wstring& title, Rect rect, unsigned process = 1) {
        return fake.windows.AddWindow(title, rect, process);
    }
};

TEST_F(WindowOperationsTest,
       PlaceWindowSetsTheNormalRectangleAndShowStateEvenWhenPlacementIsRefused) {
    for (bool refused : {false, true}) {
        for (unsigned show : {kSwShowNormal, kSwShowMinimized, kSwShowMaximized}) {
            const WindowHandle window = Add(L"W", {10, 10, 110, 110});
            fake.windows.window(window).refusesPlacement = refused;
            fake.windows.ShowWindow(window, kSwShowMaximized);  // starts maximised
            EXPECT_TRUE(operations.PlaceWindow(window, {200, 150, 900, 650}, show));
            EXPECT_EQ(fake.windows.NormalRect(window), (Rect{200, 150, 900, 650}))
                << "refused " << refused << " show " << show;
            EXPECT_EQ(fake.windows.ShowState(window), show);
            fake.windows.CloseWindow(window);
        }
    }
}

TEST_F(WindowOperationsTest, AWindowOnceMaximisedComesBackNormalWhenAskedTo) {
    for (bool refused : {false, true}) {
        const WindowHandle window = Add(L"W", {10, 10, 110, 110});
        fake.windows.window(window).refusesPlacement = refused;
        fake.windows.ShowWindow(window, kSwShowMaximized);
        fake.windows.ShowWindow(window, kSwShowMinimized);  // now restores to maximised
        operations.PlaceWindow(window, {200, 150, 900, 650}, kSwShowNormal);
        EXPECT_EQ(fake.windows.ShowState(window), kSwShowNormal) << "refused " << refused;
        EXPECT_EQ(fake.windows.NormalRect(window), (Rect{200, 150, 900, 650}))
            << "refused " << refused;
        fake.windows.CloseWindow(window);
    }
}

TEST_F(WindowOperationsTest, PlaceWindowTellsWhetherTheWindowWasVisible) {
    const WindowHandle hidden = Add(L"Hidden", {0, 0, 10, 10});
    fake.windows.window(hidden).visible = false;
    EXPECT_FALSE(operations.PlaceWindow(hidden, {0, 0, 50, 50}, kSwShowNormal));
    EXPECT_FALSE(operations.PlaceWindow(0x999999, {0, 0, 50, 50}, kSwShowNormal));  // gone
}

TEST_F(WindowOperationsTest, MinimizeAllSparesTheOwnDialogOnlyWhileTopIsTicked) {
    Add(L"Editor", {0, 0, 800, 600});
    const WindowHandle copy = Add(L"Tilora v1.09 (b) - copy", {0, 0, 100, 100}, 3);
    const WindowHandle own = Add(kOwn, {0, 0, 449, 405}, 3);
    fake.controls.SetChecked(IDC_CK_TOP, true);
    operations.MinimizeAll();
    const std::wstring ownShort =
        L"Window name: Tilora v1.09 (b) [width x height: 449 x 405;  Process path: "
        L"C:\\Tools\\Tilora.exe]";
    EXPECT_EQ(
        Lines(),
        (std::vector<std::wstring>{
            L"The button 'Minimize All' was pressed.",
            L"Window name: Editor [width x height: 800 x 600;  Process path: "
            L"C:\\Windows\\notepad.exe] was minimized.",
            L" ! Window name: Tilora v1.09 (b) - copy [width x height: 100 x 100;  Process path: "
            L"C:\\Tools\\Tilora.exe] was not minimized, because the Topmost checkmark is checked.",
            L" ! " + ownShort + L" was not minimized, because the Topmost checkmark is checked.",
            separator}));
    EXPECT_EQ(fake.windows.ShowState(own), kSwShowNormal);
    EXPECT_EQ(fake.windows.ShowState(copy), kSwShowNormal);

    fake.controls.SetChecked(IDC_CK_TOP, false);
    fake.controls.ListClear(IDC_LB_INFO);
    operations.MinimizeAll();
    EXPECT_EQ(Lines()[3], ownShort + L" was minimized.");
    EXPECT_EQ(fake.windows.ShowState(own), kSwShowMinimized);
}

TEST_F(WindowOperationsTest, MaximizeAllLeavesExcludedPathsAlone) {
    struct Case {
        std::vector<std::wstring> exclusions;
        bool lowerSpared;
        bool upperSpared;
    };
    const Case cases[] = {
        {{}, false, false},
        {{L"notepad"}, true, false},  // case-sensitive substring
        {{L"xyz", L"Notepad.exe"}, false, true},
        {{L""}, true, true},  // an empty entry occurs in every path
    };
    for (const Case& c : cases) {
        FakePlatform platform;
        platform.windows.AddProcess(1, {L"notepad.exe", L"C:\\Windows\\notepad.exe"});
        platform.windows.AddProcess(2, {L"Notepad.exe", L"C:\\Windows\\Notepad.exe"});
        const WindowHandle lower = platform.windows.AddWindow(L"lower", {0, 0, 10, 10}, 1);
        const WindowHandle upper = platform.windows.AddWindow(L"upper", {0, 0, 10, 10}, 2);
        CommandContext caseContext(platform.platform());
        caseContext.catalogue.CopySelectedTables();
        caseContext.settings.excludeMaxList = c.exclusions;
        Operations(caseContext).MaximizeAll();
        EXPECT_EQ(platform.windows.ShowState(lower),
                  c.lowerSpared ? kSwShowNormal : kSwShowMaximized);
        EXPECT_EQ(platform.windows.ShowState(upper),
                  c.upperSpared ? kSwShowNormal : kSwShowMaximized);
    }
}

TEST_F(WindowOperationsTest, BulkReportsNameEachWindowAndCloseWithTheSeparator) {
    Add(L"Editor", {0, 0, 800, 600});
    const WindowHandle closing = Add(L"Closing", {0, 0, 300, 200}, 2);
    const WindowHandle excluded = Add(L"Paint", {0, 0, 400, 300}, 3);
    context.settings.excludeMaxList = {L"Tilora.exe"};
    operations.MaximizeAll();
    EXPECT_EQ(Lines(),
              (std::vector<std::wstring>{
                  L"The button 'Maximize All' was pressed.",
                  L"Window name: Editor [width x height: 800 x 600;  Process path: "
                  L"C:\\Windows\\notepad.exe] was maximized.",
                  L"Window name: Closing [width x height: 300 x 200;  Process path: "
                  L"C:\\Windows\\Notepad.exe] was maximized.",
                  L" ! Window name: Paint [width x height: 400 x 300;  Process path: "
                  L"C:\\Tools\\Tilora.exe] was not maximized, because it is contained in the "
                  L"exclusion list.",
                  separator}));
    EXPECT_EQ(fake.windows.ShowState(excluded), kSwShowNormal);

    fake.controls.ListClear(IDC_LB_INFO);
    fake.windows.window(closing).closesWhenShown = true;
    operations.MinimizeAll();
    EXPECT_EQ(Lines(), (std::vector<std::wstring>{
                           L"The button 'Minimize All' was pressed.",
                           // Maximize All left Paint at the bottom and Closing on top.
                           L"Window name: Paint [width x height: 400 x 300;  Process path: "
                           L"C:\\Tools\\Tilora.exe] was minimized.",
                           L"Window name: Editor [width x height: 800 x 600;  Process path: "
                           L"C:\\Windows\\notepad.exe] was minimized.",
                           L" ! Window name: Closing [width x height: 300 x 200;  Process path: "
                           L"C:\\Windows\\Notepad.exe] could NOT be minimized.",
                           separator}));
}

TEST_F(WindowOperationsTest, TileAllUsesTheFirstMonitorsOwnOriginAndSize) {
    fake.windows.SetMonitors({{-1280, -200, 0, 824}, {0, 0, 1920, 1080}});
    monitors.Refresh();
    std::vector<WindowHandle> windows;
    for (int i = 0; i < 4; ++i) windows.push_back(Add(L"W" + std::to_wstring(i), {0, 0, 50, 50}));
    operations.TileAll();
    // Cells of (1280 - 10) / 3 by (1024 - 60) / 3 pixels from the monitor's top-left corner.
    EXPECT_EQ(fake.windows.NormalRect(windows[0]), (Rect{-1280, -200, -857, 121}));
    EXPECT_EQ(fake.windows.NormalRect(windows[1]), (Rect{-852, -200, -429, 121}));
    EXPECT_EQ(fake.windows.NormalRect(windows[3]), (Rect{-1280, 126, -857, 447}));
}

TEST_F(WindowOperationsTest, MoveIntoViewTestsEachEdgeOfTheScreen) {
    const MoveCase cases[] = {
        {{0, 0, 1920, 1080}, false},  {{-1, 0, 800, 600}, true},   {{0, -1, 800, 600}, true},
        {{1121, 0, 1921, 600}, true}, {{0, 481, 800, 1081}, true},
    };
    ExpectMovedIntoView(cases);
}

TEST_F(WindowOperationsTest, MoveIntoViewLeavesWindowsOnAMonitorLeftOfThePrimaryOne) {
    fake.windows.SetMonitors({{0, 0, 1920, 1080}, {-1920, 0, 0, 1080}});
    fake.windows.SetVirtualScreen({-1920, 0}, {3840, 1080});
    const MoveCase cases[] = {
        {{-1800, 100, -1000, 700}, false}, {{-1920, 0, 1920, 1080}, false},
        {{-500, 100, 500, 700}, false},    {{-1921, 0, -1000, 600}, true},
        {{-1800, -1, -1000, 600}, true},   {{1121, 0, 1921, 600}, true},
        {{-1800, 481, -1000, 1081}, true},
    };
    ExpectMovedIntoView(cases);
}

TEST_F(WindowOperationsTest, MaximizeAllReportsAWindowThatDoesNotComeToTheFront) {
    const WindowHandle stubborn = Add(L"Stubborn", {0, 0, 800, 600});
    fake.windows.window(stubborn).refusesForeground = true;
    operations.MaximizeAll();
    EXPECT_EQ(Lines()[1],
              L" ! Window name: Stubborn [width x height: 800 x 600;  Process path: "
              L"C:\\Windows\\notepad.exe] was maximized, but could not be brought to the "
              L"foreground.");
}

TEST_F(WindowOperationsTest, TheRestorePointFollowsBulkOperationsUntilTileAllHoldsIt) {
    const WindowHandle editor = Add(L"Editor", {0, 0, 800, 600});
    operations.MaximizeAll();
    EXPECT_EQ(model.restorePoint().front().showCmd, kSwShowNormal);
    operations.MaximizeAll();
    EXPECT_EQ(model.restorePoint().front().showCmd, kSwShowMaximized);  // replaced again

    fake.windows.ShowWindow(editor, kSwShowNormal);
    operations.TileAll();
    const WindowSnapshot held = model.restorePoint();
    operations.MinimizeAll();
    operations.MaximizeAll();
    EXPECT_EQ(model.restorePoint(), held);
}

TEST(TileSlot, FillsAThreeByThreeGridThenRepeatsItLower) {
    struct Case {
        int slot;
        Rect rect;
    };
    const Case cases[] = {
        {0, {0, 0, 636, 340}},    {1, {641, 0, 1277, 340}},     {2, {1282, 0, 1918, 340}},
        {3, {0, 345, 636, 685}},  {8, {1282, 690, 1918, 1030}}, {9, {0, 60, 636, 400}},
        {18, {0, 120, 636, 460}}, {27, {0, 0, 636, 340}},
    };
    for (const Case& c : cases) EXPECT_EQ(TileSlot(c.slot, 0, 0, 1920, 1080), c.rect) << c.slot;
    EXPECT_EQ(TileSlot(1, -1920, 100, 1920, 1080), (Rect{-1279, 100, -643, 440}));
    EXPECT_EQ(TileSlot(1, 0, 0, 10, 1080), (Rect{5, 0, 5, 340}));  // cell width 0
    EXPECT_EQ(TileSlot(1, 0, 0, 5, 1080), (Rect{4, 0, 3, 340}));   // cell width -1
}

TEST_F(WindowOperationsTest, TileAllGivesTwelveWindowsTheirSlotsAndBringsTheDialogBackLater) {
    monitors.Refresh();
    const WindowHandle own = Add(kOwn, {300, 300, 749, 705}, 3);
    std::vector<WindowHandle> foreign;
    for (int i = 0; i < 12; ++i)
        foreign.push_back(Add(L"W" + std::to_wstring(i), {0, 0, 100, 100}));
    operations.TileAll();

    // Bottom-most first: the first window added is tiled first.
    EXPECT_EQ(fake.windows.NormalRect(foreign[0]), TileSlot(0, 0, 0, 1920, 1080));
    EXPECT_EQ(fake.windows.NormalRect(foreign[9]), (Rect{0, 60, 636, 400}));
    EXPECT_EQ(fake.windows.NormalRect(foreign[11]), (Rect{1282, 60, 1918, 400}));
    EXPECT_EQ(fake.windows.zOrder().front(), foreign[11]);
    EXPECT_EQ(fake.windows.ShowState(own), kSwShowMinimized);
    EXPECT_EQ(operations.ownWindowRestoreDue(), fake.clock.TickCount() + 2000);

    fake.clock.Advance(2000);
    operations.OwnWindowRestoreTick();
    EXPECT_EQ(fake.windows.ShowState(own), kSwShowMinimized);
    fake.clock.Advance(1);
    operations.OwnWindowRestoreTick();
    EXPECT_EQ(fake.windows.ShowState(own), kSwShowNormal);
    EXPECT_EQ(fake.windows.NormalRect(own), (Rect{300, 300, 749, 705}));
    EXPECT_EQ(fake.windows.zOrder().front(), own);
    EXPECT_EQ(operations.ownWindowRestoreDue(), NEVER_DUE);
}

TEST_F(WindowOperationsTest, TileAllGivesACloakedWindowNoSlotAndLeavesItAlone) {
    monitors.Refresh();
    const WindowHandle first = Add(L"First", {0, 0, 100, 100});
    const WindowHandle ghost = Add(L"On another virtual desktop", {5, 5, 105, 105});
    fake.windows.window(ghost).cloaked = true;
    const WindowHandle second = Add(L"Second", {0, 0, 100, 100});
    operations.TileAll();
    EXPECT_EQ(fake.windows.NormalRect(first), TileSlot(0, 0, 0, 1920, 1080));
    EXPECT_EQ(fake.windows.NormalRect(second), TileSlot(1, 0, 0, 1920, 1080));
    EXPECT_EQ(fake.windows.NormalRect(ghost), (Rect{5, 5, 105, 105}));
    EXPECT_EQ(fake.windows.ShowState(ghost), kSwShowNormal);
}

TEST_F(WindowOperationsTest, ApplySnapshotRestoresShowStatesAndStackingBottomFirst) {
    const WindowHandle a = Add(L"A", {0, 0, 10, 10});
    const WindowHandle b = Add(L"B", {0, 0, 10, 10});
    const WindowHandle c = Add(L"C", {0, 0, 10, 10});
    const WindowHandle d = Add(L"D", {0, 0, 10, 10});
    const WindowHandle own = Add(kOwn, {0, 0, 449, 405}, 3);
    operations.SetOwnWindow(own);
    auto record = [](WindowHandle h, unsigned show, Rect r) {
        WindowRecord rec;
        rec.hwnd = h;
        rec.showCmd = show;
        rec.rcNormalPosition = r;
        return rec;
    };
    // Wanted from the bottom: C (normal), A (minimised), D (minimised via 6), B (maximised).
    const WindowSnapshot snapshot = {record(c, 1, {1, 2, 301, 202}), record(a, 2, {5, 5, 50, 50}),
                                     record(d, 6, {6, 6, 60, 60}), record(own, 1, {9, 9, 458, 414}),
                                     record(b, 3, {20, 30, 820, 630})};
    operations.ApplySnapshot(snapshot, true);

    EXPECT_EQ(fake.windows.ShowState(c), kSwShowNormal);
    EXPECT_EQ(fake.windows.NormalRect(c), (Rect{1, 2, 301, 202}));
    EXPECT_EQ(fake.windows.ShowState(a), kSwShowMinimized);
    EXPECT_EQ(fake.windows.NormalRect(a), (Rect{5, 5, 50, 50}));
    EXPECT_EQ(fake.windows.ShowState(d), kSwShowMinimized);
    EXPECT_EQ(fake.windows.ShowState(b), kSwShowMaximized);
    EXPECT_EQ(fake.windows.NormalRect(b), (Rect{20, 30, 820, 630}));
    EXPECT_EQ(fake.windows.ShowState(own), kSwShowMinimized);  // kept minimised
    EXPECT_EQ(fake.windows.zOrder()[0], b);
    EXPECT_EQ(fake.windows.zOrder()[1], c);
    EXPECT_TRUE(Lines().empty());

    operations.ApplySnapshot(snapshot, false);
    EXPECT_EQ(fake.windows.ShowState(own), kSwShowNormal);
    EXPECT_EQ(fake.windows.zOrder()[1], own);
}

TEST_F(WindowOperationsTest, ApplySnapshotReportsWindowsThatAreGone) {
    const WindowHandle gone = Add(L"Gone", {0, 0, 10, 10});
    model.CaptureWindows();
    const WindowSnapshot snapshot = model.currentSnapshot();
    fake.windows.CloseWindow(gone);
    operations.ApplySnapshot(snapshot, false);
    EXPECT_EQ(Lines(),
              std::vector<std::wstring>{L" ! Window name: Gone [width x height: 10 x 10;  Process "
                                        L"path: C:\\Windows\\notepad.exe] could not be restored."});
}

TEST_F(WindowOperationsTest, ApplySnapshotPutsBackWindowsALateExposeHasCovered) {
    for (bool refused : {false, true}) {
        const WindowHandle a = Add(L"A", {0, 0, 10, 10});
        const WindowHandle b = Add(L"B", {0, 0, 10, 10});
        const WindowHandle c = Add(L"C", {0, 0, 10, 10});
        for (WindowHandle w : {a, b, c}) fake.windows.window(w).refusesPlacement = refused;
        // A rises over B once B has been put back: C and B must go over A again.
        fake.windows.window(a).repaintsLate = true;
        auto record = [](WindowHandle h, Rect r) {
            WindowRecord rec;
            rec.hwnd = h;
            rec.showCmd = kSwShowNormal;
            rec.rcNormalPosition = r;
            return rec;
        };
        operations.ApplySnapshot({record(a, {0, 0, 600, 400}), record(b, {40, 40, 640, 440}),
                                  record(c, {80, 80, 680, 480})},
                                 false);
        EXPECT_EQ(fake.windows.zOrder(), (std::vector<WindowHandle>{c, b, a}))
            << "refused " << refused;
        EXPECT_EQ(fake.windows.NormalRect(b), (Rect{40, 40, 640, 440})) << "refused " << refused;
        EXPECT_EQ(fake.windows.ShowState(b), kSwShowNormal) << "refused " << refused;
        EXPECT_TRUE(Lines().empty());
        for (WindowHandle w : {a, b, c}) fake.windows.CloseWindow(w);
    }
}

// Calls an Apply of three windows shown normal makes, with and without the placement refused.
struct ApplyCallsCase {
    bool refused;
    int setWindowPlacement;  // per window
    int setWindowPos;        // per window
    int showWindow;          // per window
};

TEST_F(WindowOperationsTest, ApplySnapshotTriesARefusedPlacementOnceAndMovesOnlyWhenShowing) {
    using Method = testing::FakeWindowManager::Method;
    const ApplyCallsCase cases[] = {
        // minimise, restore
        {false, 2, 0, 2},
        // refused at the minimise, which only minimises; the restore goes straight to the
        // fallback: restore, move, show
        {true, 1, 1, 3},
    };
    for (const ApplyCallsCase& c : cases) {
        WindowSnapshot snapshot;
        for (int i = 0; i < 3; ++i) {
            const WindowHandle window = Add(L"W" + std::to_wstring(i), {0, 0, 10, 10});
            fake.windows.window(window).refusesPlacement = c.refused;
            WindowRecord record;
            record.hwnd = window;
            record.showCmd = kSwShowNormal;
            record.rcNormalPosition = {10 * i, 20, 10 * i + 300, 220};
            snapshot.push_back(record);
        }
        // Twice: what a refusal taught the first Apply is not kept for the next one.
        for (int apply = 0; apply < 2; ++apply) {
            fake.windows.ResetCallCounts();
            operations.ApplySnapshot(snapshot, false);
            EXPECT_EQ(fake.windows.CallsTo(Method::SetWindowPlacement), 3 * c.setWindowPlacement)
                << "refused " << c.refused;
            EXPECT_EQ(fake.windows.CallsTo(Method::SetWindowPos), 3 * c.setWindowPos)
                << "refused " << c.refused;
            EXPECT_EQ(fake.windows.CallsTo(Method::ShowWindow), 3 * c.showWindow)
                << "refused " << c.refused;
            for (const WindowRecord& record : snapshot) {
                EXPECT_EQ(fake.windows.NormalRect(record.hwnd), record.rcNormalPosition);
                EXPECT_EQ(fake.windows.ShowState(record.hwnd), kSwShowNormal);
            }
            EXPECT_EQ(fake.windows.zOrder()[0], snapshot.back().hwnd);
        }
        for (const WindowRecord& record : snapshot) fake.windows.CloseWindow(record.hwnd);
    }
}

TEST_F(WindowOperationsTest, ARefusedPlacementStillGivesAWindowThatStaysMinimisedItsRectangle) {
    const WindowHandle window = Add(L"W", {0, 0, 10, 10});
    fake.windows.window(window).refusesPlacement = true;
    WindowRecord record;
    record.hwnd = window;
    record.showCmd = kSwShowMinimized;
    record.rcNormalPosition = {40, 50, 640, 450};
    operations.ApplySnapshot({record}, false);
    EXPECT_EQ(fake.windows.NormalRect(window), (Rect{40, 50, 640, 450}));
    EXPECT_EQ(fake.windows.ShowState(window), kSwShowMinimized);
}

TEST_F(WindowOperationsTest, MinimizeAllOnlyMinimisesWindowsThatRefuseThePlacement) {
    using Method = testing::FakeWindowManager::Method;
    for (int i = 0; i < 3; ++i) {
        const WindowHandle window = Add(L"W" + std::to_wstring(i), {0, 0, 300, 200});
        fake.windows.ShowWindow(window, kSwShowMaximized);
        fake.windows.window(window).refusesPlacement = true;
    }
    fake.windows.ResetCallCounts();
    operations.MinimizeAll();
    EXPECT_EQ(fake.windows.CallsTo(Method::SetWindowPos), 0);
    // Not restored first, so each comes back maximised as it was.
    EXPECT_EQ(fake.windows.CallsTo(Method::ShowWindow), 3);
    for (WindowHandle window : fake.windows.zOrder()) {
        EXPECT_EQ(fake.windows.ShowState(window), kSwShowMinimized);
        fake.windows.ShowWindow(window, kSwShowNormal);
        EXPECT_EQ(fake.windows.ShowState(window), kSwShowMaximized);
    }
}

TEST_F(WindowOperationsTest, ApplySnapshotLeavesATopmostWindowAboveWithoutPuttingOthersBackAgain) {
    const WindowHandle normal = Add(L"Normal", {0, 0, 10, 10});
    const WindowHandle topmost = Add(L"Pinned", {0, 0, 10, 10});
    fake.windows.window(topmost).topmost = true;
    auto record = [](WindowHandle h) {
        WindowRecord rec;
        rec.hwnd = h;
        rec.showCmd = kSwShowNormal;
        rec.rcNormalPosition = {0, 0, 300, 200};
        return rec;
    };
    // Recorded below the normal window, yet the system keeps it above.
    operations.ApplySnapshot({record(topmost), record(normal)}, false);
    EXPECT_EQ(fake.windows.zOrder(), (std::vector<WindowHandle>{topmost, normal}));
    const std::vector<std::string>& calls = fake.journal.calls();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "ShowWindow Normal 2"), 1);
}

TEST_F(WindowOperationsTest, MoveIntoViewMovesWindowsPartlyOutsideTheScreen) {
    const WindowHandle lost = Add(L"Lost", {-1000, 100, -200, 700});
    Add(L"Full", {0, 0, 1920, 1080});
    operations.MoveIntoView();
    EXPECT_EQ(fake.windows.NormalRect(lost), (Rect{0, 0, 800, 600}));
    EXPECT_EQ(Lines(), std::vector<std::wstring>{
                           L"Window name: Lost was moved to coordinates top=0/left=0."});

    fake.controls.ListClear(IDC_LB_INFO);
    operations.MoveIntoView();
    EXPECT_EQ(Lines(), std::vector<std::wstring>{L"No window had to be moved."});
}

TEST_F(WindowOperationsTest, TopmostNeedsALastActiveWindowThatIsStillOpen) {
    operations.SetTopmost();
    EXPECT_EQ(
        Lines().back(),
        L" ! No handle received yet. Please klick the desired window and repeat the command.");

    const WindowHandle editor = Add(L"Editor", {100, 50, 900, 650});
    model.CaptureWindows();  // seeds the last active window
    operations.SetTopmost();
    EXPECT_EQ(Lines().back(), L"Editor is now the TOPMOST window.");
    const auto& set = fake.windows.setWindowPosCalls().back();
    EXPECT_EQ(set.insertAfter, kHwndTopmost);
    EXPECT_EQ(set.flags, kSwpNoMove);
    EXPECT_EQ(set.cx, 800);
    EXPECT_EQ(set.cy, 600);
    EXPECT_TRUE(fake.windows.window(editor).topmost);

    operations.ResetTopmost();
    EXPECT_EQ(Lines().back(), L"Editor is no longer the TOPMOST window.");
    EXPECT_EQ(fake.windows.setWindowPosCalls().back().flags, kSwpNoMove | kSwpNoSize);
    EXPECT_FALSE(fake.windows.window(editor).topmost);

    const std::size_t calls = fake.windows.setWindowPosCalls().size();
    fake.windows.CloseWindow(editor);
    operations.SetTopmost();
    EXPECT_EQ(Lines().back(),
              L" ! The last active window is no longer open. Please click the desired "
              L"window and repeat the command.");
    EXPECT_EQ(fake.windows.setWindowPosCalls().size(), calls);
}

TEST_F(WindowOperationsTest, AWindowThatKeepsItsPlaceWhileTheCallsSucceedCountsAsRefused) {
    for (bool refused : {false, true}) {
        const WindowHandle window = Add(L"Stubborn", {10, 10, 310, 210});
        fake.windows.window(window).keepsItsPlace = true;
        fake.windows.window(window).refusesPlacement = refused;
        WindowPlacer placer(fake.windows);
        const PlacementResult moved =
            placer.Place(window, {{50, 50, 350, 250}, kSwShowNormal, Stacking::Front});
        EXPECT_EQ(moved.outcome, PlacementOutcome::Refused) << "refused " << refused;
        EXPECT_EQ(moved.error, 0u);
        EXPECT_EQ(placer.Place(window, {{10, 10, 310, 210}, kSwShowNormal}).outcome,
                  PlacementOutcome::Placed);
        // Off every monitor, Windows keeps it where it was by itself.
        EXPECT_EQ(placer.Place(window, {{-900, 10, -600, 210}, kSwShowNormal}).outcome,
                  PlacementOutcome::Placed);
        fake.windows.CloseWindow(window);
    }
}

TEST_F(WindowOperationsTest, ApplyAcrossMonitorsOfOtherScalesPlacesAtMostOnceMore) {
    using Method = testing::FakeWindowManager::Method;
    fake.windows.SetMonitors({{0, 0, 1920, 1080}, {1920, 0, 4800, 1620}});
    fake.windows.SetMonitorDpi(1, 144);
    for (const bool refused : {false, true}) {
        // To the other monitor, back, and staying.
        const Rect from[] = {{100, 100, 700, 500}, {2000, 100, 2900, 700}, {0, 0, 400, 300}};
        const Rect to[] = {{2100, 200, 2700, 600}, {200, 150, 800, 550}, {20, 0, 420, 300}};
        WindowSnapshot snapshot;
        for (int i = 0; i < 3; ++i) {
            WindowRecord& record = snapshot.emplace_back();
            record.hwnd = Add(L"W" + std::to_wstring(i), from[i]);
            record.showCmd = kSwShowNormal;
            record.rcNormalPosition = to[i];
            fake.windows.window(record.hwnd).rescalesWithDpi = true;
            fake.windows.window(record.hwnd).refusesPlacement = refused;
        }
        fake.windows.ResetCallCounts();
        operations.ApplySnapshot(snapshot, false);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(fake.windows.NormalRect(snapshot[i].hwnd), to[i]);
        // Each is minimised and shown: two placements, or one move by hand.
        EXPECT_LE(fake.windows.CallsTo(refused ? Method::SetWindowPos : Method::SetWindowPlacement),
                  (refused ? 3 : 6) + 2)
            << "refused " << refused;
        for (const WindowRecord& record : snapshot) fake.windows.CloseWindow(record.hwnd);
    }
}

TEST_F(WindowOperationsTest, TileAllFillsEachTileWithTheVisibleFrame) {
    monitors.Refresh();
    std::vector<WindowHandle> tiled;
    for (unsigned show : {kSwShowNormal, kSwShowMinimized, kSwShowMaximized}) {
        tiled.push_back(Add(L"W" + std::to_wstring(show), {100, 100, 500, 400}));
        fake.windows.window(tiled.back()).borders = {7, 0, 7, 7};
        fake.windows.ShowWindow(tiled.back(), show);
    }
    operations.TileAll();
    for (std::size_t slot = 0; slot < tiled.size(); ++slot) {
        EXPECT_EQ(*fake.windows.ExtendedFrameBounds(tiled[slot]),
                  TileSlot(static_cast<int>(slot), 0, 0, 1920, 1080))
            << slot;
    }
}

// A window whose program has stopped taking messages, beside one that answers; both lie partly
// left of the screen, so that Move Into View moves them too.
class NotRespondingTest : public WindowOperationsTest {
  protected:
    WindowHandle editor = kNoWindow;
    WindowHandle frozen = kNoWindow;
    const std::wstring frozenLine =
        L" ! Window name: Frozen [width x height: 300 x 200;  Process path: "
        L"C:\\Windows\\Notepad.exe] does not respond: the change was handed to its program "
        L"without waiting for it, and the window was not brought to the foreground.";

    void SetUp() override {
        WindowOperationsTest::SetUp();
        editor = Add(L"Editor", {-50, 0, 750, 600});
        frozen = Add(L"Frozen", {-50, 0, 250, 200}, 2);
        fake.windows.window(frozen).hung = true;
        model.CaptureWindows();
        model.SetLastActiveWindow(frozen);
        fake.journal.Clear();
    }
    int JournalCount(const std::string& prefix) const {
        const auto& calls = fake.journal.calls();
        return static_cast<int>(std::count_if(calls.begin(), calls.end(), [&](const auto& call) {
            return call.rfind(prefix, 0) == 0;
        }));
    }
    bool AnySetWindowPos(WindowHandle window, bool async) const {
        const auto& calls = fake.windows.setWindowPosCalls();
        return std::any_of(calls.begin(), calls.end(), [&](const auto& call) {
            return call.window == window && ((call.flags & kSwpAsyncWindowPos) != 0) == async;
        });
    }
};

struct NotRespondingCase {
    const char* name;
    void (Operations::*run)();
    bool placesWindows;  // false: only SetWindowPos on the last active window
};

TEST_F(NotRespondingTest, EveryOperationHandsTheChangeOverWithoutWaitingAndSaysSo) {
    const NotRespondingCase cases[] = {
        // Tile All last: it changes the rectangles the others rely on.
        {"Minimize All", &Operations::MinimizeAll, true},
        {"Maximize All", &Operations::MaximizeAll, true},
        {"Move Into View", &Operations::MoveIntoView, true},
        {"Set Topmost", &Operations::SetTopmost, false},
        {"Reset Topmost", &Operations::ResetTopmost, false},
        {"Tile All", &Operations::TileAll, true},
    };
    for (const NotRespondingCase& c : cases) {
        SCOPED_TRACE(c.name);
        fake.journal.Clear();
        fake.controls.ListClear(IDC_LB_INFO);
        (operations.*c.run)();
        EXPECT_EQ(JournalCount("Blocked"), 0);
        EXPECT_EQ(JournalCount("SetForegroundWindow Frozen"), 0);
        const auto lines = Lines();
        EXPECT_EQ(std::count(lines.begin(), lines.end(), frozenLine), 1);
        if (c.placesWindows) {
            EXPECT_GE(JournalCount("ShowWindowAsync Frozen"), 1);
            EXPECT_EQ(JournalCount("ShowWindowAsync Editor"), 0);
            EXPECT_GE(JournalCount("ShowWindow Editor"), 1);
        } else {
            EXPECT_TRUE(AnySetWindowPos(frozen, true));
            EXPECT_FALSE(AnySetWindowPos(frozen, false));
        }
    }
}

TEST_F(NotRespondingTest, ApplyPutsAWindowThatDoesNotRespondIntoItsRecordedStateUnactivated) {
    for (unsigned show : {kSwShowNormal, kSwShowMinimized, kSwShowMaximized}) {
        SCOPED_TRACE(show);
        fake.journal.Clear();
        fake.controls.ListClear(IDC_LB_INFO);
        WindowSnapshot snapshot = model.currentSnapshot();
        for (WindowRecord& record : snapshot) {
            record.rcNormalPosition = {10, 20, 310, 220};
            record.showCmd = show;
        }
        operations.ApplySnapshot(snapshot, false);
        EXPECT_EQ(fake.windows.NormalRect(frozen), (Rect{10, 20, 310, 220}));
        EXPECT_EQ(fake.windows.ShowState(frozen), show);
        EXPECT_EQ(fake.windows.NormalRect(editor), (Rect{10, 20, 310, 220}));
        EXPECT_EQ(fake.windows.ShowState(editor), show);
        EXPECT_EQ(JournalCount("Blocked"), 0);
        EXPECT_EQ(JournalCount("SetForegroundWindow Frozen"), 0);
        EXPECT_EQ(Lines(), std::vector<std::wstring>{frozenLine});
    }
}

TEST_F(NotRespondingTest, WhereThePlacementIsRefusedTheWindowIsMovedWithoutWaitingToo) {
    fake.windows.window(frozen).refusesPlacement = true;
    fake.windows.ShowWindowAsync(frozen, kSwShowMaximized);
    EXPECT_TRUE(operations.PlaceWindow(frozen, {200, 150, 900, 650}, kSwShowMinimized));
    EXPECT_EQ(fake.windows.NormalRect(frozen), (Rect{200, 150, 900, 650}));
    EXPECT_EQ(fake.windows.ShowState(frozen), kSwShowMinimized);
    EXPECT_TRUE(AnySetWindowPos(frozen, true));
    EXPECT_FALSE(AnySetWindowPos(frozen, false));
    EXPECT_EQ(JournalCount("Blocked"), 0);
}

TEST_F(NotRespondingTest, OnlyAnotherThreadCountsAsNotResponding) {
    EXPECT_TRUE(IsNotResponding(fake.windows, frozen));
    EXPECT_FALSE(IsNotResponding(fake.windows, editor));
    // The dialog's own thread is the one asking, so it is busy, not hung.
    fake.windows.window(frozen).threadId = testing::FakeWindowManager::kOwnThread;
    EXPECT_FALSE(IsNotResponding(fake.windows, frozen));
}

}  // namespace
}  // namespace tilora
