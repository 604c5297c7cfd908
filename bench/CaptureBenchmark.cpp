// The capture's own cost per window on a fake desktop, beside a loop that makes exactly the same
// fake calls and nothing else. The difference is what the capture adds to the system calls.
// The fake answers each call in nanoseconds where Wine takes microseconds to milliseconds, so
// the time alone hides a capture that makes too many calls: each run also reports the platform
// calls per window.
#include <benchmark/benchmark.h>
#include <unordered_set>

#include "FakeWindowManager.h"
#include "windows/WindowModel.h"

namespace tilora {
namespace {

using testing::FakeWindowManager;

// A desktop like a real one: a third of the windows hidden or tool windows, the rest captured.
void FillDesktop(FakeWindowManager& desktop, int windows) {
    for (int i = 0; i < windows; ++i) {
        const unsigned process = 2000 + static_cast<unsigned>(i % 17);
        desktop.AddProcess(process, {L"Program.EXE", L"C:\\Program Files\\Vendor\\Program.EXE"});
        const WindowHandle window = desktop.AddWindow(
            L"Document " + std::to_wstring(i) + L" - Program", {i, i, 800 + i, 600 + i}, process);
        if (i % 3 == 1) desktop.window(window).visible = false;
        if (i % 9 == 2) desktop.window(window).extendedStyle = kWsExToolWindow;
    }
}

void ReportPerWindow(benchmark::State& state, const FakeWindowManager& desktop) {
    const double windows = static_cast<double>(state.range(0));
    state.counters["per_window"] = benchmark::Counter(
        windows, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["calls_per_window"] = static_cast<double>(desktop.platformCalls()) /
                                         (static_cast<double>(state.iterations()) * windows);
}

void BM_CaptureWindows(benchmark::State& state) {
    ::tilora::testing::CallJournal journal;
    FakeWindowManager desktop(journal);
    FillDesktop(desktop, static_cast<int>(state.range(0)));
    WindowModel model(desktop, L"Tilora v1.09 (b)");
    desktop.ResetCallCounts();
    for (auto _ : state) benchmark::DoNotOptimize(model.CaptureWindows());
    ReportPerWindow(state, desktop);
}

// The same fake calls a capture makes once the process names are known, in the same order,
// without building records.
void BM_SameFakeCallsOnly(benchmark::State& state) {
    ::tilora::testing::CallJournal journal;
    FakeWindowManager desktop(journal);
    FillDesktop(desktop, static_cast<int>(state.range(0)));
    desktop.ResetCallCounts();
    std::unordered_set<unsigned> processesChecked;
    for (auto _ : state) {
        processesChecked.clear();
        for (WindowHandle window : desktop.EnumDesktopWindows()) {
            const int length = desktop.WindowTextLength(window);
            if (length == 0 || !desktop.IsWindowVisible(window)) continue;
            const WindowHandle root = desktop.GetRootOwner(window);
            const WindowHandle popup = desktop.GetLastActivePopup(root);
            benchmark::DoNotOptimize(desktop.IsWindowVisible(popup));
            benchmark::DoNotOptimize(desktop.GetTitleBarState(window));
            if ((desktop.GetExtendedStyle(window) & kWsExToolWindow) != 0) continue;
            benchmark::DoNotOptimize(desktop.WindowText(window, length + 1));
            benchmark::DoNotOptimize(desktop.GetWindowPlacement(window));
            const unsigned processId = *desktop.GetWindowProcessId(window);
            if (!processesChecked.insert(processId).second) continue;
            const ProcessHandle process =
                desktop.OpenProcess(processId, ProcessAccess::QueryLimited);
            benchmark::DoNotOptimize(desktop.ProcessCreationTime(process));
            desktop.CloseProcess(process);
        }
    }
    ReportPerWindow(state, desktop);
}

BENCHMARK(BM_CaptureWindows)->Arg(250)->Arg(1000)->Arg(4000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SameFakeCallsOnly)->Arg(250)->Arg(1000)->Arg(4000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tilora

BENCHMARK_MAIN();
