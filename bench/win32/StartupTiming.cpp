// Times the start of the real Tilora.exe until its dialog is visible, painted and idle, beside
// the start of Wine's notepad until its window is visible and idle, taking turns over 30 rounds
// (single starts swing by 2x on a loaded 2-core machine). A second Tilora.exe, for example an
// older build, takes its turn in the same rounds when given. Run it by hand under Wine (Tilora.exe
// is found beside this program):
//   tests/wine/run-in-desktop.sh build/mingw/wineprefix build/mingw/tilora_startup_timing.exe
//       [ROUNDS [Z:\path\to\other\Tilora.exe]]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "BareCapture.h"
#include "TiloraDriver.h"
#include "TimingFigures.h"

namespace {

constexpr int kRounds = 30;
constexpr int kCommandBox = 1010;

// Polls often, so that the polling adds little to what it measures.
bool PollUntil(const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// Starts the program, waits until the window is visible, ready (as ready says) and handles a
// message, and gives the milliseconds that took; negative when it did not get there. Ends the
// program afterwards.
double StartUntilIdle(const std::wstring& exe, const std::filesystem::path& folder,
                      const std::function<bool(HWND)>& ready) {
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    const auto start = std::chrono::steady_clock::now();
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.wstring().c_str(), &startup, &process)) {
        return -1;
    }
    HWND window = nullptr;
    const bool shown = PollUntil([&] {
        const std::vector<HWND> windows = tilora::timing::VisibleWindowsOf(process.dwProcessId);
        window = windows.empty() ? nullptr : windows.front();
        return window != nullptr && ready(window);
    });
    DWORD_PTR result = 0;
    const bool idle =
        shown && ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &result) != 0;
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    ::TerminateProcess(process.hProcess, 0);
    ::WaitForSingleObject(process.hProcess, 10000);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    ::Sleep(300);  // Wine removes the windows of an ended process a little later
    return idle ? ms : -1;
}

std::wstring OwnFolder() {
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    return std::filesystem::path(self).parent_path().wstring();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int rounds = argc > 1 ? std::max(1, _wtoi(argv[1])) : kRounds;
    const std::wstring other = argc > 2 ? argv[2] : L"";
    tilora::e2e::ScratchFolder folder(L"Tilora start-up");
    const std::wstring tilora = OwnFolder() + L"\\Tilora.exe";
    // The dialog is painted for the first time when its command box is filled.
    const auto tiloraReady = [](HWND dialog) {
        HWND commands = ::GetDlgItem(dialog, kCommandBox);
        DWORD_PTR count = 0;
        return commands != nullptr &&
               ::SendMessageTimeoutW(commands, CB_GETCOUNT, 0, 0, SMTO_NORMAL, 1000, &count) != 0 &&
               count > 0 && count != static_cast<DWORD_PTR>(CB_ERR);
    };
    const auto anyWindow = [](HWND) { return true; };

    // One start of each before counting: the first start of a run loads from a cold cache.
    StartUntilIdle(tilora, folder.path(), tiloraReady);
    if (!other.empty()) StartUntilIdle(other, folder.path(), tiloraReady);
    StartUntilIdle(L"notepad.exe", folder.path(), anyWindow);
    std::vector<double> tiloras, others, notepads, ratios, otherRatios;
    for (int round = 0; round < rounds; ++round) {
        tiloras.push_back(StartUntilIdle(tilora, folder.path(), tiloraReady));
        if (!other.empty()) others.push_back(StartUntilIdle(other, folder.path(), tiloraReady));
        notepads.push_back(StartUntilIdle(L"notepad.exe", folder.path(), anyWindow));
        ratios.push_back(tiloras.back() / notepads.back());
        std::printf("round %d: Tilora %.1f ms, notepad %.1f ms, ratio %.2f", round + 1,
                    tiloras.back(), notepads.back(), ratios.back());
        if (!other.empty()) {
            otherRatios.push_back(others.back() / notepads.back());
            std::printf("; other Tilora %.1f ms, ratio %.2f", others.back(), otherRatios.back());
        }
        std::printf("\n");
        std::fflush(stdout);
    }
    using tilora::timing::PrintSpread;
    PrintSpread("Tilora start-up", tiloras);
    PrintSpread("notepad start-up", notepads);
    PrintSpread("Tilora / notepad, round by round", ratios, "x");
    tilora::timing::PrintBeside("Tilora beside notepad", tiloras, notepads);
    if (!other.empty()) {
        PrintSpread("other Tilora start-up", others);
        PrintSpread("other Tilora / notepad, round by round", otherRatios, "x");
        tilora::timing::PrintBeside("other Tilora beside notepad", others, notepads);
    }
    return 0;
}
