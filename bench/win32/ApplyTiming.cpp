// Times Apply of an arrangement of 3, 10 and 30 real windows under Wine or Windows: the file is
// read, the windows captured and matched, and each window placed, shown and activated in turn.
// Beside it, in the same rounds, the baseline: one bare SetWindowPos per window to the same
// place. It also checks every rectangle and the stacking after each Apply, and prints what each
// kind of call cost per window. Run it by hand:
//   tests/wine/run-in-desktop.sh build/mingw/wineprefix build/mingw/tilora_apply_timing.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "DesktopPrograms.h"
#include "TimingCore.h"
#include "TimingFigures.h"
#include "files/ArrangementFormat.h"
#include "files/TextFile.h"
#include "platform/win32/Win32WindowManager.h"

namespace {

using namespace tilora;
using timing::MillisecondsOf;
using win32::testing::DesktopProgram;

constexpr int kRounds = 5;
constexpr int kCounts[] = {3, 10, 30};

// The real window manager, with the number and time of the calls that change windows or read
// them back.
class TimedWindowManager : public win32::Win32WindowManager {
  public:
    struct Cost {
        int calls = 0;
        double ms = 0;
    };
    using Win32WindowManager::Win32WindowManager;

    std::map<std::string, Cost>& costs() const { return costs_; }

  private:
    // Declared before the overrides, which deduce their result from it.
    template <typename Call>
    auto Timed(const std::string& name, Call call) const {
        Cost& cost = costs_[name];
        ++cost.calls;
        const auto start = std::chrono::steady_clock::now();
        auto result = call();
        cost.ms +=
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        return result;
    }
    mutable std::map<std::string, Cost> costs_;

  public:
    std::vector<WindowHandle> EnumDesktopWindows() const override {
        return Timed("EnumDesktopWindows",
                     [&] { return Win32WindowManager::EnumDesktopWindows(); });
    }
    std::optional<Placement> GetWindowPlacement(WindowHandle window) const override {
        return Timed("GetWindowPlacement",
                     [&] { return Win32WindowManager::GetWindowPlacement(window); });
    }
    bool SetWindowPlacement(WindowHandle window, const Placement& placement) override {
        return Timed("SetWindowPlacement",
                     [&] { return Win32WindowManager::SetWindowPlacement(window, placement); });
    }
    bool ShowWindow(WindowHandle window, unsigned showCommand) override {
        return Timed("ShowWindow " + std::to_string(showCommand),
                     [&] { return Win32WindowManager::ShowWindow(window, showCommand); });
    }
    bool SetForegroundWindow(WindowHandle window) override {
        return Timed("SetForegroundWindow",
                     [&] { return Win32WindowManager::SetForegroundWindow(window); });
    }
    bool SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx, int cy,
                      unsigned flags) override {
        return Timed("SetWindowPos", [&] {
            return Win32WindowManager::SetWindowPos(window, insertAfter, x, y, cx, cy, flags);
        });
    }
};

using Core = timing::TimingCore<TimedWindowManager>;

RECT Slot(int i) {
    const int x = 20 + (i % 6) * 150;
    const int y = 20 + (i / 6) * 90;
    return {x, y, x + 500, y + 300};
}

