#pragma once

#include <string>
#include <vector>

#include "platform/PlatformTypes.h"

namespace tilora {

// The monitors as a set of rectangles: the order in which the system enumerates them does not
// make another layout.
struct MonitorLayout {
    std::vector<Rect> monitors;  // sorted by left, top, right, bottom

    static MonitorLayout Of(std::vector<Rect> monitors);
    bool empty() const { return monitors.empty(); }
    friend bool operator==(const MonitorLayout&, const MonitorLayout&) = default;
};

// The name of the arrangement file that keeps the desk of the layout: "Desk_", the number of
// monitors, the size of the area they span, ".txt" ("Desk_2_3840x1080.txt"). Number and span pin
// the rectangles down only for equal monitors side by side from the origin, top edges aligned;
// every other layout adds eight hex digits of a hash of its exact rectangles, so two layouts never
// share a name and a layout's name never depends on which others were seen before.
std::wstring DeskFileName(const MonitorLayout& layout);

}  // namespace tilora
