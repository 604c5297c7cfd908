#include "FakeWindowManager.h"

#include <algorithm>
#include <numeric>

namespace tilora::testing {
namespace {

// Coordinates are 32-bit on Windows and wrap there; near the limits a plain sum would overflow.
std::int32_t WrappingSum(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

}  // namespace

WindowHandle FakeWindowManager::AddWindow(const std::wstring& title, Rect rect,
                                          unsigned processId) {
    const WindowHandle handle = nextHandle_;
    nextHandle_ += 0x10;
    return AddWindowReusing(handle, title, rect, processId);
}

WindowHandle FakeWindowManager::AddWindowReusing(WindowHandle handle, const std::wstring& title,
                                                 Rect rect, unsigned processId) {
    Window window;
    window.title = title;
    window.rect = ScreenRect(rect);
    window.placement.showCmd = kSwShowNormal;
    window.placement.normalPosition = WorkspaceOf(window.rect);
    window.processId = processId;
    window.dpi = DpiAt(rect);
    windows_[handle] = window;
    zOrder_.insert(zOrder_.begin(), handle);
    return handle;
}

long FakeWindowManager::platformCalls() const {
    return std::accumulate(callCounts_.begin(), callCounts_.end(), 0L);
}

const FakeWindowManager::Window* FakeWindowManager::Find(WindowHandle handle) const {
    const auto found = windows_.find(handle);
    return found == windows_.end() ? nullptr : &found->second;
}

bool FakeWindowManager::Blocks(const char* call, WindowHandle window) const {
    const Window* w = Find(window);
    if (w == nullptr || !w->hung) return false;
    journal_.Add(std::string("Blocked ") + call + " " + Name(window));
    return true;
}

std::string FakeWindowManager::Name(WindowHandle handle) const {
    const Window* w = Find(handle);
    return w == nullptr ? "?" : std::string(w->title.begin(), w->title.end());
}

void FakeWindowManager::CloseWindow(WindowHandle window) {
    windows_.erase(window);
    zOrder_.erase(std::find(zOrder_.begin(), zOrder_.end(), window));
    if (foreground_ == window) foreground_ = kNoWindow;
    if (lateRepaint_ == window) lateRepaint_ = kNoWindow;
}

bool FakeWindowManager::Refuses(const Window& target) {
    lastError_ = target.refusesWithCode;
    return target.refusesWithCode != 0;
}

bool FakeWindowManager::SetWindowPlacement(WindowHandle window, const Placement& placement) {
    Count(Method::SetWindowPlacement);
    journal_.Add("SetWindowPlacement " + Name(window));
    lastError_ = 0;
    const auto found = windows_.find(window);
    if (found == windows_.end()) {
        lastError_ = kErrorInvalidWindowHandle;
        return false;
    }
    // Like Wine for other processes' windows: refused, and no code set.
    if (Refuses(found->second) || found->second.refusesPlacement) return false;
    if ((placement.flags & kWpfAsyncWindowPlacement) == 0 && Blocks("SetWindowPlacement", window))
        return false;
    Window& target = found->second;
    // Like Wine, the placement cannot take back a pending restore to maximised.
    const unsigned keptFlags = target.placement.flags & kWpfRestoreToMaximized;
    const WorkspaceRect keptNormal = target.placement.normalPosition;
    target.placement = placement;
    target.placement.flags |= keptFlags;
    if (target.keepsItsPlace) target.placement.normalPosition = keptNormal;
    if (placement.showCmd == kSwShowNormal) ShowNormalAtPlacement(target);
    return true;
}

bool FakeWindowManager::ShowWindow(WindowHandle window, unsigned showCommand) {
    Count(Method::ShowWindow);
    journal_.Add("ShowWindow " + Name(window) + " " + std::to_string(showCommand));
    if (Find(window) == nullptr || Blocks("ShowWindow", window)) return false;
    return Show(window, showCommand);
}

bool FakeWindowManager::Show(WindowHandle window, unsigned showCommand) {
    const auto found = windows_.find(window);
    if (Refuses(found->second)) return false;
    if (found->second.closesWhenShown) {
        CloseWindow(window);
        return false;
    }
    Window& target = found->second;
    const bool wasVisible = target.visible;
    switch (showCommand) {
        case kSwHide:
            target.visible = false;
            return wasVisible;
        case kSwShowMinimized:
        case kSwMinimize:
        case kSwShowMinNoActive:
            // Minimising a maximised window remembers to maximise it again when restored.
            if (target.placement.showCmd == kSwShowMaximized) {
                target.placement.flags |= kWpfRestoreToMaximized;
            } else if (target.placement.showCmd == kSwShowNormal) {
                target.placement.flags &= ~kWpfRestoreToMaximized;
            }
            target.placement.showCmd = kSwShowMinimized;
            target.rect = {-32000, -32000, -31840, -31976};
            break;
        case kSwShowMaximized: {
            // Onto the work area of the monitor the window is on.
            const int monitor = MonitorIndex(ScreenOf(target.placement.normalPosition));
            target.placement.showCmd = kSwShowMaximized;
            target.rect = monitor < 0 ? ScreenRect{} : monitors_[monitor].work;
            break;
        }
        case kSwShowNormal:
        case kSwShowNoActivate:
        case kSwRestore:
            // As Wine does: restoring a minimised window honours the flag, a maximised one goes
            // normal.
            if (target.placement.showCmd == kSwShowMinimized &&
                (target.placement.flags & kWpfRestoreToMaximized) != 0) {
                const int monitor = MonitorIndex(ScreenOf(target.placement.normalPosition));
                target.placement.showCmd = kSwShowMaximized;
                target.rect = monitor < 0 ? ScreenRect{} : monitors_[monitor].work;
                break;
            }
            if (target.placement.showCmd == kSwShowMinimized && target.repaintsLate) {
                target.repaintsLate = false;
                lateRepaint_ = window;
            }
            target.placement.showCmd = kSwShowNormal;
            ShowNormalAtPlacement(target);
            break;
        default:
            break;
    }
    target.visible = true;
    return wasVisible;
}

bool FakeWindowManager::ShowWindowAsync(WindowHandle window, unsigned showCommand) {
    Count(Method::Other);
    journal_.Add("ShowWindowAsync " + Name(window) + " " + std::to_string(showCommand));
    if (Find(window) == nullptr) return false;
    // The fake carries the request out at once, as the window's thread will once it answers.
    Show(window, showCommand);
    return true;
}

bool FakeWindowManager::SetForegroundWindow(WindowHandle window) {
    Count(Method::SetForegroundWindow);
    journal_.Add("SetForegroundWindow " + Name(window));
    const auto found = windows_.find(window);
    if (found == windows_.end() || found->second.refusesForeground ||
        found->second.refusesWithCode != 0)
        return false;
    RaiseToTop(window);
    foreground_ = window;
    if (lateRepaint_ != kNoWindow && lateRepaint_ != window) {
        RaiseToTop(lateRepaint_);
        lateRepaint_ = kNoWindow;
    }
    return true;
}

void FakeWindowManager::RaiseToTop(WindowHandle handle) {
    zOrder_.erase(std::find(zOrder_.begin(), zOrder_.end(), handle));
    auto place = zOrder_.begin();
    if (!windows_.at(handle).topmost) {
        while (place != zOrder_.end() && windows_.at(*place).topmost) ++place;
    }
    zOrder_.insert(place, handle);
}

std::vector<WindowHandle> FakeWindowManager::EnumDesktopWindows() const {
    Count(Method::EnumDesktopWindows);
    return zOrder_;
}

int FakeWindowManager::WindowTextLength(WindowHandle window) const {
    Count(Method::WindowTextLength);
    if (Blocks("WindowTextLength", window)) return 0;
    const Window* w = Find(window);
    return w == nullptr ? 0 : static_cast<int>(w->title.size());
}

std::wstring FakeWindowManager::WindowText(WindowHandle window, int capacity) const {
    Count(Method::WindowText);
    if (Blocks("WindowText", window)) return std::wstring();
    const Window* w = Find(window);
    if (w == nullptr || w->titleReadsEmpty || capacity <= 1) return std::wstring();
    return w->title.substr(0, static_cast<std::size_t>(capacity - 1));
}

std::wstring FakeWindowManager::InternalWindowText(WindowHandle window, int capacity) const {
    Count(Method::InternalWindowText);
    const Window* w = Find(window);
    if (w == nullptr || capacity <= 1) return std::wstring();
    return w->title.substr(0, static_cast<std::size_t>(capacity - 1));
}

bool FakeWindowManager::IsHungAppWindow(WindowHandle window) const {
    Count(Method::IsHungAppWindow);
    const Window* w = Find(window);
    return w != nullptr && w->hung;
}

std::optional<unsigned> FakeWindowManager::GetWindowThreadId(WindowHandle window) const {
    Count(Method::Other);
    const Window* w = Find(window);
    if (w == nullptr) return std::nullopt;
    return w->threadId;
}

bool FakeWindowManager::IsWindowVisible(WindowHandle window) const {
    Count(Method::IsWindowVisible);
    const Window* w = Find(window);
    return w != nullptr && w->visible;
}

WindowHandle FakeWindowManager::GetRootOwner(WindowHandle window) const {
    Count(Method::GetRootOwner);
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
    Count(Method::GetLastActivePopup);
    const Window* w = Find(window);
    return w == nullptr || w->lastActivePopup == kNoWindow ? window : w->lastActivePopup;
}

std::optional<unsigned> FakeWindowManager::GetTitleBarState(WindowHandle window) const {
    Count(Method::GetTitleBarState);
    if (Blocks("GetTitleBarState", window)) return std::nullopt;
    const Window* w = Find(window);
    if (w == nullptr) return std::nullopt;
    return w->titleBarState;
}

unsigned FakeWindowManager::GetExtendedStyle(WindowHandle window) const {
    Count(Method::GetExtendedStyle);
    const Window* w = Find(window);
    if (w == nullptr) return 0;
    return w->topmost ? w->extendedStyle | kWsExTopmost : w->extendedStyle;
}

bool FakeWindowManager::IsWindowCloaked(WindowHandle window) const {
    Count(Method::IsWindowCloaked);
    const Window* w = Find(window);
    return w != nullptr && w->cloaked;
}

std::optional<Placement> FakeWindowManager::GetWindowPlacement(WindowHandle window) const {
    Count(Method::GetWindowPlacement);
    const Window* w = Find(window);
    if (w == nullptr || w->vanishes) return std::nullopt;
    return w->placement;
}

bool FakeWindowManager::IsWindowArranged(WindowHandle window) const {
    Count(Method::Other);
    const Window* w = Find(window);
    return w != nullptr && w->arranged;
}

std::optional<unsigned> FakeWindowManager::GetWindowProcessId(WindowHandle window) const {
    Count(Method::GetWindowProcessId);
    const Window* w = Find(window);
    if (w == nullptr || w->vanishes) return std::nullopt;
    return w->processId;
}

ProcessHandle FakeWindowManager::OpenProcess(unsigned processId, ProcessAccess access) {
    Count(Method::OpenProcess);
    const auto found = processes_.find(processId);
    if (found == processes_.end() || found->second.refusesOpen) return 0;
    if (found->second.runsElevated && access != ProcessAccess::QueryLimited) return 0;
    const ProcessHandle handle = nextProcessHandle_++;
    openProcesses_[handle] = {processId, access};
    return handle;
}

const FakeWindowManager::Process* FakeWindowManager::OpenedProcess(ProcessHandle process,
                                                                   ProcessAccess needed) const {
    const auto open = openProcesses_.find(process);
    if (open == openProcesses_.end()) return nullptr;
    if (needed == ProcessAccess::QueryAndRead && open->second.second != needed) return nullptr;
    const auto found = processes_.find(open->second.first);
    return found == processes_.end() ? nullptr : &found->second;
}

std::optional<std::uint64_t> FakeWindowManager::ProcessCreationTime(ProcessHandle process) const {
    Count(Method::ProcessCreationTime);
    const Process* opened = OpenedProcess(process);
    if (opened == nullptr || opened->timesUnreadable) return std::nullopt;
    return opened->creationTime;
}

std::optional<ModuleHandle> FakeWindowManager::EnumFirstProcessModule(ProcessHandle process) const {
    Count(Method::EnumFirstProcessModule);
    const Process* opened = OpenedProcess(process, ProcessAccess::QueryAndRead);
    if (opened == nullptr || opened->moduleUnreadable) return std::nullopt;
    return ModuleHandle{0x140000000};
}

std::optional<std::wstring> FakeWindowManager::ModuleBaseName(ProcessHandle process,
                                                              ModuleHandle) const {
    Count(Method::ModuleBaseName);
    const Process* opened = OpenedProcess(process, ProcessAccess::QueryAndRead);
    if (opened == nullptr || opened->moduleUnreadable) return std::nullopt;
    return opened->baseName;
}

std::optional<std::wstring> FakeWindowManager::ProcessImagePath(ProcessHandle process) const {
    Count(Method::ProcessImagePath);
    const Process* opened = OpenedProcess(process);
    if (opened == nullptr || opened->pathUnreadable) return std::nullopt;
    return opened->imagePath;
}

void FakeWindowManager::CloseProcess(ProcessHandle process) {
    Count(Method::CloseProcess);
    openProcesses_.erase(process);
}

std::optional<ScreenRect> FakeWindowManager::GetWindowRect(WindowHandle window) const {
    Count(Method::Other);
    const Window* w = Find(window);
    if (w == nullptr) return std::nullopt;
    return w->rect;
}

std::optional<ScreenRect> FakeWindowManager::ExtendedFrameBounds(WindowHandle window) const {
    Count(Method::Other);
    const Window* w = Find(window);
    if (w == nullptr) return std::nullopt;
    const Rect& b = w->borders;
    return ScreenRect{w->rect.left + b.left, w->rect.top + b.top, w->rect.right - b.right,
                      w->rect.bottom - b.bottom};
}

void FakeWindowManager::SetMonitors(const std::vector<Rect>& monitors) {
    monitors_.clear();
    for (const Rect& monitor : monitors) {
        monitors_.push_back({ScreenRect(monitor), ScreenRect(monitor), kDefaultDpi});
    }
}

std::vector<Rect> FakeWindowManager::EnumDisplayMonitors() const {
    Count(Method::Other);
    std::vector<Rect> rects;
    for (const Monitor& monitor : monitors_) rects.push_back(monitor.rect);
    return rects;
}

int FakeWindowManager::MonitorIndex(const Rect& rect) const {
    int best = -1;
    std::int64_t bestOverlap = 0;
    std::int64_t bestDistance = 0;
    for (std::size_t i = 0; i < monitors_.size(); ++i) {
        const Rect& m = monitors_[i].rect;
        const std::int64_t width =
            std::int64_t{std::min(rect.right, m.right)} - std::max(rect.left, m.left);
        const std::int64_t height =
            std::int64_t{std::min(rect.bottom, m.bottom)} - std::max(rect.top, m.top);
        const std::int64_t overlap = width > 0 && height > 0 ? width * height : 0;
        // Without any overlap, the monitor nearest to the rectangle's centre.
        const std::int64_t x = (std::int64_t{rect.left} + rect.right) / 2;
        const std::int64_t y = (std::int64_t{rect.top} + rect.bottom) / 2;
        const std::int64_t dx = x < m.left ? m.left - x : x > m.right ? x - m.right : 0;
        const std::int64_t dy = y < m.top ? m.top - y : y > m.bottom ? y - m.bottom : 0;
        const std::int64_t distance = dx * dx + dy * dy;
        if (best < 0 || overlap > bestOverlap ||
            (bestOverlap == 0 && overlap == 0 && distance < bestDistance)) {
            best = static_cast<int>(i);
            bestOverlap = overlap;
            bestDistance = distance;
        }
    }
    return best;
}

MonitorHandle FakeWindowManager::MonitorFromWindow(WindowHandle window) const {
    Count(Method::Other);
    const Window* w = Find(window);
    if (w == nullptr) return 0;
    const bool minimized = w->placement.showCmd == kSwShowMinimized;
    return MonitorIndex(minimized ? ScreenOf(w->placement.normalPosition) : w->rect) + 1;
}

MonitorHandle FakeWindowManager::MonitorFromRect(const ScreenRect& rect) const {
    Count(Method::Other);
    return MonitorIndex(rect) + 1;
}

std::optional<MonitorArea> FakeWindowManager::GetMonitorArea(MonitorHandle monitor) const {
    Count(Method::Other);
    if (monitor < 1 || monitor > static_cast<MonitorHandle>(monitors_.size())) return std::nullopt;
    const Monitor& m = monitors_[static_cast<std::size_t>(monitor - 1)];
    return MonitorArea{m.rect, m.work};
}

std::optional<unsigned> FakeWindowManager::MonitorDpi(MonitorHandle monitor) const {
    Count(Method::Other);
    if (monitor < 1 || monitor > static_cast<MonitorHandle>(monitors_.size())) return std::nullopt;
    return monitors_[static_cast<std::size_t>(monitor - 1)].dpi;
}

unsigned FakeWindowManager::DpiAt(const Rect& rect) const {
    const int monitor = MonitorIndex(rect);
    return monitor < 0 ? kDefaultDpi : monitors_[static_cast<std::size_t>(monitor)].dpi;
}

Point FakeWindowManager::WorkAreaOffset(const Rect& rect) const {
    const int monitor = MonitorIndex(rect);
    if (monitor < 0) return {};
    const Monitor& m = monitors_[static_cast<std::size_t>(monitor)];
    return {m.work.left - m.rect.left, m.work.top - m.rect.top};
}

ScreenRect FakeWindowManager::ScreenOf(const WorkspaceRect& rect) const {
    const Point offset = WorkAreaOffset(rect);
    return {WrappingSum(rect.left, offset.x), WrappingSum(rect.top, offset.y),
            WrappingSum(rect.right, offset.x), WrappingSum(rect.bottom, offset.y)};
}

WorkspaceRect FakeWindowManager::WorkspaceOf(const ScreenRect& rect) const {
    const Point offset = WorkAreaOffset(rect);
    return {WrappingSum(rect.left, -offset.x), WrappingSum(rect.top, -offset.y),
            WrappingSum(rect.right, -offset.x), WrappingSum(rect.bottom, -offset.y)};
}

void FakeWindowManager::ShowNormalAtPlacement(Window& target) {
    MoveNormal(target, ScreenOf(target.placement.normalPosition));
}

void FakeWindowManager::MoveNormal(Window& target, ScreenRect rect) {
    const unsigned dpi = DpiAt(rect);
    if (target.rescalesWithDpi && dpi != target.dpi && target.dpi != 0) {
        // As on WM_DPICHANGED: the same top-left corner, the size scaled.
        rect.right =
            static_cast<std::int32_t>(rect.left + std::int64_t{rect.Width()} * dpi / target.dpi);
        rect.bottom =
            static_cast<std::int32_t>(rect.top + std::int64_t{rect.Height()} * dpi / target.dpi);
    }
    target.dpi = dpi;
    target.rect = rect;
    target.placement.normalPosition = WorkspaceOf(rect);
}

bool FakeWindowManager::SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y,
                                     int cx, int cy, unsigned flags) {
    Count(Method::SetWindowPos);
    journal_.Add("SetWindowPos " + Name(window));
    setWindowPosCalls_.push_back({window, insertAfter, x, y, cx, cy, flags});
    lastError_ = 0;
    const auto found = windows_.find(window);
    if (found == windows_.end()) {
        lastError_ = kErrorInvalidWindowHandle;
        return false;
    }
    if (Refuses(found->second)) return false;
    if ((flags & kSwpAsyncWindowPos) == 0 && Blocks("SetWindowPos", window)) return false;
    Window& target = found->second;
    // Like Windows, a minimised or maximised window keeps its normal rectangle.
    const bool normal = target.placement.showCmd == kSwShowNormal;
    if (!normal || target.keepsItsPlace) flags |= kSwpNoMove | kSwpNoSize;
    ScreenRect moved = target.rect;
    if ((flags & kSwpNoMove) == 0) {
        moved = {x, y, WrappingSum(x, moved.Width()), WrappingSum(y, moved.Height())};
    }
    if ((flags & kSwpNoSize) == 0) {
        moved.right = WrappingSum(moved.left, cx);
        moved.bottom = WrappingSum(moved.top, cy);
    }
    if (normal) MoveNormal(target, moved);
    if ((flags & kSwpShowWindow) != 0) target.visible = true;
    if ((flags & kSwpNoZOrder) == 0) {
        if (insertAfter == kHwndTopmost) target.topmost = true;
        if (insertAfter == kHwndNoTopmost) target.topmost = false;
        RaiseToTop(window);
    }
    return true;
}

}  // namespace tilora::testing
