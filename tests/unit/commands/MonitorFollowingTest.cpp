#include <filesystem>
#include <gtest/gtest.h>

#include "StartedDialogTest.h"
#include "files/PathText.h"
#include "files/TextFile.h"

namespace tilora {
namespace {

class FollowTest : public testing::StartedDialogTest {
  protected:
    static constexpr Rect kLeft{0, 0, 1920, 1080};
    static constexpr Rect kRight{1920, 0, 3200, 1024};
    const std::wstring twoMonitors = L"Desk_2_3200x1080_dde82779.txt";
    const std::wstring oneMonitor = L"Desk_1_1920x1080.txt";
    WindowHandle editor = fake.windows.AddWindow(L"Editor", {2000, 100, 2600, 600});

    FollowTest() { Plug({kLeft, kRight}, false); }
    void Tick() {
        fake.clock.Advance(500);
        dialog.OnTimer();
    }
    // The first tick: the layout, the start-up capture and the start-up report, which is cleared.
    void FirstTick() {
        Tick();
        fake.controls.ListClear(IDC_LB_INFO);
    }
    void Wait(std::uint64_t ms) {
        for (std::uint64_t waited = 0; waited < ms; waited += 500) Tick();
    }
    void Plug(std::vector<Rect> monitors, bool notify = true) {
        fake.windows.SetVirtualScreen({monitors.size() == 1 ? 1920 : 3200, 1080});
        fake.windows.SetMonitors(std::move(monitors));
        if (notify) dialog.OnDisplayChange();
    }
    // As Windows does when a monitor goes: the window is moved before programs are told.
    void Move(WindowHandle window, Rect rect) {
        fake.windows.window(window).rect = ScreenRect(rect);
        fake.windows.window(window).placement.normalPosition = WorkspaceRect(rect);
    }
    std::wstring Path(const std::wstring& name) const {
        return context.paths.arrangementsDir + name;
    }
    // The saved line of the window, from "ltrb: " on.
    std::wstring SavedPlace(const std::wstring& name, const std::wstring& title) const {
        std::vector<std::wstring> lines;
        ReadTextLines(Path(name), lines);
        for (const std::wstring& line : lines) {
            const std::size_t place = line.find(L"ltrb: ");
            if (line.find(L"winName: " + title + L";") != std::wstring::npos) {
                return line.substr(place, line.find(L"; procPath") - place);
            }
        }
        return L"absent";
    }
};

TEST_F(FollowTest, TheDeskIsWrittenAtMostEvery30SecondsWhenItChangedAndAtClosing) {
    FirstTick();
    Wait(30000);
    EXPECT_EQ(SavedPlace(twoMonitors, L"Editor"), L"absent");
    Tick();
    EXPECT_EQ(SavedPlace(twoMonitors, L"Editor"), L"ltrb: 2000/ 100/2600/ 600; winName: Editor");

    std::filesystem::remove(ToPath(Path(twoMonitors)));
    Wait(31000);  // nothing new was captured
    EXPECT_EQ(SavedPlace(twoMonitors, L"Editor"), L"absent");
    Move(editor, {2100, 100, 2600, 600});
    context.model.CaptureWindows();
    Tick();
    EXPECT_EQ(SavedPlace(twoMonitors, L"Editor"), L"ltrb: 2100/ 100/2600/ 600; winName: Editor");

    Move(editor, {2200, 100, 2600, 600});
    context.model.CaptureWindows();
    dialog.OnCancel();
    EXPECT_EQ(SavedPlace(twoMonitors, L"Editor"), L"ltrb: 2200/ 100/2600/ 600; winName: Editor");
    EXPECT_TRUE(Lines().empty());
}

TEST_F(FollowTest, AWindowMovedWhileNothingCapturesReachesTheDeskWithinAWriteInterval) {
    FirstTick();
    Move(editor, {2100, 100, 2600, 600});
    Wait(31000);
    EXPECT_EQ(SavedPlace(twoMonitors, L"Editor"), L"ltrb: 2100/ 100/2600/ 600; winName: Editor");
}

TEST_F(FollowTest, ALayoutThatComesBackGetsTheDeskItHadBeforeItWent) {
    const WindowHandle mail = fake.windows.AddWindow(L"Mail", {2100, 200, 2500, 500});
    FirstTick();
    Move(editor, {100, 100, 700, 600});
    Plug({kLeft});
    // The block: a heading, then the monitor report as Show MonRes writes it.
    const std::vector<std::wstring> block = Lines();
    fake.controls.ListClear(IDC_LB_INFO);
    dialog.OnButtonClicked(IDC_BN_SHOWMONRES);
    EXPECT_EQ(block.front(),
              L"The monitor layout changed (before -> now): " + twoMonitors + L" -> " + oneMonitor);
    const std::vector<std::wstring> report = Lines();
    EXPECT_EQ(std::vector(block.begin() + 1, block.end()),
              std::vector(report.begin() + 1, report.end()));
    // The desk from before the change, not the one Windows left.
    EXPECT_EQ(SavedPlace(twoMonitors, L"Editor"), L"ltrb: 2000/ 100/2600/ 600; winName: Editor");

    // A layout never seen before applies nothing and is remembered from the time it settled.
    Wait(3000);
    fake.windows.CloseWindow(mail);
    context.model.CaptureWindows();
    // Execute waits for a window of its arrangement.
    context.session.pendingArrangementPath = L"C:\\Plan.txt";
    context.session.pendingLines = {L"ltrb: 1/2/3/4; winName: Absent;"};
    context.session.pendingArrangementDue = fake.clock.TickCount() + 10000;
    fake.controls.ListClear(IDC_LB_INFO);
    Plug({kLeft, kRight});
    EXPECT_EQ(SavedPlace(oneMonitor, L"Editor"), L"ltrb:  100/ 100/ 700/ 600; winName: Editor");
    Wait(2000);
    EXPECT_EQ(fake.windows.NormalRect(editor), (Rect{100, 100, 700, 600}));
    Tick();
    EXPECT_EQ(fake.windows.NormalRect(editor), (Rect{2000, 100, 2600, 600}));
    const std::vector<std::wstring> lines = Lines();
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[6],
              L"The arrangement that Execute was waiting for will not be applied, because "
              L"a later action came first: C:\\Plan.txt");
    EXPECT_EQ(lines[7],
              L"The desk remembered for this monitor layout was applied from the "
              L"following file: " +
                  Path(twoMonitors));
    EXPECT_EQ(lines[8].rfind(L" ! The following, file saved window was not found", 0), 0u);
    EXPECT_NE(lines[8].find(L"winName: Mail;"), std::wstring::npos);
}

TEST_F(FollowTest, ALayoutBackWithinTwoSecondsAppliesNothing) {
    FirstTick();
    Plug({kLeft});
    Move(editor, {100, 100, 700, 600});
    Wait(1500);
    Plug({kLeft, kRight});
    Wait(3000);
    EXPECT_EQ(fake.windows.NormalRect(editor), (Rect{100, 100, 700, 600}));
    EXPECT_EQ(Lines().size(), 11u);  // the two blocks
}

TEST_F(FollowTest, WithFollowMonitorsOffOnlyTheChangeIsReported) {
    context.settings.followMonitors = false;
    ASSERT_EQ(WriteTextFile(Path(oneMonitor), L"ltrb: 1/2/3/4; winName: Editor;\n"), 0);
    FirstTick();
    Plug({kLeft});
    Wait(3000);
    dialog.OnCancel();
    EXPECT_EQ(fake.windows.NormalRect(editor), (Rect{2000, 100, 2600, 600}));
    EXPECT_FALSE(std::filesystem::exists(ToPath(Path(twoMonitors))));
    EXPECT_EQ(Lines().size(), 5u);
}

}  // namespace
}  // namespace tilora
