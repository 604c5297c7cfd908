#include "windows/WindowOperations.h"

#include <algorithm>
#include <optional>

#include "windows/WorkspaceCoordinates.h"

namespace tilora {
namespace {

WantedPlacement At(const Rect& rect, unsigned showCommand, Stacking stacking) {
    return {WorkspaceRect(rect), showCommand, stacking};
}

// A placement that did not go through, as the operations report it: one that refused or does
// not respond says so, one that is gone gets the operation's own failure.
WindowResult Unplaced(const WindowRecord& record, const PlacementResult& placed,
                      WindowOutcome whenGone) {
    switch (placed.outcome) {
        case PlacementOutcome::NotResponding:
            return {record, WindowOutcome::NotResponding};
        case PlacementOutcome::Refused:
            return {record, WindowOutcome::Refused, placed.error};
        case PlacementOutcome::Placed:
        case PlacementOutcome::Gone:
            break;
    }
    return {record, whenGone};
}

bool WentThrough(const PlacementResult& placed) {
    return placed.outcome == PlacementOutcome::Placed;
}

WindowResult MinimizeOne(WindowPlacer& placer, const WindowRecord& record, bool spareOwnDialog,
                         const std::wstring& ownTitle) {
    if (spareOwnDialog && record.winName.find(ownTitle) != std::wstring::npos) {
        return {record, WindowOutcome::SparedWhileTopmost};
    }
    const PlacementResult placed = placer.Place(
        record.hwnd, At(record.rcNormalPosition, kSwShowMinimized, Stacking::Unchanged));
    if (!WentThrough(placed)) return Unplaced(record, placed, WindowOutcome::NotMinimized);
    return {record, placed.wasVisible ? WindowOutcome::Minimized : WindowOutcome::NotMinimized};
}

}  // namespace

WindowResults MinimizeAll(WindowManager& windows, const WindowSnapshot& snapshot,
                          bool spareOwnDialog, const std::wstring& ownTitle) {
    WindowResults results;
    WindowPlacer placer(windows);
    for (const WindowRecord& record : snapshot) {
        results.push_back(MinimizeOne(placer, record, spareOwnDialog, ownTitle));
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
        const PlacementResult placed = placer.Place(
            record.hwnd, At(record.rcNormalPosition, kSwShowMaximized, Stacking::Front));
        if (!WentThrough(placed)) {
            results.push_back(Unplaced(record, placed, WindowOutcome::MaximizedNotInFront));
            continue;
        }
        results.push_back({record, placed.inFront ? WindowOutcome::Maximized
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
    WindowResults unplaced;
    int slot = 0;
    WindowPlacer placer(windows);
    for (const WindowRecord& record : snapshot) {
        if (record.winName == ownTitle) {  // the own dialog takes no slot
            placer.Place(record.hwnd,
                         At(record.rcNormalPosition, kSwShowMinimized, Stacking::Unchanged));
            continue;
        }
        const ScreenRect tile(
            TileSlot(slot++, monitor.left, monitor.top, monitor.Width(), monitor.Height()));
        WantedPlacement wanted{ToWorkspace(windows, tile), kSwShowNormal, Stacking::Rebuilt};
        wanted.visibleFrame = true;
        const PlacementResult placed = placer.Place(record.hwnd, wanted);
        if (placed.outcome == PlacementOutcome::NotResponding ||
            placed.outcome == PlacementOutcome::Refused) {
            unplaced.push_back(Unplaced(record, placed, WindowOutcome::NotRestored));
        }
    }
    return unplaced;
}

namespace {

bool StaysMinimized(const WindowRecord& record, WindowHandle keepMinimized) {
    return record.showCmd == kSwShowMinimized || record.showCmd == kSwMinimize ||
           (keepMinimized != kNoWindow && record.hwnd == keepMinimized);
}

// Puts the window into its recorded state. One that is shown is minimised first and then
// activated: the minimise-then-restore is what brings it to the front in order.
WindowResult PutBack(WindowPlacer& placer, const WindowRecord& record, WindowHandle keepMinimized) {
    if (StaysMinimized(record, keepMinimized)) {
        const PlacementResult placed = placer.Place(
            record.hwnd, At(record.rcNormalPosition, kSwShowMinimized, Stacking::Unchanged));
        if (!WentThrough(placed)) return Unplaced(record, placed, WindowOutcome::NotRestored);
        if (keepMinimized != kNoWindow && record.hwnd == keepMinimized) {
            return {record, WindowOutcome::KeptMinimized};
        }
        return {record, placed.wasVisible ? WindowOutcome::Restored : WindowOutcome::NotRestored};
    }
    const unsigned show = record.showCmd == kSwShowMaximized ? kSwShowMaximized : kSwShowNormal;
    const PlacementResult placed =
        placer.Place(record.hwnd, At(record.rcNormalPosition, show, Stacking::Rebuilt));
    if (!WentThrough(placed)) return Unplaced(record, placed, WindowOutcome::NotRestored);
    return {record, placed.inFront ? WindowOutcome::Restored : WindowOutcome::NotRestored};
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
        results.push_back(PutBack(placer, record, keepMinimized));
        if (results.back().outcome == WindowOutcome::Restored && ShownAfterApply(record)) {
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
            PutBack(placer, *stacked[i], keepMinimized);
        }
    }
    return results;
}

WindowResults MoveIntoView(WindowManager& windows, const WindowSnapshot& snapshot,
                           const Rect& virtualScreen) {
    WindowResults moved;
    WindowPlacer placer(windows);
    for (const WindowRecord& record : snapshot) {
        const ScreenRect r = ToScreen(windows, WorkspaceRect(record.rcNormalPosition));
        // Monitors left of or above the primary one have negative coordinates and are in view.
        if (r.top >= virtualScreen.top && r.left >= virtualScreen.left &&
            r.bottom <= virtualScreen.bottom && r.right <= virtualScreen.right)
            continue;
        const Rect origin{0, 0, r.Width(), r.Height()};
        const PlacementResult placed =
            placer.Place(record.hwnd, At(origin, kSwShowNormal, Stacking::Front));
        moved.push_back(WentThrough(placed) ? WindowResult{record, WindowOutcome::MovedIntoView}
                                            : Unplaced(record, placed, WindowOutcome::NotRestored));
    }
    return moved;
}

}  // namespace tilora
