// Save of an arrangement on a fake desktop of 250 to 4,000 windows, through the SaveAs handler:
// the capture, the formatting, the UTF-16 file written next to the old one and renamed over it,
// and the refreshed file list. Beside it the formatting alone. Both should grow linearly with
// the number of windows: per_window stays flat.
#include <benchmark/benchmark.h>
#include <filesystem>

#include "FakePlatform.h"
#include "commands/ArrangementCommands.h"
#include "commands/CommandContext.h"
#include "files/ArrangementFormat.h"
#include "platform/ControlIds.h"

namespace tilora {
namespace {

void FillDesktop(testing::FakeWindowManager& desktop, int windows) {
    for (int i = 0; i < windows; ++i) {
        const unsigned process = 2000 + static_cast<unsigned>(i % 17);
        desktop.AddProcess(process, {L"Program.EXE", L"C:\\Program Files\\Vendor\\Program.EXE"});
        desktop.AddWindow(L"Document " + std::to_wstring(i) + L" - Program",
                          {i, i, 800 + i, 600 + i}, process);
    }
}

void ReportPerWindow(benchmark::State& state) {
    state.counters["per_window"] = benchmark::Counter(
        static_cast<double>(state.range(0)),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_SaveAs(benchmark::State& state) {
    testing::ScopedWorkingFolder folder("tilora-save-benchmark");
    testing::FakePlatform fake;
    FillDesktop(fake.windows, static_cast<int>(state.range(0)));
    CommandContext context(fake.platform());
    context.catalogue.CopySelectedTables();
    context.paths = AppPaths::Build(folder.path().wstring());
    std::filesystem::create_directories(context.paths.arrangementsDir);
    fake.controls.SetText(IDC_ED_USERINPUT, L"Layout.txt");
    ArrangementCommands arrangements(context);
    for (auto _ : state) arrangements.SaveAs();
    ReportPerWindow(state);
}

void BM_FormatOnly(benchmark::State& state) {
    testing::FakePlatform fake;
    FillDesktop(fake.windows, static_cast<int>(state.range(0)));
    CommandContext context(fake.platform());
    context.catalogue.CopySelectedTables();
    context.model.CaptureWindows();
    const std::wstring trailer = context.catalogue.Message(Msg::ArrangementTrailer);
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatArrangement(context.model.currentSnapshot(), trailer));
    }
    ReportPerWindow(state);
}

BENCHMARK(BM_SaveAs)->Arg(250)->Arg(500)->Arg(1000)->Arg(2000)->Arg(4000)->Unit(
    benchmark::kMillisecond);
BENCHMARK(BM_FormatOnly)
    ->Arg(250)
    ->Arg(500)
    ->Arg(1000)
    ->Arg(2000)
    ->Arg(4000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tilora

BENCHMARK_MAIN();
