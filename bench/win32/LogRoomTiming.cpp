// Times the ways a full log can make room, on a list box of the dialog's style holding 100,000
// lines: each drops the 10,000 oldest, and every kept line must still read back with LB_GETTEXT.
// Beside them, the baseline of adding the 10,000 lines the room is made for. Run it by hand:
//   tests/wine/run-in-desktop.sh build/mingw/wineprefix build/mingw/tilora_log_room_timing.exe
// Optional arguments: rounds (default 3), and "slow" to include deleting line by line with the
// box painting, which takes up to a minute a round.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "TimingFigures.h"

namespace {

using tilora::timing::MillisecondsOf;

constexpr int kFull = 100000;
constexpr int kDropped = 10000;
constexpr int kKept = kFull - kDropped;

LRESULT Send(HWND list, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return ::SendMessageW(list, message, wParam, lParam);
}

// The lines the log holds: the mouse position lines of a long run, and now and then a window line.
std::wstring LineText(int number) {
    if (number % 7 == 0) {
        return L"The new last active window is: Untitled - Notepad " + std::to_wstring(number) +
               L" - a title long enough to be like the ones on a real desk";
    }
    return L"Mouse position: x=" + std::to_wstring(number % 1920) + L"; y=" +
           std::to_wstring(number % 1080) + L" #" + std::to_wstring(number);
}

class LogBox {
  public:
    explicit LogBox(DWORD extraStyle) {
        frame_ = ::CreateWindowExW(0, L"STATIC", L"Log room timing", WS_OVERLAPPEDWINDOW, 100, 100,
                                   640, 400, nullptr, nullptr, nullptr, nullptr);
        list_ = ::CreateWindowExW(0, L"LISTBOX", L"",
                                  WS_CHILD | WS_VISIBLE | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                                      WS_VSCROLL | WS_HSCROLL | WS_BORDER | extraStyle,
                                  4, 4, 600, 340, frame_, nullptr, nullptr, nullptr);
        Send(list_, LB_SETHORIZONTALEXTENT, 2000);
        ::ShowWindow(frame_, SW_SHOWNORMAL);
        Pump();
    }
    ~LogBox() { ::DestroyWindow(frame_); }
    LogBox(const LogBox&) = delete;
    LogBox& operator=(const LogBox&) = delete;

    HWND list() const { return list_; }
    int Count() const { return static_cast<int>(Send(list_, LB_GETCOUNT)); }

