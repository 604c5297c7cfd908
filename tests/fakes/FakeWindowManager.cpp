#include "FakeWindowManager.h"

#include <algorithm>

namespace tilora::testing {

WindowHandle FakeWindowManager::AddWindow(const std::wstring& title, Rect rect) {
    const WindowHandle handle = nextHandle_;
    nextHandle_ += 0x10;
    windows_[handle] = Window{title, rect};
    zOrder_.insert(zOrder_.begin(), handle);
    return handle;
}

WindowHandle FakeWindowManager::FindWindowByTitle(const std::wstring& title) const {
    for (WindowHandle handle : zOrder_) {
        if (windows_.at(handle).title == title) return handle;
    }
    return kNoWindow;
}

std::optional<Rect> FakeWindowManager::GetWindowRect(WindowHandle window) const {
    const auto found = windows_.find(window);
    if (found == windows_.end()) return std::nullopt;
    return found->second.rect;
}

bool FakeWindowManager::SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y,
                                     int cx, int cy, unsigned flags) {
    journal_.Add("SetWindowPos");
    setWindowPosCalls_.push_back({window, insertAfter, x, y, cx, cy, flags});
    const auto found = windows_.find(window);
    if (found == windows_.end()) return false;
    Window& target = found->second;
    if ((flags & kSwpNoMove) == 0) {
        const int width = target.rect.Width();
        const int height = target.rect.Height();
        target.rect = {x, y, x + width, y + height};
    }
    if ((flags & kSwpNoSize) == 0) {
        target.rect.right = target.rect.left + cx;
        target.rect.bottom = target.rect.top + cy;
    }
    if ((flags & kSwpShowWindow) != 0) target.visible = true;
    if ((flags & kSwpNoZOrder) == 0) {
        if (insertAfter == kHwndTopmost) target.topmost = true;
        if (insertAfter == kHwndNoTopmost) target.topmost = false;
        zOrder_.erase(std::find(zOrder_.begin(), zOrder_.end(), window));
        zOrder_.insert(zOrder_.begin(), window);
    }
    return true;
}

}  // namespace tilora::testing
