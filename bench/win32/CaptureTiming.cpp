// Times one real capture of the desktop under Wine or Windows, beside a bare loop of the same
// Win32 calls. Run it on a desktop with a few windows open; it opens two notepads and WineMine.
#include <windows.h>

#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <vector>

#include "DesktopPrograms.h"
#include "platform/win32/Win32SystemLibraries.h"
#include "platform/win32/Win32WindowManager.h"
#include "windows/WindowModel.h"

namespace {

using Clock = std::chrono::steady_clock;

BOOL CALLBACK Collect(HWND window, LPARAM parameter) {
    reinterpret_cast<std::vector<HWND>*>(parameter)->push_back(window);
    return TRUE;
}

// The Win32 calls a capture makes, straight, without the core around them.
int BareCapture() {
    std::vector<HWND> windows;
    ::EnumDesktopWindows(::GetThreadDesktop(::GetCurrentThreadId()), Collect,
                         reinterpret_cast<LPARAM>(&windows));
    int recorded = 0;
    for (HWND window : windows) {
        const int length = ::GetWindowTextLengthW(window);
        if (length == 0 || !::IsWindowVisible(window)) continue;
        HWND walk = ::GetAncestor(window, GA_ROOTOWNER);
        const HWND popup = ::GetLastActivePopup(walk);
        if (!::IsWindowVisible(popup) && popup != walk) continue;
        TITLEBARINFO titleBar{};
        titleBar.cbSize = sizeof(titleBar);
        ::GetTitleBarInfo(window, &titleBar);
        if ((::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0) continue;
        std::vector<wchar_t> title(static_cast<std::size_t>(length) + 1);
        ::GetWindowTextW(window, title.data(), length + 1);
        WINDOWPLACEMENT placement{};
        placement.length = sizeof(placement);
        ::GetWindowPlacement(window, &placement);
        DWORD processId = 0;
        ::GetWindowThreadProcessId(window, &processId);
        const HANDLE process =
            ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
        if (process != nullptr) {
            HMODULE module = nullptr;
            DWORD needed = 0;
            wchar_t name[260];
            if (::EnumProcessModules(process, &module, sizeof(module), &needed)) {
                ::GetModuleBaseNameW(process, module, name, 260);
            }
            DWORD size = 260;
            ::QueryFullProcessImageNameW(process, 0, name, &size);
            ::CloseHandle(process);
        }
        for (HWND above = ::GetWindow(window, GW_HWNDPREV); above != nullptr;
             above = ::GetWindow(above, GW_HWNDPREV)) {
        }
        ++recorded;
    }
    return recorded;
}

template <typename Work>
double MicrosecondsPerRun(int runs, Work work) {
    const auto start = Clock::now();
    for (int i = 0; i < runs; ++i) work();
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / runs;
}

}  // namespace

int main() {
    using tilora::win32::testing::DesktopProgram;
    DesktopProgram first(L"notepad.exe", L"Notepad");
    DesktopProgram second(L"notepad.exe", L"Notepad");
    DesktopProgram mine(L"winemine.exe", L"WineMine");

    tilora::win32::Win32SystemLibraries libraries;
    libraries.Load(L"PSAPI.DLL");
    libraries.ResolveEntryPoint(L"PSAPI.DLL", "EnumProcessModules");
    libraries.ResolveEntryPoint(L"PSAPI.DLL", "GetModuleBaseNameW");
    tilora::win32::Win32WindowManager windows(libraries);
    tilora::WindowModel model(windows, L"Tilora v1.09 (b)");

    const int runs = 200;
    const int records = model.CaptureWindows();
    const std::size_t all = windows.EnumDesktopWindows().size();
    for (int round = 0; round < 3; ++round) {
        const double capture = MicrosecondsPerRun(runs, [&] { model.CaptureWindows(); });
        const double bare = MicrosecondsPerRun(runs, [] { BareCapture(); });
        std::printf(
            "top-level windows %zu, recorded %d: capture %.1f us, bare Win32 loop %.1f us, "
            "ratio %.2f, core's share per recorded window %.2f us\n",
            all, records, capture, bare, capture / bare, (capture - bare) / records);
    }
    return 0;
}
