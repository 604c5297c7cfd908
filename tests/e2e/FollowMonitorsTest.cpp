// The real Tilora.exe on a desktop of two monitors (1920 x 1080 and 1280 x 1024 to its right),
// which the test e2e_monitors starts: the right monitor goes and comes back.
#include <algorithm>
#include <fstream>
#include <iterator>

#include "DesktopPrograms.h"
#include "TiloraTest.h"
#include "platform/ControlIds.h"

namespace tilora::e2e {
namespace {

using win32::testing::DesktopProgram;
using win32::testing::WindowRect;

constexpr wchar_t kTwoMonitors[] = L"Desk_2_3200x1080_dde82779.txt";

std::string Tail(const std::vector<std::wstring>& lines, std::size_t from) {
    std::string text;
    for (std::size_t at = from; at < lines.size(); ++at) {
        text += "\n  " + std::string(lines[at].begin(), lines[at].end()).substr(0, 160);
    }
    return text;
}

class TwoMonitors : public TiloraTest {
  protected:
    void SetUp() override {
        if (::GetSystemMetrics(SM_CMONITORS) != 2) {
            GTEST_SKIP() << "needs the desktop of two monitors: ctest -R e2e_monitors";
        }
        TiloraTest::SetUp();
        ASSERT_NE(notepad.window(), nullptr);
    }
    DesktopProgram notepad{L"notepad.exe", L"Notepad"};
};

TEST_F(TwoMonitors, TheDeskOfTheLayoutComesBackWithTheLayout) {
    const RECT onTheRight{2000, 100, 2600, 600};
    ASSERT_TRUE(notepad.PlaceAt(onTheRight));
    const std::size_t before = tilora.LogLines().size();
    tilora.ChooseCommandEntry(2);  // a capture that sees it there
    ASSERT_TRUE(ChangeMonitors(L"--delmonitor Right", 1));

    const auto lines = tilora.WaitForLogLines(before + 1);
    const auto heading = std::find_if(lines.begin() + before, lines.end(), [](const auto& line) {
        return line.rfind(L"The monitor layout changed", 0) == 0;
    });
    ASSERT_NE(heading, lines.end());
    EXPECT_EQ(*heading, L"The monitor layout changed (before -> now): " +
                            std::wstring(kTwoMonitors) + L" -> Desk_1_1920x1080.txt");
    ASSERT_GE(std::distance(heading, lines.end()), 5);
    EXPECT_EQ(heading[1], L"Virtual Desktop Width: 1920, Virtual Desktop Height: 1080");
    EXPECT_EQ(heading[4], L"Monitor 1 - Width: 1920, Height: 1080");
    // UTF-16 of ASCII text: every second byte after the mark.
    std::ifstream saved(folder.path() / L"_Arrangements" / kTwoMonitors, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(saved), {}};
    std::string text;
    for (std::size_t at = 2; at < bytes.size(); at += 2) text += bytes[at];
    EXPECT_NE(text.find("ltrb: 2000/ 100/2600/ 600; winName: Untitled - Notepad;"),
              std::string::npos);

    // Moved meanwhile, as Windows moves the windows of a monitor that went; the layout of one
    // monitor settles (a layout back within 2 s would bring nothing back).
    ASSERT_TRUE(notepad.PlaceAt({100, 100, 700, 600}));
    ::Sleep(4000);
    ASSERT_TRUE(ChangeMonitors(L"--setmonitor Right 1280/339x1024/271+1920+0 none", 2));
    EXPECT_TRUE(WaitFor([&] { return WindowRect(notepad.window()).left == onTheRight.left; }))
        << Tail(tilora.LogLines(), before);
    const RECT back = WindowRect(notepad.window());
    EXPECT_EQ(back.top, onTheRight.top);
    EXPECT_EQ(back.right, onTheRight.right);
    EXPECT_EQ(back.bottom, onTheRight.bottom);
    const auto all = tilora.LogLines();
    const std::wstring applied =
        L"The desk remembered for this monitor layout was applied from the "
        L"following file: ";
    EXPECT_TRUE(std::any_of(all.begin() + before, all.end(), [&](const std::wstring& line) {
        return line.rfind(applied, 0) == 0 &&
               line.ends_with(L"\\_Arrangements\\" + std::wstring(kTwoMonitors));
    }));
}

}  // namespace
}  // namespace tilora::e2e
