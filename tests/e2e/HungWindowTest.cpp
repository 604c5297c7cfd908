// A window whose program has stopped answering, open beside the real Tilora.exe: Apply, the bulk
// buttons and a capture each come back, the dialog keeps answering, and the window is reported.
#include <chrono>
#include <cstdio>

#include "DesktopPrograms.h"
#include "HungWindow.h"
#include "TiloraTest.h"
#include "platform/ControlIds.h"

namespace tilora::e2e {
namespace {

using win32::testing::DesktopProgram;
using win32::testing::HungWindowCommandLine;
using win32::testing::kHungWindowTitle;
using win32::testing::kStopAnswering;

using Clock = std::chrono::steady_clock;

constexpr UINT kActionTimeoutMs = 15000;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Whether the window answers a message within a second.
bool AnswersWithinASecond(HWND window) {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &result) != 0;
}

class HungWindow : public TiloraTest {
  protected:
    DesktopProgram program{HungWindowCommandLine(kHungWindowTitle), kHungWindowTitle};

    // Clicks the button and waits for its handler to return; the milliseconds it took, or a
    // negative number when it did not return in time.
    double TimedClick(int controlId) const {
        const Clock::time_point start = Clock::now();
        DWORD_PTR result = 0;
        const LRESULT sent =
            ::SendMessageTimeoutW(::GetDlgItem(tilora.dialog(), controlId), BM_CLICK, 0, 0,
                                  SMTO_NORMAL, kActionTimeoutMs, &result);
        return sent != 0 ? MillisecondsSince(start) : -1.0;
    }
    // Chooses the entry and waits for a line that starts with the text; the milliseconds until
    // it came, or a negative number when it did not come in time.
    double TimedCommand(int entry, const std::wstring& line) const {
        const std::size_t before = tilora.LogLines().size();
        const Clock::time_point start = Clock::now();
        tilora.ChooseCommandEntry(entry);
        const bool came = WaitFor(
            [&] {
                const auto lines = tilora.LogLines();
                return std::any_of(lines.begin() + static_cast<std::ptrdiff_t>(before), lines.end(),
                                   [&](const std::wstring& l) { return l.rfind(line, 0) == 0; });
            },
            std::chrono::milliseconds(kActionTimeoutMs));
        return came ? MillisecondsSince(start) : -1.0;
    }
    int NotRespondingLines(std::size_t from) const {
        const std::wstring begin = L" ! Window name: " + std::wstring(kHungWindowTitle) + L" [";
        const std::wstring end =
            L"] does not respond: the change was handed to its program "
            L"without waiting for it, and the window was not brought to "
            L"the foreground.";
        const auto lines = tilora.LogLines();
        int found = 0;
        for (std::size_t i = from; i < lines.size(); ++i) {
            const std::wstring& line = lines[i];
            if (line.rfind(begin, 0) == 0 && line.size() >= end.size() &&
                line.compare(line.size() - end.size(), end.size(), end) == 0) {
                ++found;
            }
        }
        return found;
    }
};

TEST_F(HungWindow, ApplyTheBulkButtonsAndACaptureDoNotWaitForIt) {
    ASSERT_NE(program.window(), nullptr);
    // Saved while it still answers, so that the arrangement names it.
    tilora.SetText(IDC_ED_USERINPUT, L"with-hung-window");
    tilora.Click(IDC_BN_SAVEAS);
    ASSERT_EQ(tilora.ComboItem(IDC_CB_ARRANGEMENT, tilora.ComboSelection(IDC_CB_ARRANGEMENT)),
              L"with-hung-window.txt");

    ::PostMessageW(program.window(), kStopAnswering, 0, 0);
    const Clock::time_point stopped = Clock::now();
    ASSERT_TRUE(WaitFor([&] { return ::IsHungAppWindow(program.window()) != FALSE; },
                        std::chrono::seconds(30)));
    std::printf("IsHungAppWindow reported the window hung %.0f ms after it stopped\n",
                MillisecondsSince(stopped));

    struct Action {
        const char* name;
        int button;
        bool reports;  // acts on the window, so says that it does not respond
    };
    const Action actions[] = {
        {"Apply", IDC_BN_APPLY, true},
        {"Minimize All", IDC_BN_MINIMIZEALL, true},
        {"Maximize All", IDC_BN_MAXIMIZEALL, true},
        {"Tile All", IDC_BN_TILEALL, true},
        {"SaveAs (a capture)", IDC_BN_SAVEAS, false},
    };
    for (const Action& action : actions) {
        SCOPED_TRACE(action.name);
        const std::size_t before = tilora.LogLines().size();
        const double took = TimedClick(action.button);
        ASSERT_GE(took, 0.0) << "the dialog did not come back";
        std::printf("%-20s returned after %6.0f ms\n", action.name, took);
        EXPECT_TRUE(AnswersWithinASecond(tilora.dialog()));
        if (action.reports) {
            EXPECT_EQ(NotRespondingLines(before), 1);
        }
    }
    // Command 2 captures and lists every window, the one that does not answer among them.
    const double listed = TimedCommand(2, L"Window name: " + std::wstring(kHungWindowTitle) + L";");
    EXPECT_GE(listed, 0.0) << "the window was not listed";
    std::printf("%-20s listed it after %6.0f ms\n", "List all windows", listed);
    EXPECT_TRUE(AnswersWithinASecond(tilora.dialog()));
    std::fflush(stdout);
}

}  // namespace
}  // namespace tilora::e2e
