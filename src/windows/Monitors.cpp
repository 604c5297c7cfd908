#include "windows/Monitors.h"

namespace tilora {

Monitors::Monitors(const WindowManager& windows) : windows_(windows) {}

std::int32_t Monitors::MonitorTable(int key) const {
    const auto found = table_.find(key);
    return found == table_.end() ? 0 : found->second;
}

void Monitors::RefreshVirtualScreen() {
    const Size size = windows_.VirtualScreenSize();
    virtualScreenWidth_ = size.width;
    virtualScreenHeight_ = size.height;
    virtualScreenOrigin_ = windows_.VirtualScreenOrigin();
}

void Monitors::Refresh() {
    RefreshVirtualScreen();
    monitorCount_ = 0;
    found_ = windows_.EnumDisplayMonitors();
    for (const Rect& monitor : found_) {
        const int base = 10 * ++monitorCount_;
        table_[base + Left] = monitor.left;
        table_[base + Top] = monitor.top;
        table_[base + Right] = monitor.right;
        table_[base + Bottom] = monitor.bottom;
        table_[base + Width] = monitor.Width();
        table_[base + Height] = monitor.Height();
    }
}

}  // namespace tilora
