// Times a real capture of the desktop under Wine or Windows with 30 notepad windows open, beside
// a bare loop of the enumeration, placement and title calls that any capture must make. Absolute
// times swing with the machine's load, so the two run interleaved, round after round, and the
// ratio of their medians is the figure to compare. Run it by hand:
//   tests/wine/run-in-desktop.sh build/mingw/wineprefix build/mingw/tilora_capture_timing.exe
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <vector>

#include "BareCapture.h"
#include "DesktopPrograms.h"
#include "TimingFigures.h"
#include "platform/win32/Win32SystemLibraries.h"
#include "platform/win32/Win32WindowManager.h"
#include "windows/WindowModel.h"

namespace {

constexpr int kNotepads = 30;
constexpr int kRounds = 9;
constexpr int kRunsPerRound = 10;

}  // namespace

int main() {
    using tilora::timing::BareCapture;
    using tilora::timing::Median;
    using tilora::timing::MillisecondsOf;
    using tilora::timing::Min;
    using tilora::win32::testing::DesktopProgram;
    tilora::win32::testing::TestFolder folder;
    std::vector<std::unique_ptr<DesktopProgram>> programs;
    for (int i = 0; i < kNotepads; ++i) {
        const std::wstring name = L"capture" + std::to_wstring(i) + L".txt";
        std::ofstream(folder.path() / name) << "x";
        programs.push_back(
            std::make_unique<DesktopProgram>(L"notepad.exe " + name, name, folder.path()));
    }

    tilora::win32::Win32SystemLibraries libraries;
    libraries.Load(L"PSAPI.DLL");
    libraries.ResolveEntryPoint(L"PSAPI.DLL", "EnumProcessModules");
    libraries.ResolveEntryPoint(L"PSAPI.DLL", "GetModuleBaseNameW");
    tilora::win32::Win32WindowManager windows(libraries);
    tilora::WindowModel model(windows, L"Tilora v1.09 (b)");

    // The first capture of a run is the only one that reads every process's names.
    const double first = MillisecondsOf([&] { model.CaptureWindows(); });
    const int records = static_cast<int>(model.currentSnapshot().size());
    const std::size_t all = windows.EnumDesktopWindows().size();

    std::vector<double> captures;
    std::vector<double> bares;
    for (int round = 0; round < kRounds; ++round) {
        // One of each in turn, so that a burst of load falls on both alike.
        double capture = 0;
        double bare = 0;
        for (int run = 0; run < kRunsPerRound; ++run) {
            capture += MillisecondsOf([&] { model.CaptureWindows(); });
            bare += MillisecondsOf([] { BareCapture(); });
        }
        captures.push_back(capture / kRunsPerRound);
        bares.push_back(bare / kRunsPerRound);
        std::printf("round %d: capture %.2f ms, bare loop %.2f ms, ratio %.2f\n", round + 1,
                    captures.back(), bares.back(), captures.back() / bares.back());
    }
    std::printf("%d notepads, %zu top-level windows, %d recorded; %d rounds of %d runs each\n",
                kNotepads, all, records, kRounds, kRunsPerRound);
    std::printf("first capture of the run: %.2f ms\n", first);
    std::printf("capture:   min %.2f ms, median %.2f ms\n", Min(captures), Median(captures));
    std::printf("bare loop: min %.2f ms, median %.2f ms\n", Min(bares), Median(bares));
    std::printf("ratio: of minima %.2f, of medians %.2f\n", Min(captures) / Min(bares),
                Median(captures) / Median(bares));
    return 0;
}
