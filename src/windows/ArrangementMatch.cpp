#include "windows/ArrangementMatch.h"

#include <optional>

#include "files/ArrangementFormat.h"
#include "windows/WindowModel.h"

namespace tilora {
namespace {

// The record of the first open window with the line's title that the line can place; the line
// is reported once for each window with that title it cannot place.
void MatchLine(const std::wstring& line, const WindowSnapshot& open, MatchedArrangement& result) {
    const std::optional<ArrangementLine> parsed = ParseArrangementLine(line);
    if (!parsed) return;

    bool found = false;
    for (const WindowRecord& record : open) {
        if (record.winName != parsed->winName) continue;
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
        return;
    }
    // A line whose window is not open changes no window at all.
    if (!found) result.problems.push_back({line, LineProblem::NoOpenWindow});
}

}  // namespace

MatchedArrangement MatchArrangement(const std::vector<std::wstring>& lines,
                                    const WindowSnapshot& open) {
    MatchedArrangement result;
    for (const std::wstring& line : lines) MatchLine(line, open, result);
    WindowModel::SortByZLevel(result.windows);
    return result;
}

}  // namespace tilora
