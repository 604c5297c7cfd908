// How long the real Tilora.exe stops answering: a click with the log at its bound, the timer's
// 'Mouse Pstn' lines just below, at and just above the bound, Execute of a script of 200 entries,
// and a start with a Settings.txt of 200,000 lines. A second thread sends the dialog a message
// every few milliseconds and keeps the longest wait for its answer. Run it by hand:
//   tests/wine/run-in-desktop.sh build/mingw/wineprefix build/mingw/tilora_block_timing.exe
// Optional argument: the scenarios to run (click ticks script settings), all by default.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "TiloraDriver.h"
#include "platform/ControlIds.h"

namespace {

using tilora::e2e::ScratchFolder;
using tilora::e2e::TiloraProcess;
using Clock = std::chrono::steady_clock;

constexpr int kLogBound = 100000;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

LRESULT SendAndWait(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, 30 * 60 * 1000, &result);
    return static_cast<LRESULT>(result);
}

// Sends the dialog a message every 5 ms from a thread of its own and keeps the longest answer,
// with the log's line count seen right after it.
class AnswerProbe {
  public:
    explicit AnswerProbe(HWND dialog) : dialog_(dialog) {
        thread_ = std::thread([this] { Run(); });
    }
    ~AnswerProbe() { Stop(); }
    AnswerProbe(const AnswerProbe&) = delete;
    AnswerProbe& operator=(const AnswerProbe&) = delete;

