// An arrangement file, line by line and as a whole, matched against a small fixed desktop: two
// windows of one title, a title holding ";" and "#", a title beyond the 8-bit code page.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <tuple>

#include "FuzzInput.h"
#include "files/ArrangementFormat.h"
#include "windows/ArrangementMatch.h"

using namespace tilora;

namespace {

constexpr wchar_t kTrailer[] = L"; ltrb = left/top/right/bottom coordinates";

WindowRecord Window(WindowHandle hwnd, const wchar_t* title, std::int32_t zLevel,
                    std::uint32_t showCmd, Rect rect) {
    WindowRecord record;
    record.hwnd = hwnd;
    record.winName = title;
    record.procName = L"app.exe";
    record.procPath = L"C:\\Apps\\app.exe";
    record.procID = static_cast<std::uint32_t>(hwnd) + 1000;
    record.zLevel = zLevel;
    record.showCmd = showCmd;
    record.rcNormalPosition = rect;
    return record;
}

const WindowSnapshot& OpenWindows() {
    static const WindowSnapshot open = {
        Window(0x101, L"Untitled - Notepad", 4, 1, {10, 10, 500, 400}),
        Window(0x102, L"Untitled - Notepad", 3, 2, {20, 20, 520, 420}),
        Window(0x103, L"Editor", 2, 3, {0, 0, 800, 600}),
        Window(0x104, L"a;b # c", 1, 1, {-8, -8, 1928, 1048}),
        Window(0x105, L"Inbox \u2014 Mail \U0001F4E7", 0, 1, {100, 100, 200, 200}),
    };
    return open;
}

using Placement = std::tuple<std::wstring, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                             std::int32_t, std::uint32_t>;

std::vector<Placement> Placements(const WindowSnapshot& windows) {
    std::vector<Placement> placements;
    for (const WindowRecord& w : windows) {
        const Rect& r = w.rcNormalPosition;
        placements.emplace_back(w.winName, r.left, r.top, r.right, r.bottom, w.zLevel, w.showCmd);
    }
    std::sort(placements.begin(), placements.end());
    return placements;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::wstring> lines = fuzz::FileLines(data, size);
    const WindowSnapshot& open = OpenWindows();

    std::size_t namingLines = 0;
    for (const std::wstring& line : lines) {
        const std::optional<ArrangementLine> parsed = ParseArrangementLine(line);
        if (!parsed) continue;
        ++namingLines;
        TILORA_FUZZ_CHECK(!parsed->winName.empty() || !WrittenTitle(line).empty());
    }

    const MatchedArrangement matched = MatchArrangement(lines, open);
    // Each window is taken once at most, and each line naming a window places it or is reported.
    TILORA_FUZZ_CHECK(matched.windows.size() <= open.size());
    TILORA_FUZZ_CHECK(matched.windows.size() + matched.problems.size() >= namingLines);
    for (std::size_t i = 0; i < matched.windows.size(); ++i) {
        for (std::size_t j = i + 1; j < matched.windows.size(); ++j) {
            TILORA_FUZZ_CHECK(matched.windows[i].hwnd != matched.windows[j].hwnd);
        }
        if (i > 0) TILORA_FUZZ_CHECK(matched.windows[i - 1].zLevel >= matched.windows[i].zLevel);
    }

    // What was read and written again reads back the same. Show commands past the 32-bit signed
    // range are read at its end, so those are left out of this comparison.
    WindowSnapshot comparable;
    for (const WindowRecord& w : matched.windows) {
        if (w.showCmd <= 0x7FFFFFFFu) comparable.push_back(w);
    }
    const std::vector<std::wstring> written =
        fuzz::SplitAtLineFeeds(FormatArrangement(comparable, kTrailer));
    const MatchedArrangement reread = MatchArrangement(written, open);
    TILORA_FUZZ_CHECK(reread.problems.empty());
    TILORA_FUZZ_CHECK(Placements(reread.windows) == Placements(comparable));
    return 0;
}
