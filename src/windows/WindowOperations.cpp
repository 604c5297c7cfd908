#include "windows/WindowOperations.h"

#include <algorithm>
#include <optional>

namespace tilora {
namespace {

bool ShowsNormal(unsigned showCommand) {
    return showCommand == kSwShowNormal || showCommand == kSwShowNoActivate ||
           showCommand == kSwRestore;
}

bool IsMaximized(const WindowManager& windows, WindowHandle window) {
    const std::optional<Placement> placement = windows.GetWindowPlacement(window);
    return placement && placement->showCmd == kSwShowMaximized;
}

}  // namespace

bool IsNotResponding(const WindowManager& windows, WindowHandle window) {
    // Asked first: most windows answer, and then one call settles it.
    if (!windows.IsHungAppWindow(window)) return false;
    const std::optional<unsigned> thread = windows.GetWindowThreadId(window);
    return thread && *thread != windows.GetCurrentThreadId();
}

bool PlaceWithoutWaiting(WindowManager& windows, WindowHandle window, const Rect& rect,
                         unsigned showCommand) {
    // The window is not asked afterwards: nothing requested here has happened yet.
    const bool wasVisible = windows.IsWindowVisible(window);
    if (const std::optional<Placement> read = windows.GetWindowPlacement(window)) {
        Placement placement = *read;
        placement.normalPosition = rect;
        if (ShowsNormal(showCommand)) placement.flags &= ~kWpfRestoreToMaximized;
        placement.flags |= kWpfAsyncWindowPlacement;
        if (windows.SetWindowPlacement(window, placement)) {
            windows.ShowWindowAsync(window, showCommand);
            return wasVisible;
        }
    }
    windows.ShowWindowAsync(window, kSwShowNoActivate);
    windows.SetWindowPos(window, kHwndTop, rect.left, rect.top, rect.Width(), rect.Height(),
                         kSwpNoZOrder | kSwpNoActivate | kSwpAsyncWindowPos);
    windows.ShowWindowAsync(window, showCommand);
    return wasVisible;
}

bool PlaceIfNotResponding(WindowManager& windows, WindowHandle window, const Rect& rect,
                          unsigned showCommand) {
    if (!IsNotResponding(windows, window)) return false;
    PlaceWithoutWaiting(windows, window, rect, showCommand);
    return true;
}

bool WindowPlacer::Place(WindowHandle window, const Rect& rect, unsigned showCommand) {
    if (SetNormalPosition(window, rect, showCommand)) return ShowAsAsked(window, showCommand);
    return PlaceByHand(window, rect, showCommand);
}

bool WindowPlacer::PlaceIfNotResponding(WindowHandle window, const Rect& rect,
                                        unsigned showCommand) {
    return tilora::PlaceIfNotResponding(windows_, window, rect, showCommand);
}

bool WindowPlacer::Minimize(WindowHandle window, const Rect& rect) {
    // Where the program refuses the placement the window is only minimised: the step that shows
    // it next moves it, and moving it here as well would cost a restore.
    SetNormalPosition(window, rect, kSwShowMinimized);
    return windows_.ShowWindow(window, kSwShowMinimized);
}

bool WindowPlacer::SetNormalPosition(WindowHandle window, const Rect& rect, unsigned showCommand) {
    if (refused_.contains(window)) return false;
    if (const std::optional<Placement> read = windows_.GetWindowPlacement(window)) {
        Placement placement = *read;
        placement.normalPosition = rect;
        // A window that was maximised before it was minimised would otherwise come back maximised.
        if (ShowsNormal(showCommand)) placement.flags &= ~kWpfRestoreToMaximized;
        if (windows_.SetWindowPlacement(window, placement)) return true;
    }
    // The program refuses (or the window is gone): it would refuse again.
    refused_.insert(window);
    return false;
}

bool WindowPlacer::ShowAsAsked(WindowHandle window, unsigned showCommand) {
    const bool wasVisible = windows_.ShowWindow(window, showCommand);
    // Some systems keep the flag all the same: then the window is restored once more.
    if (ShowsNormal(showCommand) && IsMaximized(windows_, window))
        windows_.ShowWindow(window, showCommand);
    return wasVisible;
}

bool WindowPlacer::PlaceByHand(WindowHandle window, const Rect& rect, unsigned showCommand) {
    // A window that is minimised or maximised would forget a new position once restored, so it is
    // restored (without activating it) before it is moved; one that was maximised before it was
    // minimised needs a second restore.
    const bool wasVisible = windows_.ShowWindow(window, kSwShowNoActivate);
    if (IsMaximized(windows_, window)) windows_.ShowWindow(window, kSwShowNoActivate);
    windows_.SetWindowPos(window, kHwndTop, rect.left, rect.top, rect.Width(), rect.Height(),
                          kSwpNoZOrder | kSwpNoActivate);
    windows_.ShowWindow(window, showCommand);
    return wasVisible;
}

bool PlaceWindow(WindowManager& windows, WindowHandle window, const Rect& rect,
                 unsigned showCommand) {
    if (IsNotResponding(windows, window)) {
        return PlaceWithoutWaiting(windows, window, rect, showCommand);
    }
    return WindowPlacer(windows).Place(window, rect, showCommand);
}

namespace {

WindowOutcome MinimizeOne(WindowPlacer& placer, const WindowRecord& record, bool spareOwnDialog,
                          const std::wstring& ownTitle) {
    if (spareOwnDialog && record.winName.find(ownTitle) != std::wstring::npos) {
        return WindowOutcome::SparedWhileTopmost;
    }
    const Rect& rect = record.rcNormalPosition;
    if (placer.PlaceIfNotResponding(record.hwnd, rect, kSwShowMinimized)) {
        return WindowOutcome::NotResponding;
    }
    return placer.Minimize(record.hwnd, rect) ? WindowOutcome::Minimized
                                              : WindowOutcome::NotMinimized;
}

}  // namespace

WindowResults MinimizeAll(WindowManager& windows, const WindowSnapshot& snapshot,
                          bool spareOwnDialog, const std::wstring& ownTitle) {
    WindowResults results;
    WindowPlacer placer(windows);
    for (const WindowRecord& record : snapshot) {
        results.push_back({record, MinimizeOne(placer, record, spareOwnDialog, ownTitle)});
    }
    return results;
}

bool IsExcludedFromMaximize(const std::wstring& procPath,
                            const std::vector<std::wstring>& excludeMaxList) {
    for (const std::wstring& entry : excludeMaxList) {
        if (procPath.find(entry) != std::wstring::npos) return true;
    }
    return false;
}

WindowResults MaximizeAll(WindowManager& windows, const WindowSnapshot& snapshot,
                          const std::vector<std::wstring>& excludeMaxList) {
    WindowResults results;
    WindowPlacer placer(windows);
    for (const WindowRecord& record : snapshot) {
        if (IsExcludedFromMaximize(record.procPath, excludeMaxList)) {
            results.push_back({record, WindowOutcome::ExcludedFromMaximize});
            continue;
        }
        if (placer.PlaceIfNotResponding(record.hwnd, record.rcNormalPosition, kSwShowMaximized)) {
            results.push_back({record, WindowOutcome::NotResponding});
            continue;
        }
        placer.Place(record.hwnd, record.rcNormalPosition, kSwShowMaximized);
        results.push_back({record, windows.SetForegroundWindow(record.hwnd)
                                       ? WindowOutcome::Maximized
                                       : WindowOutcome::MaximizedNotInFront});
    }
    return results;
}

Rect TileSlot(int slot, std::int32_t left, std::int32_t top, std::int32_t width,
              std::int32_t height) {
    const std::int32_t cellWidth = (width - 10) / 3;
    const std::int32_t cellHeight = (height - 60) / 3;
    const std::int32_t x = left + (slot % 3) * (cellWidth + 5);
    const std::int32_t y = top + ((slot / 3) % 3) * (cellHeight + 5) + ((slot / 9) % 3) * 60;
    return {x, y, x + cellWidth, y + cellHeight};
}

WindowResults TileAll(WindowManager& windows, const WindowSnapshot& snapshot, const Rect& monitor,
                      const std::wstring& ownTitle) {
    WindowResults notResponding;
    int slot = 0;
    WindowPlacer placer(windows);
    for (const WindowRecord& record : snapshot) {
        if (record.winName == ownTitle) {  // the own dialog takes no slot
            placer.Place(record.hwnd, record.rcNormalPosition, kSwShowMinimized);
            continue;
        }
        const Rect tile =
            TileSlot(slot++, monitor.left, monitor.top, monitor.Width(), monitor.Height());
        // The minimise before the tile only serves the stacking, which activation builds.
        if (placer.PlaceIfNotResponding(record.hwnd, tile, kSwShowNormal)) {
            notResponding.push_back({record, WindowOutcome::NotResponding});
            continue;
        }
        placer.Minimize(record.hwnd, record.rcNormalPosition);
        placer.Place(record.hwnd, tile, kSwShowNormal);
        windows.SetForegroundWindow(record.hwnd);
    }
    return notResponding;
}

namespace {

bool StaysMinimized(const WindowRecord& record, WindowHandle keepMinimized) {
    return record.showCmd == kSwShowMinimized || record.showCmd == kSwMinimize ||
           (keepMinimized != kNoWindow && record.hwnd == keepMinimized);
}

// Minimises the window and shows it as recorded: the minimise-then-restore is what brings it to
// the front in order. What became of it.
WindowOutcome PutBack(WindowManager& windows, WindowPlacer& placer, const WindowRecord& record,
                      WindowHandle keepMinimized) {
    // A window that does not respond is put straight into its recorded state: it is not
    // activated, so the minimise that serves the stacking would gain nothing.
    const unsigned recorded = StaysMinimized(record, keepMinimized) ? kSwShowMinimized
                              : record.showCmd == kSwShowMaximized  ? kSwShowMaximized
                                                                    : kSwShowNormal;
    if (placer.PlaceIfNotResponding(record.hwnd, record.rcNormalPosition, recorded)) {
        return WindowOutcome::NotResponding;
    }
    // A window that stays minimised gets its rectangle now; any other gets it when shown.
    const bool minimised =
        StaysMinimized(record, keepMinimized)
            ? placer.Place(record.hwnd, record.rcNormalPosition, kSwShowMinimized)
            : placer.Minimize(record.hwnd, record.rcNormalPosition);
    if (keepMinimized != kNoWindow && record.hwnd == keepMinimized) {
        return WindowOutcome::KeptMinimized;
    }
    bool restored = minimised;
    switch (record.showCmd) {
        case kSwShowMinimized:
        case kSwMinimize:
            break;
        case kSwShowMaximized:
            placer.Place(record.hwnd, record.rcNormalPosition, kSwShowMaximized);
            restored = windows.SetForegroundWindow(record.hwnd);
            break;
        default:
            placer.Place(record.hwnd, record.rcNormalPosition, kSwShowNormal);
            restored = windows.SetForegroundWindow(record.hwnd);
            break;
    }
    return restored ? WindowOutcome::Restored : WindowOutcome::NotRestored;
}

bool ShownAfterApply(const WindowRecord& record) {
    return record.showCmd != kSwShowMinimized && record.showCmd != kSwMinimize;
}

// The position of the first window that is not above the one before it (bottom-most first; a
// topmost window is only compared with topmost ones), or the count when all are in order.
std::size_t FirstOutOfStacking(const WindowManager& windows,
                               const std::vector<const WindowRecord*>& bottomFirst) {
    const std::vector<WindowHandle> topFirst = windows.EnumDesktopWindows();
    // The depth of the last window seen so far in each band: normal [0], topmost [1].
    std::optional<std::ptrdiff_t> depthBelow[2];
    for (std::size_t i = 0; i < bottomFirst.size(); ++i) {
        const WindowHandle window = bottomFirst[i]->hwnd;
        const auto found = std::find(topFirst.begin(), topFirst.end(), window);
        if (found == topFirst.end()) continue;  // closed meanwhile
        const std::ptrdiff_t depth = found - topFirst.begin();
        std::optional<std::ptrdiff_t>& below =
            depthBelow[(windows.GetExtendedStyle(window) & kWsExTopmost) != 0 ? 1 : 0];
        if (below && depth > *below) return i;
        below = depth;
    }
    return bottomFirst.size();
}

}  // namespace

WindowResults ApplySnapshot(WindowManager& windows, const WindowSnapshot& snapshot,
                            WindowHandle keepMinimized) {
    WindowResults results;
    WindowPlacer placer(windows);
    std::vector<const WindowRecord*> stacked;  // put back shown, bottom-most first
    for (const WindowRecord& record : snapshot) {
        const WindowOutcome outcome = PutBack(windows, placer, record, keepMinimized);
        results.push_back({record, outcome});
        if (outcome == WindowOutcome::Restored && ShownAfterApply(record)) {
            stacked.push_back(&record);
        }
    }
    // Under Wine the program that owns a restored window handles the X expose event of the
    // restore later, on its own thread, and Wine then lifts the window over whatever covers it by
    // then: a busy program's window rises over the ones put back after it. Nothing tells when
    // that has happened, so the stacking is read back, and from the first window found too low
    // on, the windows are put back once more. On Windows the stacking holds at once.
    for (int repair = 0; repair < kStackingRepairs; ++repair) {
        const std::size_t first = FirstOutOfStacking(windows, stacked);
        if (first == stacked.size()) break;
        for (std::size_t i = first; i < stacked.size(); ++i) {
            PutBack(windows, placer, *stacked[i], keepMinimized);
        }
    }
    return results;
}

namespace {

// SetWindowPos that does not wait for a window whose program does not respond; false then.
bool SetWindowPosUnlessNotResponding(WindowManager& windows, const WindowRecord& record,
                                     WindowHandle insertAfter, unsigned flags) {
    const bool responding = !IsNotResponding(windows, record.hwnd);
    const Rect& r = record.rcNormalPosition;
    windows.SetWindowPos(record.hwnd, insertAfter, r.left, r.top, r.Width(), r.Height(),
                         responding ? flags : flags | kSwpAsyncWindowPos);
    return responding;
}

}  // namespace

bool SetTopmost(WindowManager& windows, const WindowRecord& record) {
    return SetWindowPosUnlessNotResponding(windows, record, kHwndTopmost, kSwpNoMove);
}

bool ResetTopmost(WindowManager& windows, const WindowRecord& record) {
    return SetWindowPosUnlessNotResponding(windows, record, kHwndNoTopmost,
                                           kSwpNoMove | kSwpNoSize);
}

WindowResults MoveIntoView(WindowManager& windows, const WindowSnapshot& snapshot,
                           const Rect& virtualScreen) {
    WindowResults moved;
    WindowPlacer placer(windows);
    for (const WindowRecord& record : snapshot) {
        const Rect& r = record.rcNormalPosition;
        // Monitors left of or above the primary one have negative coordinates and are in view.
        if (r.top >= virtualScreen.top && r.left >= virtualScreen.left &&
            r.bottom <= virtualScreen.bottom && r.right <= virtualScreen.right)
            continue;
        const Rect origin{0, 0, r.Width(), r.Height()};
        if (placer.PlaceIfNotResponding(record.hwnd, origin, kSwShowNormal)) {
            moved.push_back({record, WindowOutcome::NotResponding});
            continue;
        }
        placer.Place(record.hwnd, origin, kSwShowNormal);
        windows.SetForegroundWindow(record.hwnd);
        moved.push_back({record, WindowOutcome::MovedIntoView});
    }
    return moved;
}

}  // namespace tilora
