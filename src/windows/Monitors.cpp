#include "windows/Monitors.h"

#include <string>

namespace tilora {

Monitors::Monitors(const WindowManager& windows, const MessageCatalogue& catalogue, InfoLog& log)
    : windows_(windows), catalogue_(catalogue), log_(log) {}

std::int32_t Monitors::MonitorTable(int key) const {
    const auto found = table_.find(key);
    return found == table_.end() ? 0 : found->second;
}

void Monitors::RefreshVirtualScreen() {
    const Size size = windows_.VirtualScreenSize();
    virtualScreenWidth_ = size.width;
    virtualScreenHeight_ = size.height;
}

void Monitors::ReportMonitors() {
    RefreshVirtualScreen();
    monitorCount_ = 0;
    for (const Rect& monitor : windows_.EnumDisplayMonitors()) {
        const int base = 10 * ++monitorCount_;
        table_[base + Left] = monitor.left;
        table_[base + Top] = monitor.top;
        table_[base + Right] = monitor.right;
        table_[base + Bottom] = monitor.bottom;
        table_[base + Width] = monitor.Width();
        table_[base + Height] = monitor.Height();
    }

    const std::wstring& virtualDesktop = catalogue_.Message(msg::VirtualDesktop);
    const std::wstring& width = catalogue_.Message(msg::Width);
    const std::wstring& height = catalogue_.Message(msg::Height);
    const std::wstring& monitorText = catalogue_.Message(msg::Monitor);
    log_.AppendInfo(virtualDesktop + L" " + width + L": " + std::to_wstring(virtualScreenWidth_) +
                    L", " + virtualDesktop + L" " + height + L": " +
                    std::to_wstring(virtualScreenHeight_));
    log_.AppendInfo(catalogue_.Message(msg::NumberOfMonitors) + std::to_wstring(monitorCount_));
    log_.AppendInfo(monitorText + L" " + catalogue_.Message(msg::Properties) + L": ");
    for (int n = 1; n <= monitorCount_; ++n) {
        log_.AppendInfo(monitorText + L" " + std::to_wstring(n) + L" - " + width + L": " +
                        std::to_wstring(Value(n, Width)) + L", " + height + L": " +
                        std::to_wstring(Value(n, Height)));
    }
}

}  // namespace tilora
