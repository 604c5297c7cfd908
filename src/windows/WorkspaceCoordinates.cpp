#include "windows/WorkspaceCoordinates.h"

#include <optional>

namespace tilora {
namespace {

// How far the work area of the monitor the rectangle lies on starts from that monitor's corner.
Point WorkAreaOffset(const WindowManager& windows, const Rect& rect) {
    const std::optional<MonitorArea> area =
        windows.GetMonitorArea(windows.MonitorFromRect(ScreenRect(rect)));
    if (!area) return {};
    return {area->work.left - area->monitor.left, area->work.top - area->monitor.top};
}

// Coordinates wrap at 32 bits as on Windows, instead of overflowing for a rectangle read from a
// file near the limits.
Rect Shifted(const Rect& rect, Point by) {
    const auto add = [](std::int32_t a, std::int32_t b) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) +
                                         static_cast<std::uint32_t>(b));
    };
    return {add(rect.left, by.x), add(rect.top, by.y), add(rect.right, by.x),
            add(rect.bottom, by.y)};
}

}  // namespace

ScreenRect ToScreen(const WindowManager& windows, const WorkspaceRect& rect) {
    return ScreenRect(Shifted(rect, WorkAreaOffset(windows, rect)));
}

WorkspaceRect ToWorkspace(const WindowManager& windows, const ScreenRect& rect) {
    const Point offset = WorkAreaOffset(windows, rect);
    return WorkspaceRect(Shifted(rect, {-offset.x, -offset.y}));
}

}  // namespace tilora
