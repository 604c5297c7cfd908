// The dialog's processor time while the foreground window is one the capture never takes (here
// a tool window of this program), so that the timer looks at the desktop on every tick. Starts
// the real Tilora.exe beside 3 and 30 notepad windows and reads its processor time over a minute.
// Run it by hand under Wine:
//   tests/wine/run-in-desktop.sh build/mingw/wineprefix build/mingw/tilora_timer_load_timing.exe
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <thread>
#include <vector>

#include "DesktopPrograms.h"
#include "TiloraDriver.h"

namespace {

using tilora::win32::testing::DesktopProgram;

double CpuSeconds(HANDLE process) {
    FILETIME created{}, exited{}, kernel{}, user{};
    ::GetProcessTimes(process, &created, &exited, &kernel, &user);
    const auto seconds = [](const FILETIME& time) {
        ULARGE_INTEGER value;
        value.LowPart = time.dwLowDateTime;
        value.HighPart = time.dwHighDateTime;
        return static_cast<double>(value.QuadPart) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

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

void Pump(std::chrono::milliseconds duration) {
    const auto end = std::chrono::steady_clock::now() + duration;
    while (std::chrono::steady_clock::now() < end) {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&message);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

}  // namespace

int main() {
    tilora::e2e::ScratchFolder folder(L"Tilora timer load");
    std::vector<std::unique_ptr<DesktopProgram>> programs;
    const HWND tool = MakeToolWindow();
    for (int count : {3, 30}) {
        while (static_cast<int>(programs.size()) < count) {
            const std::wstring name = L"load" + std::to_wstring(programs.size()) + L".txt";
            std::ofstream(folder.path() / name) << "x";
            programs.push_back(
                std::make_unique<DesktopProgram>(L"notepad.exe " + name, name, folder.path()));
        }
        tilora::e2e::TiloraProcess tilora(folder.path());
        tilora.WaitForStartUpReport();
        ::SetForegroundWindow(tool);
        Pump(std::chrono::seconds(2));
        DWORD processId = 0;
        ::GetWindowThreadProcessId(tilora.dialog(), &processId);
        HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
        const double before = CpuSeconds(process);
        const auto start = std::chrono::steady_clock::now();
        Pump(std::chrono::seconds(60));
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const double used = CpuSeconds(process) - before;
        std::printf(
            "%d notepad windows, foreground %s: %.2f s processor time in %.1f s "
            "= %.2f %% of one core\n",
            count, ::GetForegroundWindow() == tool ? "the tool window" : "ANOTHER window", used,
            wall, 100.0 * used / wall);
        std::fflush(stdout);
        ::CloseHandle(process);
        tilora.PressEscape();
        tilora.WaitForExit();
    }
    ::DestroyWindow(tool);
    return 0;
}
