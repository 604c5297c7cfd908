#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>

#include "platform/WindowManager.h"
#include "platform/WindowRecord.h"

namespace tilora {

// Why the capture leaves a window out; Recorded when it takes it.
enum class CaptureVerdict {
    Recorded,
    Invisible,
    NoTitleLength,
    NotTaskSwitchable,
    ToolWindow,
    InvisibleTitleBar,
    // Visible to the system but not on the screen: on another virtual desktop, or a suspended
    // store app. Tiling it would leave an empty slot.
    Cloaked,
};

struct ProcessIdentity {
    std::wstring baseName;  // as the module reports it, not yet lower-cased
    std::wstring imagePath;
};

// The program's model of the user's windows: the latest capture, the snapshots kept from
// earlier ones, the record of the program's own dialog and the last active window.
class WindowModel {
  public:
    WindowModel(WindowManager& windows, std::wstring ownTitle);

    // Refills currentSnapshot with every visible, titled, task-switchable top-level window,
    // bottom-most first; returns the number of records.
    int CaptureWindows();
    // Whether the capture takes the window, and if not, the first test it fails.
    CaptureVerdict Classify(WindowHandle window) const;
    // Reorders bottom-most (largest zLevel) first; equal depths keep their order.
    static void SortByZLevel(WindowSnapshot& snapshot);
    // Reads the process's names from the system, every time.
    ProcessIdentity IdentifyProcess(std::uint32_t processId) const;

    // Process names need the two PSAPI entry points; without them every procName is empty.
    void SetProcessNamesAvailable(bool available);

    const WindowSnapshot& currentSnapshot() const { return currentSnapshot_; }
    // Counts the captures, so that a reader can tell a new capture from one it has seen.
    std::uint64_t captureNumber() const { return captureNumber_; }
    // The record of the latest capture for the window; null when the capture did not take it.
    const WindowRecord* FindRecord(WindowHandle window) const;
    // Keeps the latest capture in step with a window the program has just resized, so that a
    // report on it without a new capture shows the new rectangle.
    void SetRecordedNormalRect(std::size_t index, const Rect& rect) {
        currentSnapshot_.at(index).rcNormalPosition = rect;
    }

    // The arrangement Start Arrang. returns to. The bulk operations renew it from their capture
    // unless Tile All holds it; Save SD renews and releases it; Start Arrang. releases it.
    const WindowSnapshot& restorePoint() const { return restorePoint_; }
    // The first capture of the run becomes the restore point and the start snapshot.
    void TakeStartSnapshot();
    void TakeRestorePoint();
    void RenewRestorePointUnlessHeld();
    void HoldRestorePoint() { restorePointHeld_ = true; }
    void ReleaseRestorePoint() { restorePointHeld_ = false; }
    const WindowSnapshot& startSnapshot() const { return startSnapshot_; }

    // The dialog's own window, which the first paint takes from the dialog itself.
    WindowHandle ownWindow() const { return ownWindow_; }
    void SetOwnWindow(WindowHandle window) { ownWindow_ = window; }
    // The own dialog's record from the latest capture that saw it.
    const WindowRecord& ownWindowRecord() const { return ownWindowRecord_; }

    // The window the user worked in last, other than the dialog; seeded by the first capture.
    WindowHandle lastActiveWindow() const { return lastActive_.handle; }
    void SetLastActiveWindow(WindowHandle window);
    // Whether the window is still the last active one: the same handle of the same process.
    bool IsLastActiveWindow(WindowHandle window) const;

    // A foreground window the capture left out. While the same window stays in front and the
    // capture would still leave it out for the same reason, capturing again finds nothing new.
    // A window that passes the tests but could not be read is not remembered: the next capture
    // may read it.
    void RememberRejectedForeground(WindowHandle window);
    bool IsRejectedForeground(WindowHandle window) const;

    const std::wstring& ownTitle() const { return ownTitle_; }

  private:
    // A window as it was known: its handle and the process that owned it. The handle of a closed
    // window may be handed out again to another program's window, and the id of an ended process
    // to a new process, so the process's creation time is kept too.
    struct KnownWindow {
        WindowHandle handle = kNoWindow;
        std::uint32_t processId = 0;
        std::optional<std::uint64_t> processCreated;
    };
    KnownWindow Know(WindowHandle window) const;
    bool IsStill(const KnownWindow& known, WindowHandle window) const;
    // When the process was created; nothing when it cannot be opened or read.
    std::optional<std::uint64_t> ProcessCreated(std::uint32_t processId) const;
    // A process whose names were read in full, and when it was created: a later process given
    // the same id has another creation time.
    struct KnownProcess {
        std::uint64_t creationTime = 0;
        ProcessIdentity identity;
        std::uint64_t lastSeenInCapture = 0;
    };

    // The title as far as the capture's tests have read it.
    struct TitleRead {
        int length = 0;
        // A window that does not respond has its title read at once, from the system's copy.
        bool notResponding = false;
        std::wstring text;
    };
    // The capture's tests in their order; the title is read once and handed back.
    CaptureVerdict Examine(WindowHandle window, TitleRead& title) const;
    bool PassesTaskSwitchTest(WindowHandle window) const;
    bool IsToolWindow(WindowHandle window) const;
    // Whether the test that gave this verdict still leaves the window out.
    bool StillFails(WindowHandle window, CaptureVerdict verdict) const;
    // The window's depth is the number of windows the enumeration listed before it.
    void CaptureOne(WindowHandle window, int zLevel);
    // IdentifyProcess, answered from the names read earlier when the process is still the same.
    ProcessIdentity IdentifyProcessOnce(std::uint32_t processId);
    // Reads the names of the process, opened with limited rights; false when any of them could
    // not be read.
    bool ReadIdentity(std::uint32_t processId, ProcessHandle process,
                      ProcessIdentity& identity) const;
    // The main module's name; false when it could not be read.
    bool ReadBaseName(std::uint32_t processId, const std::optional<std::wstring>& imagePath,
                      std::wstring& baseName) const;

    WindowManager& windows_;
    std::wstring ownTitle_;
    WindowSnapshot currentSnapshot_;
    WindowSnapshot restorePoint_;
    bool restorePointHeld_ = false;
    WindowSnapshot startSnapshot_;
    WindowRecord ownWindowRecord_;
    WindowHandle ownWindow_ = kNoWindow;
    KnownWindow lastActive_;
    KnownWindow rejectedForeground_;
    CaptureVerdict rejectedBecause_ = CaptureVerdict::Recorded;
    bool processNamesAvailable_ = true;
    bool firstForeignPending_ = true;
    WindowHandle lastAppendedHandle_ = kInsertAfterPending;
    // Reading a process's names is most of a capture's cost under Wine, and each process
    // usually owns several windows and outlives many captures.
    std::unordered_map<std::uint32_t, KnownProcess> knownProcesses_;
    std::uint64_t captureNumber_ = 0;
};

}  // namespace tilora
