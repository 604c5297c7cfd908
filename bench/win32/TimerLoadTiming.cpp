// Sets the scene for bench/timer-load.sh, which reads the processor time from Linux: 30 notepad
// windows, a tool window of this program (one the capture never takes), and the real Tilora.exe
// with first the tool window and then its own dialog in front. A first phase gives the floor:
// this program's tool window with a 500 ms timer that does nothing, as the dialog's timer ticks.
// Each phase is announced on a line "PHASE <name> <seconds>" and held quietly for that long plus
// a second; the script samples /proc while it lasts. This program itself only waits for messages
// meanwhile, so that it adds next to nothing to the wineserver's time. Wine's GetProcessTimes on
// another process undercounts and leaves out the wineserver, which serves every call the dialog
// makes: read no figures here.
//   tilora_timer_load_timing.exe [SECONDS [PATH\TO\Tilora.exe]]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "DesktopPrograms.h"
#include "TiloraDriver.h"

namespace {

using tilora::win32::testing::DesktopProgram;

constexpr int kNotepads = 30;

// A visible tool window: the capture leaves it out, so the timer never takes it as last active.
HWND MakeToolWindow() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"TiloraTimerLoadTool";
    ::RegisterClassW(&windowClass);
    return ::CreateWindowExW(WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"Tool",
                             WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200, nullptr, nullptr,
                             windowClass.hInstance, nullptr);
}

// Handles this program's messages until the time is up, sleeping while there are none.
void Idle(std::chrono::milliseconds duration) {
    const auto end = std::chrono::steady_clock::now() + duration;
    for (auto now = std::chrono::steady_clock::now(); now < end;
         now = std::chrono::steady_clock::now()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - now);
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left.count()) + 1,
                                    QS_ALLINPUT);
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
    }
}

void Phase(const char* name, HWND expectedInFront, int seconds) {
    Idle(std::chrono::seconds(3));  // the start's and the switch's work is over
    std::printf("PHASE %s %d foreground=%s\n", name, seconds,
                ::GetForegroundWindow() == expectedInFront ? "as-meant" : "OTHER");
    std::fflush(stdout);
    Idle(std::chrono::seconds(seconds + 1));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int seconds = argc > 1 ? std::max(5, _wtoi(argv[1])) : 60;
    const std::optional<std::filesystem::path> exe =
        argc > 2 ? std::optional<std::filesystem::path>(argv[2]) : std::nullopt;

    tilora::e2e::ScratchFolder folder(L"Tilora timer load");
    std::vector<std::unique_ptr<DesktopProgram>> programs;
    while (static_cast<int>(programs.size()) < kNotepads) {
        const std::wstring name = L"load" + std::to_wstring(programs.size()) + L".txt";
        std::ofstream(folder.path() / name) << "x";
        programs.push_back(
            std::make_unique<DesktopProgram>(L"notepad.exe " + name, name, folder.path()));
    }
    const HWND tool = MakeToolWindow();
    ::SetForegroundWindow(tool);
    ::SetTimer(tool, 1, 500, nullptr);
    Phase("bare-timer", tool, seconds);
    ::KillTimer(tool, 1);
    Phase("without-tilora", tool, seconds);
    {
        auto tilora = exe ? std::make_unique<tilora::e2e::TiloraProcess>(folder.path(), *exe)
                          : std::make_unique<tilora::e2e::TiloraProcess>(folder.path());
        tilora->WaitForStartUpReport();
        ::SetForegroundWindow(tool);
        Phase("tool-in-front", tool, seconds);
        ::SetForegroundWindow(tilora->dialog());
        Phase("dialog-in-front", tilora->dialog(), seconds);
        tilora->PressEscape();
        tilora->WaitForExit();
    }
    std::printf("DONE\n");
    std::fflush(stdout);
    ::DestroyWindow(tool);
    return 0;
}
