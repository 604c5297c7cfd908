// Times Apply of an arrangement whose lines name no open window, through the real Tilora.exe:
// every line then becomes one log line, so this measures how the log takes many lines at once.
// Usage: tilora_log_timing.exe [line counts...]   (default 3000 20000 100000)
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "TiloraDriver.h"
#include "platform/ControlIds.h"

namespace {

using tilora::e2e::ScratchFolder;
using tilora::e2e::TiloraProcess;
using Clock = std::chrono::steady_clock;

constexpr wchar_t kNotFoundStart[] = L" ! The following, file saved window was not found";

void WriteUnmatchedArrangement(const std::filesystem::path& file, int lines) {
    std::wstring text;
    for (int i = 0; i < lines; ++i) {
        text +=
            L"zLevel:   1; showCmd: 1; size:  400x 300; ltrb:   10/  20/ 410/ 320; winName: "
            L"Absent window " +
            std::to_wstring(i) + L"; procPath: C:\\absent\\absent.exe;\r\n";
    }
    std::string bytes = "\xFF\xFE";
    for (wchar_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>((c >> 8) & 0xFF);
    }
    std::ofstream(file, std::ios::binary) << bytes;
}

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Blocks until the dialog's thread has answered, i.e. until the handler it is in has returned.
LRESULT SendAndWait(HWND window, UINT message) {
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(window, message, 0, 0, SMTO_NORMAL, 30 * 60 * 1000, &result);
    return static_cast<LRESULT>(result);
}

void TimeApply(int lines) {
    ScratchFolder folder(L"Tilora log timing");
    std::filesystem::create_directories(folder.path() / L"_Arrangements");
    WriteUnmatchedArrangement(folder.path() / L"_Arrangements" / L"Unmatched.txt", lines);

    TiloraProcess tilora(folder.path());
    if (tilora.dialog() == nullptr || !tilora.WaitForStartUpReport()) {
        std::printf("%d lines: Tilora did not start\n", lines);
        return;
    }
    const HWND list = ::GetDlgItem(tilora.dialog(), IDC_LB_INFO);
    // A sent click returns once its handler has.
    const Clock::time_point start = Clock::now();
    SendAndWait(::GetDlgItem(tilora.dialog(), IDC_BN_APPLY), BM_CLICK);
    const double applyMs = MillisecondsSince(start);
    const LRESULT count = SendAndWait(list, LB_GETCOUNT);

    const Clock::time_point answerStart = Clock::now();
    SendAndWait(tilora.dialog(), WM_GETTEXTLENGTH);
    const double answerMs = MillisecondsSince(answerStart);

    int notFound = 0;
    for (const std::wstring& line : tilora.LogLines()) {
        if (line.rfind(kNotFoundStart, 0) == 0) ++notFound;
    }
    const Clock::time_point closeStart = Clock::now();
    tilora.PressEscape();
    const bool closed = tilora.WaitForExit(std::chrono::minutes(5));
    const double closeMs = MillisecondsSince(closeStart);
    std::printf(
        "Apply of %d unmatched lines: %.0f ms (%.3f ms per line); log %ld lines, %d not-found "
        "lines; next answer %.1f ms; %s in %.0f ms\n",
        lines, applyMs, applyMs / lines, static_cast<long>(count), notFound, answerMs,
        closed ? "closed" : "NOT closed", closeMs);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<int> counts;
    for (int i = 1; i < argc; ++i) counts.push_back(std::atoi(argv[i]));
    if (counts.empty()) counts = {3000, 20000, 100000};
    for (int lines : counts) TimeApply(lines);
    return 0;
}
