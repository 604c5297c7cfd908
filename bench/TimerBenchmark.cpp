// One timer tick's foreground check while the foreground window is one the capture never takes
// (a tool window), on fake desktops of 30 and 1,000 windows. The first tick captures the desktop;
// every later one looks at the tool window alone, so the time per tick no longer grows with the
// desktop. Two ticks a second: the processor share of one core is 2 x the time per tick.
#include <benchmark/benchmark.h>

#include "FakePlatform.h"
#include "commands/CommandContext.h"
#include "commands/TimerWork.h"

namespace tilora {
namespace {

void BM_TickWithToolWindowInFront(benchmark::State& state) {
    testing::FakePlatform fake;
    for (int i = 0; i < state.range(0); ++i) {
        const unsigned process = 2000 + static_cast<unsigned>(i % 17);
        fake.windows.AddProcess(process, {L"Program.EXE", L"C:\\Program Files\\Program.EXE"});
        fake.windows.AddWindow(L"Document " + std::to_wstring(i), {i, i, 800 + i, 600 + i},
                               process);
    }
    const WindowHandle tool = fake.windows.AddWindow(L"Tool", {0, 0, 100, 100});
    fake.windows.window(tool).extendedStyle = kWsExToolWindow;
    fake.windows.SetForeground(tool);
    CommandContext context(fake.platform());
    TimerWork timer(context);
    for (auto _ : state) timer.FollowForegroundWindow();
    state.SetLabel("foreground not taken");
}
BENCHMARK(BM_TickWithToolWindowInFront)->Arg(30)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tilora

BENCHMARK_MAIN();