void Raise(HWND window) {
    ::SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

BOOL CALLBACK Collect(HWND window, LPARAM parameter) {
    reinterpret_cast<std::vector<HWND>*>(parameter)->push_back(window);
    return TRUE;
}

class Desk {
  public:
    explicit Desk(const std::filesystem::path& folder) {
        for (int i = 0; i < kCounts[std::size(kCounts) - 1]; ++i) {
            const std::wstring name = L"doc" + std::to_wstring(i) + L".txt";
            std::ofstream(folder / name) << "x";
            programs_.push_back(
                std::make_unique<DesktopProgram>(L"notepad.exe " + name, name, folder));
        }
    }
    HWND window(int i) const { return programs_[static_cast<std::size_t>(i)]->window(); }

    // The records of the first count windows: the arrangement holds only these.
    WindowSnapshot OwnRecords(const WindowSnapshot& snapshot, int count) const {
        WindowSnapshot own;
        for (const WindowRecord& record : snapshot) {
            for (int i = 0; i < count; ++i) {
                if (record.hwnd == reinterpret_cast<WindowHandle>(window(i))) own.push_back(record);
            }
        }
        return own;
    }

    // The first count windows in their slots, window 0 on top.
    void Arrange(int count) const {
        for (int i = 0; i < count; ++i) programs_[static_cast<std::size_t>(i)]->PlaceAt(Slot(i));
        for (int i = count - 1; i >= 0; --i) Raise(window(i));
    }
    // The same windows each in another's slot, stacked the other way round.
    void Disarrange(int count) const {
        for (int i = 0; i < count; ++i)
            programs_[static_cast<std::size_t>(i)]->PlaceAt(Slot(count - 1 - i));
        for (int i = 0; i < count; ++i) Raise(window(i));
    }
    int Misplaced(int count) const {
        int misplaced = 0;
        for (int i = 0; i < count; ++i) {
            const RECT want = Slot(i);
            const RECT now = win32::testing::WindowRect(window(i));
            if (now.left != want.left || now.top != want.top || now.right != want.right ||
                now.bottom != want.bottom) {
                ++misplaced;
            }
        }
        return misplaced;
    }
    // Pairs of neighbours (i above i + 1 wanted) found the wrong way round.
    int OutOfStacking(int count) const {
        std::vector<HWND> topFirst;
        ::EnumWindows(Collect, reinterpret_cast<LPARAM>(&topFirst));
        auto depth = [&](HWND window) {
            return std::find(topFirst.begin(), topFirst.end(), window) - topFirst.begin();
        };
        int wrong = 0;
        for (int i = 0; i + 1 < count; ++i) {
            if (depth(window(i)) > depth(window(i + 1))) ++wrong;
        }
        return wrong;
    }

  private:
    std::vector<std::unique_ptr<DesktopProgram>> programs_;
};

}  // namespace

int main() {
    win32::testing::TestFolder folder;
    Core core(folder.path());
    const Desk desk(folder.path());
    const std::wstring path = folder.path().wstring() + L"\\arrangement.txt";

    std::map<int, std::vector<double>> applies;  // ms per window, by window count
    std::map<int, std::vector<double>> bares;
    std::map<int, std::map<std::string, TimedWindowManager::Cost>> costs;
    int misplaced = 0;
    int outOfStacking = 0;
    for (int round = 0; round < kRounds; ++round) {
        for (int count : kCounts) {
            desk.Arrange(count);
            core.context.model.CaptureWindows();
            WriteTextFile(path, FormatArrangement(
                                    desk.OwnRecords(core.context.model.currentSnapshot(), count),
                                    core.context.catalogue.Message(Msg::ArrangementTrailer)));
            desk.Disarrange(count);
            core.windows.costs().clear();
            const double apply =
                MillisecondsOf([&] { core.arrangements.ApplyArrangementFile(path); });
            for (const auto& [name, cost] : core.windows.costs()) {
                costs[count][name].calls += cost.calls;
                costs[count][name].ms += cost.ms;
            }
            ::Sleep(300);  // let every program handle what it was sent before looking
            const int wrongPlaces = desk.Misplaced(count);
            const int wrongStacking = desk.OutOfStacking(count);
            misplaced += wrongPlaces;
            outOfStacking += wrongStacking;

            desk.Disarrange(count);
            const double bare = MillisecondsOf([&] {
                for (int i = 0; i < count; ++i) {
                    const RECT r = Slot(i);
                    ::SetWindowPos(desk.window(i), nullptr, r.left, r.top, r.right - r.left,
                                   r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
                }
            });
            applies[count].push_back(apply / count);
            bares[count].push_back(bare / count);
            std::printf(
                "round %d, %2d windows: Apply %.1f ms per window (%d misplaced, %d pairs "
                "out of stacking), bare SetWindowPos %.2f ms per window\n",
                round + 1, count, applies[count].back(), wrongPlaces, wrongStacking,
                bares[count].back());
        }
    }
    std::printf("\n%d rounds; after every Apply: %d windows misplaced, %d pairs out of stacking\n",
                kRounds, misplaced, outOfStacking);
    for (int count : kCounts) {
        const std::string what = "Apply per window, " + std::to_string(count) + " windows";
        timing::PrintBeside(what.c_str(), applies[count], bares[count]);
    }
    for (int count : kCounts) {
        std::printf("\nwhere the time of Apply goes, %d windows (per window, mean of %d rounds):\n",
                    count, kRounds);
        for (const auto& [name, cost] : costs[count]) {
            const double windows = static_cast<double>(count) * kRounds;
            std::printf("  %-22s %5.2f calls %7.2f ms\n", name.c_str(), cost.calls / windows,
                        cost.ms / windows);
        }
    }
    return 0;
}