    struct Answer {
        double ms;
        int count;
    };
    void Stop() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
    }
    const std::vector<Answer>& answers() const { return answers_; }

  private:
    void Run() {
        const HWND list = ::GetDlgItem(dialog_, IDC_LB_INFO);
        while (!stop_) {
            const Clock::time_point start = Clock::now();
            const int count = static_cast<int>(SendAndWait(list, LB_GETCOUNT));
            answers_.push_back({MillisecondsSince(start), count});
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    HWND dialog_;
    std::atomic<bool> stop_{false};
    std::vector<Answer> answers_;
    std::thread thread_;
};

double Longest(const std::vector<AnswerProbe::Answer>& answers) {
    double longest = 0;
    for (const AnswerProbe::Answer& answer : answers) longest = std::max(longest, answer.ms);
    return longest;
}

std::filesystem::path PreparedFolder(ScratchFolder& scratch) {
    std::filesystem::create_directories(scratch.path() / L"_Arrangements");
    std::filesystem::create_directories(scratch.path() / L"_AppStartScripts");
    std::filesystem::create_directories(scratch.path() / L"_Settings");
    return scratch.path();
}

void ClickAtTheBound() {
    ScratchFolder scratch(L"Tilora block click");
    const std::filesystem::path folder = PreparedFolder(scratch);
    TiloraProcess tilora(folder);
    if (tilora.dialog() == nullptr || !tilora.WaitForStartUpReport()) return;
    const Clock::time_point fillStart = Clock::now();
    tilora.FillLogTo(folder, kLogBound);
    const double fillMs = MillisecondsSince(fillStart);
    const int before = tilora.LogCount();
    const Clock::time_point start = Clock::now();
    SendAndWait(::GetDlgItem(tilora.dialog(), IDC_BN_SHOWMONRES), BM_CLICK);
    const double clickMs = MillisecondsSince(start);
    std::printf(
        "click with the log at %d lines: %.0f ms (log then %d lines; filling it took %.0f "
        "ms)\n",
        before, clickMs, tilora.LogCount(), fillMs);
    std::fflush(stdout);
}

void TicksAroundTheBound() {
    ScratchFolder scratch(L"Tilora block ticks");
    const std::filesystem::path folder = PreparedFolder(scratch);
    TiloraProcess tilora(folder);
    if (tilora.dialog() == nullptr || !tilora.WaitForStartUpReport()) return;
    tilora.FillLogTo(folder, kLogBound - 6);
    SendAndWait(::GetDlgItem(tilora.dialog(), IDC_CK_MOUSE), BM_CLICK);
    AnswerProbe probe(tilora.dialog());
    // The pointer moves between every two ticks, so every tick writes a line.
    for (int step = 0; step < 40; ++step) {
        ::SetCursorPos(200 + step * 7, 300 + step % 2 * 11);
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
    }
    probe.Stop();
    double below = 0, at = 0, above = 0;
    int previous = 0;
    bool crossed = false;
    for (const AnswerProbe::Answer& answer : probe.answers()) {
        if (!crossed && answer.count < previous) {
            crossed = true;
            at = answer.ms;  // the answer that waited for the tick which made room
        } else if (crossed) {
            above = std::max(above, answer.ms);
        } else {
            below = std::max(below, answer.ms);
        }
        previous = answer.count;
    }
    std::printf(
        "'Mouse Pstn' ticks: longest wait just below the bound %.0f ms, at the bound %.0f "
        "ms, just above %.0f ms (%zu answers; log %s, now %d lines)\n",
        below, at, above, probe.answers().size(), crossed ? "made room" : "DID NOT make room",
        tilora.LogCount());
    std::fflush(stdout);
}

// 199 entries start a small program that ends at once; the last names a missing document, so its
// line tells when every entry has been started.
void LongScript() {
    ScratchFolder scratch(L"Tilora block script");
    const std::filesystem::path folder = PreparedFolder(scratch);
    std::string script = ";C:\\windows\\system32\\hostname.exe;\r\n";
    for (int i = 1; i < 199; ++i) script += ";C:\\windows\\system32\\hostname.exe;\r\n";
    script += "C:\\absent\\last.txt;\r\n";
    std::ofstream(folder / L"_AppStartScripts" / L"Long.csv", std::ios::binary) << script;
    TiloraProcess tilora(folder);
    if (tilora.dialog() == nullptr || !tilora.WaitForStartUpReport()) return;
    const int before = tilora.LogCount();
    AnswerProbe probe(tilora.dialog());
    const Clock::time_point start = Clock::now();
    ::PostMessageW(::GetDlgItem(tilora.dialog(), IDC_BN_EXECUTE), BM_CLICK, 0, 0);
    // The button's line, and the line of the last entry.
    tilora::e2e::WaitFor([&] { return tilora.LogCount() >= before + 2; }, std::chrono::minutes(2));
    const double allMs = MillisecondsSince(start);
    probe.Stop();
    std::printf(
        "Execute of 200 entries: longest wait %.0f ms, the last entry's line after %.0f ms "
        "(%d lines)\n",
        Longest(probe.answers()), allMs, tilora.LogCount() - before);
    std::fflush(stdout);
}

void HugeSettings() {
    ScratchFolder scratch(L"Tilora block settings");
    const std::filesystem::path folder = PreparedFolder(scratch);
    std::string settings;
    const char* lines[] = {"Language = English\r\n", "StartPosition = 100,100\r\n",
                           "Topmost = False\r\n", "Minimize = False\r\n"};
    for (int i = 0; i < 200000; ++i) settings += lines[i % 4];
    std::ofstream(folder / L"_Settings" / L"Settings.txt", std::ios::binary) << settings;
    const Clock::time_point start = Clock::now();
    TiloraProcess tilora(folder, std::chrono::minutes(3));
    const double shownMs = MillisecondsSince(start);
    if (tilora.dialog() == nullptr) {
        std::printf("200,000-line Settings.txt: no dialog after %.0f ms\n", shownMs);
        return;
    }
    AnswerProbe probe(tilora.dialog());
    std::this_thread::sleep_for(std::chrono::seconds(5));
    probe.Stop();
    std::printf(
        "200,000-line Settings.txt: dialog shown and labelled after %.0f ms; longest wait "
        "in the next 5 s %.0f ms (log %d lines)\n",
        shownMs, Longest(probe.answers()), tilora.LogCount());
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    auto wanted = [&](const char* name) {
        if (argc < 2) return true;
        for (int i = 1; i < argc; ++i) {
            if (std::strcmp(argv[i], name) == 0) return true;
        }
        return false;
    };
    if (wanted("click")) ClickAtTheBound();
    if (wanted("ticks")) TicksAroundTheBound();
    if (wanted("script")) LongScript();
    if (wanted("settings")) HugeSettings();
    return 0;
}
