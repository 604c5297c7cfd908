#include "windows/ArrangementMatch.h"

#include <algorithm>
#include <optional>

#include "files/ArrangementFormat.h"
#include "windows/WindowModel.h"

namespace tilora {
namespace {

bool AnyWindowTitled(const WindowSnapshot& open, const std::wstring& title) {
    return std::any_of(open.begin(), open.end(),
                       [&](const WindowRecord& record) { return record.winName == title; });
}

// The value after "winName:" ends at the first ";" and before any "#", so titles holding either
// are cut short; the title as the program wrote it is tried only when the short one names no
// open window, so hand-written lines read as they always have.
std::wstring TitleToMatch(const ArrangementLine& parsed, const std::wstring& line,
                          const WindowSnapshot& open) {
    if (!parsed.winName.empty() && AnyWindowTitled(open, parsed.winName)) return parsed.winName;
    std::wstring written = WrittenTitle(line);
    return written.empty() ? parsed.winName : written;
}

// Places the line on the first open window with its title that no earlier line of the file has
// taken, so several windows of one title (a few "Untitled - Notepad") each get their own line.
// A line that cannot place a window is reported once for each window it could have taken.
void MatchLine(const std::wstring& line, const WindowSnapshot& open, std::vector<bool>& taken,
               MatchedArrangement& result) {
    const std::optional<ArrangementLine> parsed = ParseArrangementLine(line);
    if (!parsed) return;
    const std::wstring title = TitleToMatch(*parsed, line, open);

    bool found = false;
    for (std::size_t index = 0; index < open.size(); ++index) {
        const WindowRecord& record = open[index];
        if (taken[index] || record.winName != title) continue;
        found = true;
        if (!parsed->ltrb) {
            result.problems.push_back({line, LineProblem::BadRectangle});
            continue;
        }
        WindowRecord working = record;
        if (parsed->zLevel) working.zLevel = *parsed->zLevel;
        if (parsed->showCmd) working.showCmd = *parsed->showCmd;
        working.rcNormalPosition = *parsed->ltrb;
        result.windows.push_back(working);
        taken[index] = true;
        return;
    }
    // A line whose window is not open changes no window at all.
    if (!found) result.problems.push_back({line, LineProblem::NoOpenWindow});
}

}  // namespace

MatchedArrangement MatchArrangement(const std::vector<std::wstring>& lines,
                                    const WindowSnapshot& open) {
    MatchedArrangement result;
    std::vector<bool> taken(open.size(), false);
    for (const std::wstring& line : lines) MatchLine(line, open, taken, result);
    WindowModel::SortByZLevel(result.windows);
    return result;
}

}  // namespace tilora
