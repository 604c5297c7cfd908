// Desks whose taskbar sits at the top or the left of each monitor: placements then measure from
// the work area, every other call from the screen, and each path lands where it should; a
// snapped window comes back where it was snapped.
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

#include "StartedDialogTest.h"
#include "windows/WindowOperations.h"

namespace tilora {
namespace {

struct Desk {
    const char* name;
    std::vector<Rect> monitors;
    Point taskbar;  // how far each monitor's work area starts from its corner
};
void PrintTo(const Desk& desk, std::ostream* out) {
    *out << desk.name;
}

class DeskTest : public testing::StartedDialogTest, public ::testing::WithParamInterface<Desk> {
  protected:
    void SetUp() override {
        const Desk& desk = GetParam();
        fake.windows.SetMonitors(desk.monitors);
        for (std::size_t i = 0; i < desk.monitors.size(); ++i) {
            const Rect& m = desk.monitors[i];
            fake.windows.SetWorkArea(
                i, {m.left + desk.taskbar.x, m.top + desk.taskbar.y, m.right, m.bottom});
        }
        fake.windows.SetVirtualScreen({desk.monitors.back().right, 1080});
        Start();
    }
    // On the last monitor, in screen coordinates.
    Rect OnLastMonitor(int x, int y) const {
        const Rect& m = GetParam().monitors.back();
        return {m.left + x, m.top + y, m.left + x + 600, m.top + y + 400};
    }
    Rect ScreenRect(WindowHandle window) const { return *fake.windows.GetWindowRect(window); }
    void Command(int command) { ChooseCommandEntry(CommandEntry(command)); }
    void MoveByHand(WindowHandle window) {
        fake.windows.SetWindowPos(window, kHwndTop, 5, 70, 300, 200, kSwpNoZOrder);
    }
};

TEST_P(DeskTest, EveryPathLandsWhereItsRectangleSaysOnTheScreen) {
    const WindowHandle placed = fake.windows.AddWindow(L"Placed", OnLastMonitor(100, 100));
    const WindowHandle byHand = fake.windows.AddWindow(L"By hand", OnLastMonitor(200, 150));
    fake.windows.window(byHand).refusesPlacement = true;
    // Snapped: its placement still tells where it was before.
    const WindowHandle snapped = fake.windows.AddWindow(L"Snapped", OnLastMonitor(650, 0));
    fake.windows.window(snapped).arranged = true;
    fake.windows.window(snapped).placement.normalPosition = {300, 300, 700, 600};
    dialog.OnTimer();  // the restore point
    fake.controls.UserTypes(IDC_ED_USERINPUT, L"Desk");
    dialog.OnButtonClicked(IDC_BN_SAVEAS);
    fake.windows.window(snapped).arranged = false;
    for (const int button : {IDC_BN_APPLY, IDC_BN_STARTARRANG}) {
        for (WindowHandle window : {placed, byHand, snapped}) MoveByHand(window);
        dialog.OnButtonClicked(button);
        EXPECT_EQ(ScreenRect(placed), OnLastMonitor(100, 100)) << button;
        EXPECT_EQ(ScreenRect(byHand), OnLastMonitor(200, 150)) << button;
        EXPECT_EQ(ScreenRect(snapped), OnLastMonitor(650, 0)) << button;
    }

    // Beside the taskbar is in view; partly left of the screen is not, and goes to the corner of
    // the work area.
    const Point bar = GetParam().taskbar;
    const Rect edge{10, 10, 410, 310};
    const WindowHandle atEdge = fake.windows.AddWindow(L"At the edge", edge);
    const WindowHandle lost = fake.windows.AddWindow(L"Lost", {-300, 100, 300, 500});
    fake.windows.window(lost).refusesPlacement = true;
    Command(9);
    EXPECT_EQ(ScreenRect(atEdge), edge);
    EXPECT_EQ(ScreenRect(lost), (Rect{bar.x, bar.y, bar.x + 600, bar.y + 400}));

    // 'Top' returns the dialog to where the latest capture saw it, command 28 to its start
    // position.
    MoveByHand(own);
    fake.controls.UserSetsCheck(IDC_CK_TOP, true);
    dialog.OnButtonClicked(IDC_CK_TOP);
    EXPECT_EQ(ScreenRect(own), (Rect{0, 0, 449, 405}));
    MoveByHand(own);
    Command(28);
    EXPECT_EQ(ScreenRect(own), (Rect{0, 0, 459, 450}));

    dialog.OnButtonClicked(IDC_BN_TILEALL);
    const Rect& monitor = GetParam().monitors.front();
    EXPECT_EQ(ScreenRect(placed), TileSlot(0, 0, 0, monitor.Width(), monitor.Height()));
    EXPECT_EQ(ScreenRect(byHand), TileSlot(1, 0, 0, monitor.Width(), monitor.Height()));

    // Minimised, the dialog is stored where it was shown last, on the screen.
    fake.windows.ShowWindow(own, kSwShowNormal);
    fake.windows.SetWindowPos(own, kHwndTop, 70, 80, 0, 0, kSwpNoSize | kSwpNoZOrder);
    fake.windows.ShowWindow(own, kSwShowMinimized);
    dialog.OnCancel();
    std::ifstream settings(folder.path() / "_Settings" / "Settings.txt", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(settings), {}};
    EXPECT_NE(bytes.find("StartPosition = 70,80\r\n"), std::string::npos) << bytes;
}

const Desk kDesks[] = {
    {"TopOneMonitor", {{0, 0, 1920, 1080}}, {0, 40}},
    {"LeftOneMonitor", {{0, 0, 1920, 1080}}, {60, 0}},
    {"TopTwoMonitors", {{0, 0, 1920, 1080}, {1920, 0, 3200, 1024}}, {0, 40}},
    {"LeftTwoMonitors", {{0, 0, 1920, 1080}, {1920, 0, 3200, 1024}}, {60, 0}},
};
INSTANTIATE_TEST_SUITE_P(Desks, DeskTest, ::testing::ValuesIn(kDesks),
                         [](const auto& desk) { return std::string(desk.param.name); });

}  // namespace
}  // namespace tilora
