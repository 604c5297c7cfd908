#include "windows/WindowModel.h"

#include <algorithm>
#include <vector>

#include "files/TextHelpers.h"
#include "windows/WindowPlacer.h"
#include "windows/WorkspaceCoordinates.h"

namespace tilora {
namespace {

// Owner chains are short; a longer one is a cycle, which must not hang the capture.
constexpr int kMaxPopupSteps = 64;
// The most a title read without asking the window's program may hold.
constexpr int kSystemTitleCapacity = 32768;

// Closes the process handle however the identification ends.
class OpenedProcess {
  public:
    OpenedProcess(WindowManager& windows, std::uint32_t processId, ProcessAccess access)
        : windows_(windows), process_(windows.OpenProcess(processId, access)) {}
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

// The file name at the end of a path.
std::wstring FileNameOf(const std::wstring& path) {
    return path.substr(path.find_last_of(L"\\/") + 1);
}

}  // namespace

WindowModel::WindowModel(WindowManager& windows, std::wstring ownTitle)
    : windows_(windows), ownTitle_(std::move(ownTitle)) {}

int WindowModel::CaptureWindows() {
    currentSnapshot_.clear();
    lastAppendedHandle_ = kInsertAfterPending;
    ++captureNumber_;
    // The enumeration lists the desktop from the top, so the windows listed before a window are
    // exactly the windows above it. Walking up from each window instead costs n(n+1)/2 calls.
    const std::vector<WindowHandle> desktop = windows_.EnumDesktopWindows();
    for (std::size_t position = 0; position < desktop.size(); ++position) {
        CaptureOne(desktop[position], static_cast<int>(position));
    }
    // Forget processes that no longer own a captured window, so the names of a long run's
    // closed programs do not pile up.
    std::erase_if(knownProcesses_, [this](const auto& entry) {
        return entry.second.lastSeenInCapture != captureNumber_;
    });
    SortByZLevel(currentSnapshot_);
    return static_cast<int>(currentSnapshot_.size());
}

void WindowModel::SetProcessNamesAvailable(bool available) {
    // Names read with the other setting would be wrong now.
    if (available != processNamesAvailable_) knownProcesses_.clear();
    processNamesAvailable_ = available;
}

const WindowRecord* WindowModel::FindRecord(WindowHandle window) const {
    for (const WindowRecord& record : currentSnapshot_) {
        if (record.hwnd == window) return &record;
    }
    return nullptr;
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

bool WindowModel::IsToolWindow(WindowHandle window) const {
    return (windows_.GetExtendedStyle(window) & kWsExToolWindow) != 0;
}

CaptureVerdict WindowModel::Classify(WindowHandle window) const {
    TitleRead title;
    return Examine(window, title);
}

CaptureVerdict WindowModel::Examine(WindowHandle window, TitleRead& title) const {
    // Most windows a desktop lists are hidden; asking whether a window is visible sends it
    // nothing, so they are left out before their program is asked anything.
    if (!windows_.IsWindowVisible(window)) return CaptureVerdict::Invisible;
    // Asking a window for its title length sends it a message; one whose program does not
    // answer would hold the capture, and the dialog with it, until the program wakes up.
    title.notResponding = IsNotResponding(windows_, window);
    if (title.notResponding) {
        title.text = windows_.InternalWindowText(window, kSystemTitleCapacity);
        title.length = static_cast<int>(title.text.size());
    } else {
        title.length = windows_.WindowTextLength(window);
    }
    if (title.length == 0) return CaptureVerdict::NoTitleLength;
    if (!PassesTaskSwitchTest(window)) return CaptureVerdict::NotTaskSwitchable;
    // The style is read from the system's copy; the title bar's state costs a device context
    // under Wine, so it is asked only of windows that are not tool windows.
    if (IsToolWindow(window)) return CaptureVerdict::ToolWindow;
    // Reading the title bar's state may wait for the window's thread too (under Wine it once did
    // for a hung program), so a window that does not respond counts as having a visible bar.
    const std::optional<unsigned> titleBar =
        title.notResponding ? std::nullopt : windows_.GetTitleBarState(window);
    if (titleBar && (*titleBar & kStateSystemInvisible) != 0)
        return CaptureVerdict::InvisibleTitleBar;
    // Last, as only windows that passed every other test pay for the extra call.
    if (windows_.IsWindowCloaked(window)) return CaptureVerdict::Cloaked;
    return CaptureVerdict::Recorded;
}

void WindowModel::CaptureOne(WindowHandle window, int zLevel) {
    TitleRead read;
    if (Examine(window, read) != CaptureVerdict::Recorded) return;

    const std::wstring title =
        read.notResponding ? read.text : windows_.WindowText(window, read.length + 1);
    if (title.empty()) return;

    // A window that closed meanwhile is left out: a record never carries values it did not read.
    const std::optional<Placement> placement = windows_.GetWindowPlacement(window);
    const std::optional<unsigned> processId = windows_.GetWindowProcessId(window);
    if (!placement || !processId) return;

    WindowRecord record;
    record.hwnd = window;
    record.insertAfter = lastAppendedHandle_;
    record.winName = title;
    const ProcessIdentity process = IdentifyProcessOnce(*processId);
    record.procName = LowerAsciiLetters(process.baseName);
    record.procPath = process.imagePath;
    record.procID = *processId;
    record.rcNormalPosition = placement->normalPosition;
    record.showCmd = placement->showCmd;
    // A window snapped to a part of the screen still reports the rectangle it had before; where
    // it is now is what an arrangement has to bring back.
    if (record.showCmd == kSwShowNormal && windows_.IsWindowArranged(window)) {
        if (const std::optional<ScreenRect> snapped = windows_.GetWindowRect(window)) {
            record.rcNormalPosition = ToWorkspace(windows_, *snapped);
        }
    }
    lastAppendedHandle_ = window;
    record.zLevel = zLevel;

    if (record.winName == ownTitle_) {
        ownWindowRecord_ = record;
    } else if (firstForeignPending_) {
        // Known from the names just read, without asking the system again.
        const auto known = knownProcesses_.find(*processId);
        lastActive_ = {window, *processId,
                       known == knownProcesses_.end()
                           ? std::nullopt
                           : std::optional<std::uint64_t>(known->second.creationTime)};
        firstForeignPending_ = false;
    }
    currentSnapshot_.push_back(std::move(record));
}

void WindowModel::SetLastActiveWindow(WindowHandle window) {
    lastActive_ = Know(window);
}

bool WindowModel::IsLastActiveWindow(WindowHandle window) const {
    return window != kNoWindow && IsStill(lastActive_, window);
}

void WindowModel::RememberRejectedForeground(WindowHandle window) {
    rejectedBecause_ = Classify(window);
    rejectedForeground_ =
        rejectedBecause_ == CaptureVerdict::Recorded ? KnownWindow{} : Know(window);
}

bool WindowModel::IsRejectedForeground(WindowHandle window) const {
    // A title set late, a window shown or brought from another virtual desktop passes the test
    // that left it out, and the capture then looks at it again.
    return rejectedBecause_ != CaptureVerdict::Recorded && IsStill(rejectedForeground_, window) &&
           StillFails(window, rejectedBecause_);
}

bool WindowModel::StillFails(WindowHandle window, CaptureVerdict verdict) const {
    // One failing test is enough to leave a window out, so only that one is asked again: the
    // others would send the window in front a message on every tick.
    switch (verdict) {
        case CaptureVerdict::Invisible:
            return !windows_.IsWindowVisible(window);
        case CaptureVerdict::NotTaskSwitchable:
            return !PassesTaskSwitchTest(window);
        case CaptureVerdict::ToolWindow:
            return IsToolWindow(window);
        case CaptureVerdict::Cloaked:
            return windows_.IsWindowCloaked(window);
        case CaptureVerdict::Recorded:
        case CaptureVerdict::NoTitleLength:
        case CaptureVerdict::InvisibleTitleBar:
            // The title and the title bar are asked for only after the hung check.
            return Classify(window) == verdict;
    }
    return false;
}

WindowModel::KnownWindow WindowModel::Know(WindowHandle window) const {
    const std::uint32_t processId = windows_.GetWindowProcessId(window).value_or(0);
    return {window, processId, ProcessCreated(processId)};
}

bool WindowModel::IsStill(const KnownWindow& known, WindowHandle window) const {
    if (window != known.handle) return false;
    const std::uint32_t processId = windows_.GetWindowProcessId(window).value_or(0);
    if (processId != known.processId) return false;
    // Where the creation time could not be read, the handle and the process id must do.
    return !known.processCreated || ProcessCreated(processId) == known.processCreated;
}

std::optional<std::uint64_t> WindowModel::ProcessCreated(std::uint32_t processId) const {
    if (processId == 0) return std::nullopt;
    OpenedProcess process(windows_, processId, ProcessAccess::QueryLimited);
    if (process.get() == 0) return std::nullopt;
    return windows_.ProcessCreationTime(process.get());
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
    OpenedProcess process(windows_, processId, ProcessAccess::QueryLimited);
    if (process.get() != 0) ReadIdentity(processId, process.get(), identity);
    return identity;
}

bool WindowModel::ReadIdentity(std::uint32_t processId, ProcessHandle process,
                               ProcessIdentity& identity) const {
    const auto imagePath = windows_.ProcessImagePath(process);
    identity.imagePath = imagePath.value_or(L"");
    const bool named =
        !processNamesAvailable_ || ReadBaseName(processId, imagePath, identity.baseName);
    return named && imagePath.has_value();
}

bool WindowModel::ReadBaseName(std::uint32_t processId,
                               const std::optional<std::wstring>& imagePath,
                               std::wstring& baseName) const {
    // The module list lies in the process's memory, which a program running with higher rights
    // (or a protected one) keeps from others; its main module is named as its image file then.
    OpenedProcess readable(windows_, processId, ProcessAccess::QueryAndRead);
    if (readable.get() == 0) {
        if (!imagePath) return false;
        baseName = FileNameOf(*imagePath);
        return true;
    }
    const auto module = windows_.EnumFirstProcessModule(readable.get());
    const auto name = module ? windows_.ModuleBaseName(readable.get(), *module) : std::nullopt;
    baseName = name.value_or(L"");
    return name.has_value();
}

ProcessIdentity WindowModel::IdentifyProcessOnce(std::uint32_t processId) {
    const auto known = knownProcesses_.find(processId);
    // The windows were listed when this capture began and a process's windows end with it, so
    // every listed window that still answers with this id belongs to the process checked
    // earlier in this capture.
    if (known != knownProcesses_.end() && known->second.lastSeenInCapture == captureNumber_) {
        return known->second.identity;
    }

    // Limited rights tell whether it is the same process and where its program lies, also for a
    // program running with higher rights; only its module name may need more.
    OpenedProcess process(windows_, processId, ProcessAccess::QueryLimited);
    if (process.get() == 0) {
        if (known != knownProcesses_.end()) knownProcesses_.erase(known);
        return {};
    }
    // Ids are reused once a process ends; the creation time tells the new process apart.
    const std::optional<std::uint64_t> created = windows_.ProcessCreationTime(process.get());
    if (known != knownProcesses_.end() && created && known->second.creationTime == *created) {
        known->second.lastSeenInCapture = captureNumber_;
        return known->second.identity;
    }

    ProcessIdentity identity;
    const bool complete = ReadIdentity(processId, process.get(), identity);
    // A process just starting may not show its modules yet: only names read in full are kept,
    // and only for a process that can be recognised again.
    if (complete && created) {
        knownProcesses_[processId] = {*created, identity, captureNumber_};
    } else if (known != knownProcesses_.end()) {
        knownProcesses_.erase(known);
    }
    return identity;
}

}  // namespace tilora