    // Adds lines as the log does: one at a time, scrolled to, or held back while painting is off.
    void Add(int count, bool painting) {
        if (!painting) Send(list_, WM_SETREDRAW, FALSE);
        for (int i = 0; i < count; ++i) {
            const std::wstring line = LineText(next_++);
            const LRESULT index =
                Send(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
            if (painting) Send(list_, LB_SETTOPINDEX, static_cast<WPARAM>(index));
        }
        if (!painting) Redraw();
    }
    void FillTo(int count) {
        if (Count() < count) Add(count - Count(), false);
    }
    // The number the line at index 0 was made from.
    int FirstNumber() const { return next_ - Count(); }

    void Redraw() {
        Send(list_, WM_SETREDRAW, TRUE);
        ::RedrawWindow(list_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE);
        Send(list_, LB_SETTOPINDEX, static_cast<WPARAM>(Count() - 1));
        Pump();
    }

    std::wstring Line(int index) const {
        const LRESULT length = Send(list_, LB_GETTEXTLEN, static_cast<WPARAM>(index));
        if (length == LB_ERR || length <= 0) return L"<unreadable>";
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        const LRESULT copied = Send(list_, LB_GETTEXT, static_cast<WPARAM>(index),
                                    reinterpret_cast<LPARAM>(text.data()));
        if (copied == LB_ERR) return L"<unreadable>";
        text.resize(static_cast<std::size_t>(copied));
        return text;
    }
    // Whether the box holds exactly the newest kKept lines, each readable.
    bool HoldsTheNewest() const {
        if (Count() != kKept) return false;
        const int first = next_ - kKept;
        for (int i = 0; i < kKept; ++i) {
            if (Line(i) != LineText(first + i)) return false;
        }
        return true;
    }

    static void Pump() {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }

  private:
    HWND frame_ = nullptr;
    HWND list_ = nullptr;
    int next_ = 0;
};

void DeleteFirstOneByOne(LogBox& box, bool painting) {
    if (!painting) Send(box.list(), WM_SETREDRAW, FALSE);
    for (int i = 0; i < kDropped; ++i) Send(box.list(), LB_DELETESTRING, 0);
    if (!painting) box.Redraw();
}

void DeleteNewestOfTheOldFirst(LogBox& box) {
    Send(box.list(), WM_SETREDRAW, FALSE);
    for (int i = kDropped - 1; i >= 0; --i)
        Send(box.list(), LB_DELETESTRING, static_cast<WPARAM>(i));
    box.Redraw();
}

// Reads the kept lines back, empties the box and adds them again with painting off; with
// initStorage the box is told first how many lines and bytes are coming.
void Rebuild(LogBox& box, bool initStorage) {
    const HWND list = box.list();
    std::vector<std::wstring> kept;
    kept.reserve(kKept);
    std::size_t characters = 0;
    for (int i = kDropped; i < kFull; ++i) {
        kept.push_back(box.Line(i));
        characters += kept.back().size() + 1;
    }
    Send(list, WM_SETREDRAW, FALSE);
    Send(list, LB_RESETCONTENT);
    if (initStorage) {
        Send(list, LB_INITSTORAGE, static_cast<WPARAM>(kept.size()),
             static_cast<LPARAM>(characters * sizeof(wchar_t)));
    }
    for (const std::wstring& line : kept) {
        Send(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
    box.Redraw();
}

struct Candidate {
    Candidate(const char* what, std::function<void(LogBox&)> how)
        : name(what), makeRoom(std::move(how)) {}
    const char* name;
    std::function<void(LogBox&)> makeRoom;
    std::vector<double> ms;
    bool readable = true;
};

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 3;
    const bool slow = argc > 2 && std::strcmp(argv[2], "slow") == 0;

    std::vector<Candidate> candidates;
    if (slow) {
        candidates.emplace_back("delete line 0, 10,000 times, painting",
                                [](LogBox& box) { DeleteFirstOneByOne(box, true); });
    }
    candidates.emplace_back("delete line 0, 10,000 times, painting off",
                            [](LogBox& box) { DeleteFirstOneByOne(box, false); });
    candidates.emplace_back("delete lines 9,999 down to 0, painting off",
                            [](LogBox& box) { DeleteNewestOfTheOldFirst(box); });
    candidates.emplace_back("rebuild from LB_GETTEXT, painting off",
                            [](LogBox& box) { Rebuild(box, false); });
    candidates.emplace_back("rebuild from LB_GETTEXT with LB_INITSTORAGE, painting off",
                            [](LogBox& box) { Rebuild(box, true); });

    std::vector<double> addHeldBack;
    LogBox box(0);
    for (int round = 0; round < rounds; ++round) {
        for (Candidate& candidate : candidates) {
            box.FillTo(kFull);
            candidate.ms.push_back(MillisecondsOf([&] { candidate.makeRoom(box); }));
            if (round == 0) candidate.readable = box.HoldsTheNewest();
            addHeldBack.push_back(MillisecondsOf([&] { box.Add(kDropped, false); }));
        }
        std::printf("round %d done\n", round + 1);
        std::fflush(stdout);
    }
    for (const Candidate& candidate : candidates) {
        tilora::timing::PrintBeside(candidate.name, candidate.ms, addHeldBack);
        std::printf("    every kept line read back with LB_GETTEXT: %s\n",
                    candidate.readable ? "yes" : "NO");
    }
    // The timer's lines come one at a time: added with painting off, scrolled to, painted once.
    for (int size : {1000, kKept}) {
        Send(box.list(), LB_RESETCONTENT);
        box.Add(size, false);
        const double heldBack = MillisecondsOf([&] {
            for (int i = 0; i < 100; ++i) box.Add(1, false);
        });
        const double painted = MillisecondsOf([&] { box.Add(100, true); });
        std::printf(
            "one line at %d lines, added with painting off, scrolled to and painted: "
            "%.2f ms; added and scrolled to with the box painting: %.2f ms\n",
            size, heldBack / 100, painted / 100);
    }

    // A list box without strings of its own keeps only a count: making room is one message, but
    // LB_GETTEXT has nothing to give (screen readers and the tests read the log that way).
    LogBox virtualBox(LBS_NODATA | LBS_OWNERDRAWFIXED);
    Send(virtualBox.list(), LB_SETCOUNT, kFull);
    const double setCount = MillisecondsOf([&] { Send(virtualBox.list(), LB_SETCOUNT, kKept); });
    wchar_t buffer[64] = {};
    const LRESULT read = Send(virtualBox.list(), LB_GETTEXT, 0, reinterpret_cast<LPARAM>(buffer));
    std::printf(
        "owner-data box (LBS_NODATA): LB_SETCOUNT to %d lines %.2f ms; LB_GETTEXT gives "
        "%ld\n",
        kKept, setCount, static_cast<long>(read));
    return 0;
}
