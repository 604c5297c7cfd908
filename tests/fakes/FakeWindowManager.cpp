#include "FakeWindowManager.h"

#include <algorithm>
#include <numeric>

namespace tilora::testing {

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
    window.rect = rect;
    window.placement.showCmd = kSwShowNormal;
    window.placement.normalPosition = rect;
    window.processId = processId;
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

bool FakeWindowManager::SetWindowPlacement(WindowHandle window, const Placement& placement) {
    Count(Method::SetWindowPlacement);
    journal_.Add("SetWindowPlacement " + Name(window));
    const auto found = windows_.find(window);
    if (found == windows_.end() || found->second.refusesPlacement) return false;
    if ((placement.flags & kWpfAsyncWindowPlacement) == 0 && Blocks("SetWindowPlacement", window))
        return false;
    Window& target = found->second;
    // Like Wine, the placement cannot take back a pending restore to maximised.
    const unsigned keptFlags = target.placement.flags & kWpfRestoreToMaximized;
    target.placement = placement;
    target.placement.flags |= keptFlags;
    if (placement.showCmd == kSwShowNormal) target.rect = placement.normalPosition;
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
        case kSwShowMaximized:
            target.placement.showCmd = kSwShowMaximized;
            target.rect = monitors_.empty() ? Rect{} : monitors_.front();
            break;
        case kSwShowNormal:
        case kSwShowNoActivate:
        case kSwRestore:
            // As Wine does: restoring a minimised window honours the flag, a maximised one goes
            // normal.
            if (target.placement.showCmd == kSwShowMinimized &&
                (target.placement.flags & kWpfRestoreToMaximized) != 0) {
                target.placement.showCmd = kSwShowMaximized;
                target.rect = monitors_.empty() ? Rect{} : monitors_.front();
                break;
            }
            if (target.placement.showCmd == kSwShowMinimized && target.repaintsLate) {
                target.repaintsLate = false;
                lateRepaint_ = window;
            }
            target.placement.showCmd = kSwShowNormal;
            target.rect = target.placement.normalPosition;
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
    if (found == windows_.end() || found->second.refusesForeground) return false;
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

WindowHandle FakeWindowManager::FindWindowByTitle(const std::wstring& title) const {
    Count(Method::Other);
    for (WindowHandle handle : zOrder_) {
        if (windows_.at(handle).title == title) return handle;
    }
    return kNoWindow;
}

std::optional<Rect> FakeWindowManager::GetWindowRect(WindowHandle window) const {
    Count(Method::Other);
    const Window* w = Find(window);
    if (w == nullptr) return std::nullopt;
    return w->rect;
}

namespace {

// Coordinates are 32-bit on Windows and wrap there; near the limits a plain sum would overflow.
std::int32_t WrappingSum(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

}  // namespace

bool FakeWindowManager::SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y,
                                     int cx, int cy, unsigned flags) {
    Count(Method::SetWindowPos);
    journal_.Add("SetWindowPos " + Name(window));
    setWindowPosCalls_.push_back({window, insertAfter, x, y, cx, cy, flags});
    const auto found = windows_.find(window);
    if (found == windows_.end()) return false;
    if ((flags & kSwpAsyncWindowPos) == 0 && Blocks("SetWindowPos", window)) return false;
    Window& target = found->second;
    // Like Windows, a minimised or maximised window keeps its normal rectangle.
    const bool normal = target.placement.showCmd == kSwShowNormal;
    if (!normal) flags |= kSwpNoMove | kSwpNoSize;
    if ((flags & kSwpNoMove) == 0) {
        const int width = target.rect.Width();
        const int height = target.rect.Height();
        target.rect = {x, y, WrappingSum(x, width), WrappingSum(y, height)};
    }
    if ((flags & kSwpNoSize) == 0) {
        target.rect.right = WrappingSum(target.rect.left, cx);
        target.rect.bottom = WrappingSum(target.rect.top, cy);
    }
    if (normal) target.placement.normalPosition = target.rect;
    if ((flags & kSwpShowWindow) != 0) target.visible = true;
    if ((flags & kSwpNoZOrder) == 0) {
        if (insertAfter == kHwndTopmost) target.topmost = true;
        if (insertAfter == kHwndNoTopmost) target.topmost = false;
        RaiseToTop(window);
    }
    return true;
}

}  // namespace tilora::testing
