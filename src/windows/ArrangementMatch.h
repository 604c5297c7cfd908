#pragma once

#include <string>
#include <vector>

#include "platform/WindowRecord.h"

namespace tilora {

// Why a line of an arrangement file put no window in place.
enum class LineProblem {
    BadRectangle,  // its window is open, but "ltrb:" does not hold four numbers
    NoOpenWindow,  // no open window has its title, or earlier lines took them all
};

struct LineReport {
    std::wstring line;
    LineProblem problem;
};

struct MatchedArrangement {
    // One record per line whose title names an open window, with the line's values, sorted
    // bottom-most first.
    WindowSnapshot windows;
    // The lines that placed nothing, in the order they were read.
    std::vector<LineReport> problems;
};

// Matches each line of an arrangement file by exact title to the windows open now; each window
// is taken by one line at most, in the snapshot's order.
MatchedArrangement MatchArrangement(const std::vector<std::wstring>& lines,
                                    const WindowSnapshot& open);

}  // namespace tilora
