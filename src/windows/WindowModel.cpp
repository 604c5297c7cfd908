#include "windows/WindowModel.h"

#include <algorithm>

#include "files/TextHelpers.h"

namespace tilora {
namespace {

// Owner chains are short; a longer one is a cycle, which must not hang the capture.
constexpr int kMaxPopupSteps = 64;
// More steps than any desktop has windows: a z-order loop must not hang the capture either.
constexpr int kMaxZOrderSteps = 1 << 20;

// Closes the process handle however the identification ends.
class OpenedProcess {
  public:
    OpenedProcess(WindowManager& windows, std::uint32_t processId)
        : windows_(windows), process_(windows.OpenProcess(processId)) {}
    ~OpenedProcess() {
        if (process_ != 0) windows_.CloseProcess(process_);
    }
    OpenedProcess(const OpenedProcess&) = delete;
    OpenedProcess& operator=(const OpenedProcess&) = delete;
    ProcessHandle get() const { return process_; }

  private:
    WindowManager& windows_;
    ProcessHandle process_;
};

}  // namespace

WindowModel::WindowModel(WindowManager& windows, std::wstring ownTitle)
    : windows_(windows), ownTitle_(std::move(ownTitle)) {}

int WindowModel::CaptureWindows() {
    currentSnapshot_.clear();
    lastAppendedHandle_ = kInsertAfterPending;
    for (WindowHandle window : windows_.EnumDesktopWindows()) CaptureOne(window);
    SortByZLevel(currentSnapshot_);
    return static_cast<int>(currentSnapshot_.size());
}

const WindowRecord* WindowModel::FindRecord(WindowHandle window) const {
    for (const WindowRecord& record : currentSnapshot_) {
        if (record.hwnd == window) return &record;
    }
    return nullptr;
}

bool WindowModel::HasWindowTitled(const std::wstring& title) const {
    return std::any_of(currentSnapshot_.begin(), currentSnapshot_.end(),
                       [&](const WindowRecord& record) { return record.winName == title; });
}

void WindowModel::TakeStartSnapshot() {
    restorePoint_ = currentSnapshot_;
    startSnapshot_ = currentSnapshot_;
}

void WindowModel::TakeRestorePoint() {
    restorePointHeld_ = false;
    restorePoint_ = currentSnapshot_;
}

void WindowModel::RenewRestorePointUnlessHeld() {
    if (!restorePointHeld_) restorePoint_ = currentSnapshot_;
}

bool WindowModel::PassesTaskSwitchTest(WindowHandle window) const {
    WindowHandle walk = windows_.GetRootOwner(window);
    if (walk == kNoWindow) return false;
    for (int step = 0; step < kMaxPopupSteps; ++step) {
        const WindowHandle popup = windows_.GetLastActivePopup(walk);
        if (windows_.IsWindowVisible(popup) || popup == walk) break;
        walk = popup;
    }
    return walk == window;
}

CaptureVerdict WindowModel::Classify(WindowHandle window) const {
    int titleLength = 0;
    return Examine(window, titleLength);
}

CaptureVerdict WindowModel::Examine(WindowHandle window, int& titleLength) const {
    titleLength = windows_.WindowTextLength(window);
    if (titleLength == 0) return CaptureVerdict::NoTitleLength;
    if (!windows_.IsWindowVisible(window)) return CaptureVerdict::Invisible;
    if (!PassesTaskSwitchTest(window)) return CaptureVerdict::NotTaskSwitchable;
    const std::optional<unsigned> titleBar = windows_.GetTitleBarState(window);
    if (titleBar && (*titleBar & kStateSystemInvisible) != 0)
        return CaptureVerdict::InvisibleTitleBar;
    if ((windows_.GetExtendedStyle(window) & kWsExToolWindow) != 0)
        return CaptureVerdict::ToolWindow;
    return CaptureVerdict::Recorded;
}

int WindowModel::CountWindowsAbove(WindowHandle window) const {
    int above = 0;
    for (WindowHandle walk = windows_.GetWindowAbove(window);
         walk != kNoWindow && above < kMaxZOrderSteps; walk = windows_.GetWindowAbove(walk)) {
        ++above;
    }
    return above;
}

void WindowModel::CaptureOne(WindowHandle window) {
    int titleLength = 0;
    if (Examine(window, titleLength) != CaptureVerdict::Recorded) return;

    const std::wstring title = windows_.WindowText(window, titleLength + 1);
    if (title.empty()) return;

    // A window that closed meanwhile is left out: a record never carries values it did not read.
    const std::optional<Placement> placement = windows_.GetWindowPlacement(window);
    const std::optional<unsigned> processId = windows_.GetWindowProcessId(window);
    if (!placement || !processId) return;

    WindowRecord record;
    record.hwnd = window;
    record.insertAfter = lastAppendedHandle_;
    record.winName = title;
    const ProcessIdentity process = IdentifyProcess(*processId);
    record.procName = LowerAsciiLetters(process.baseName);
    record.procPath = process.imagePath;
    record.procID = *processId;
    record.rcNormalPosition = placement->normalPosition;
    record.showCmd = placement->showCmd;
    lastAppendedHandle_ = window;
    record.zLevel = CountWindowsAbove(window);

    if (record.winName == ownTitle_) {
        ownWindowRecord_ = record;
    } else if (firstForeignPending_) {
        lastActiveWindow_ = window;
        firstForeignPending_ = false;
    }
    currentSnapshot_.push_back(std::move(record));
}

void WindowModel::SortByZLevel(WindowSnapshot& snapshot) {
    std::stable_sort(
        snapshot.begin(), snapshot.end(),
        [](const WindowRecord& a, const WindowRecord& b) { return a.zLevel > b.zLevel; });
    WindowHandle previous = kInsertAfterFirst;
    for (WindowRecord& record : snapshot) {
        record.insertAfter = previous;
        previous = record.hwnd;
    }
}

ProcessIdentity WindowModel::IdentifyProcess(std::uint32_t processId) const {
    ProcessIdentity identity;
    OpenedProcess process(windows_, processId);
    if (process.get() == 0) return identity;
    if (processNamesAvailable_) {
        if (const auto module = windows_.EnumFirstProcessModule(process.get())) {
            identity.baseName = windows_.ModuleBaseName(process.get(), *module).value_or(L"");
        }
    }
    identity.imagePath = windows_.ProcessImagePath(process.get()).value_or(L"");
    return identity;
}

}  // namespace tilora
