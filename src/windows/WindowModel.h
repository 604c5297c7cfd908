#pragma once

#include <string>
#include <utility>

#include "platform/WindowManager.h"
#include "windows/WindowRecord.h"

namespace tilora {

// Why the capture leaves a window out; Recorded when it takes it.
enum class CaptureVerdict {
    Recorded,
    NoTitleLength,
    Invisible,
    NotTaskSwitchable,
    InvisibleTitleBar,
    ToolWindow,
    EmptyTitle,
    Vanished,
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
    ProcessIdentity IdentifyProcess(std::uint32_t processId) const;

    // Process names need the two PSAPI entry points; without them every procName is empty.
    void SetProcessNamesAvailable(bool available) { processNamesAvailable_ = available; }

    WindowSnapshot currentSnapshot;
    WindowSnapshot restorePoint;
    bool restorePointHeld = false;
    WindowSnapshot startSnapshot;
    WindowRecord ownWindowRecord;
    WindowHandle lastActiveWindow = kNoWindow;
    int recordCount = 0;

    bool firstForeignPending() const { return firstForeignPending_; }
    const std::wstring& ownTitle() const { return ownTitle_; }

  private:
    // The capture's tests in their order; the title length is read once and handed back.
    CaptureVerdict Examine(WindowHandle window, int& titleLength) const;
    bool PassesTaskSwitchTest(WindowHandle window) const;
    int CountWindowsAbove(WindowHandle window) const;
    void CaptureOne(WindowHandle window);

    WindowManager& windows_;
    std::wstring ownTitle_;
    bool processNamesAvailable_ = true;
    bool firstForeignPending_ = true;
    WindowHandle lastAppendedHandle_ = kInsertAfterPending;
};

// Lower-cases the letters A to Z only; every other character stays as it is.
std::wstring LowerAsciiLetters(std::wstring text);

}  // namespace tilora
