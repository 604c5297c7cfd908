#include "FakeWindowManager.h"

#include <algorithm>

namespace tilora::testing {

WindowHandle FakeWindowManager::AddWindow(const std::wstring& title, Rect rect,
                                          unsigned processId) {
    const WindowHandle handle = nextHandle_;
    nextHandle_ += 0x10;
    Window window;
    window.title = title;
    window.rect = rect;
    window.placement.showCmd = kSwShowNormal;
    window.placement.normalPosition = rect;
    window.processId = processId;
    windows_[handle] = window;
    zOrder_.insert(zOrder_.begin(), handle);
    zIndexStale_ = true;
    return handle;
}

const FakeWindowManager::Window* FakeWindowManager::Find(WindowHandle handle) const {
    const auto found = windows_.find(handle);
    return found == windows_.end() ? nullptr : &found->second;
}

void FakeWindowManager::IndexZOrder() const {
    if (!zIndexStale_) return;
    zIndex_.clear();
    for (std::size_t i = 0; i < zOrder_.size(); ++i) zIndex_[zOrder_[i]] = i;
    zIndexStale_ = false;
}

void FakeWindowManager::RaiseToTop(WindowHandle handle) {
    zOrder_.erase(std::find(zOrder_.begin(), zOrder_.end(), handle));
    zOrder_.insert(zOrder_.begin(), handle);
    zIndexStale_ = true;
}

std::vector<WindowHandle> FakeWindowManager::EnumDesktopWindows() const {
    return zOrder_;
}

int FakeWindowManager::WindowTextLength(WindowHandle window) const {
    const Window* w = Find(window);
    return w == nullptr ? 0 : static_cast<int>(w->title.size());
}

std::wstring FakeWindowManager::WindowText(WindowHandle window, int capacity) const {
    const Window* w = Find(window);
    if (w == nullptr || w->titleReadsEmpty || capacity <= 1) return std::wstring();
    return w->title.substr(0, static_cast<std::size_t>(capacity - 1));
}

bool FakeWindowManager::IsWindowVisible(WindowHandle window) const {
    const Window* w = Find(window);
    return w != nullptr && w->visible;
}

WindowHandle FakeWindowManager::GetRootOwner(WindowHandle window) const {
    const Window* w = Find(window);
    if (w == nullptr) return kNoWindow;
    WindowHandle root = window;
    for (const Window* owner = w; owner != nullptr && owner->owner != kNoWindow;
         owner = Find(owner->owner)) {
        root = owner->owner;
    }
    return root;
}

WindowHandle FakeWindowManager::GetLastActivePopup(WindowHandle window) const {
    const Window* w = Find(window);
    return w == nullptr || w->lastActivePopup == kNoWindow ? window : w->lastActivePopup;
}

std::optional<unsigned> FakeWindowManager::GetTitleBarState(WindowHandle window) const {
    const Window* w = Find(window);
    if (w == nullptr) return std::nullopt;
    return w->titleBarState;
}

unsigned FakeWindowManager::GetExtendedStyle(WindowHandle window) const {
    const Window* w = Find(window);
    return w == nullptr ? 0 : w->extendedStyle;
}

std::optional<Placement> FakeWindowManager::GetWindowPlacement(WindowHandle window) const {
    const Window* w = Find(window);
    if (w == nullptr || w->vanishes) return std::nullopt;
    return w->placement;
}

std::optional<unsigned> FakeWindowManager::GetWindowProcessId(WindowHandle window) const {
    const Window* w = Find(window);
    if (w == nullptr || w->vanishes) return std::nullopt;
    return w->processId;
}

WindowHandle FakeWindowManager::GetWindowAbove(WindowHandle window) const {
    IndexZOrder();
    const auto found = zIndex_.find(window);
    if (found == zIndex_.end() || found->second == 0) return kNoWindow;
    return zOrder_[found->second - 1];
}

ProcessHandle FakeWindowManager::OpenProcess(unsigned processId) {
    const auto found = processes_.find(processId);
    if (found != processes_.end() && found->second.refusesOpen) return 0;
    const ProcessHandle handle = nextProcessHandle_++;
    openProcesses_[handle] = processId;
    return handle;
}

std::optional<ModuleHandle> FakeWindowManager::EnumFirstProcessModule(ProcessHandle process) const {
    const auto open = openProcesses_.find(process);
    if (open == openProcesses_.end()) return std::nullopt;
    const auto found = processes_.find(open->second);
    if (found == processes_.end() || found->second.moduleUnreadable) return std::nullopt;
    return ModuleHandle{0x140000000};
}

std::optional<std::wstring> FakeWindowManager::ModuleBaseName(ProcessHandle process,
                                                              ModuleHandle) const {
    const auto open = openProcesses_.find(process);
    if (open == openProcesses_.end()) return std::nullopt;
    const auto found = processes_.find(open->second);
    if (found == processes_.end() || found->second.moduleUnreadable) return std::nullopt;
    return found->second.baseName;
}

std::optional<std::wstring> FakeWindowManager::ProcessImagePath(ProcessHandle process) const {
    const auto open = openProcesses_.find(process);
    if (open == openProcesses_.end()) return std::nullopt;
    const auto found = processes_.find(open->second);
    if (found == processes_.end() || found->second.pathUnreadable) return std::nullopt;
    return found->second.imagePath;
}

void FakeWindowManager::CloseProcess(ProcessHandle process) {
    openProcesses_.erase(process);
}

WindowHandle FakeWindowManager::FindWindowByTitle(const std::wstring& title) const {
    for (WindowHandle handle : zOrder_) {
        if (windows_.at(handle).title == title) return handle;
    }
    return kNoWindow;
}

std::optional<Rect> FakeWindowManager::GetWindowRect(WindowHandle window) const {
    const Window* w = Find(window);
    if (w == nullptr) return std::nullopt;
    return w->rect;
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
    target.placement.normalPosition = target.rect;
    if ((flags & kSwpShowWindow) != 0) target.visible = true;
    if ((flags & kSwpNoZOrder) == 0) {
        if (insertAfter == kHwndTopmost) target.topmost = true;
        if (insertAfter == kHwndNoTopmost) target.topmost = false;
        RaiseToTop(window);
    }
    return true;
}

}  // namespace tilora::testing
