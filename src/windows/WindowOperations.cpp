#include "windows/WindowOperations.h"

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

bool PlaceWindow(WindowManager& windows, WindowHandle window, const Rect& rect,
                 unsigned showCommand) {
    if (const std::optional<Placement> read = windows.GetWindowPlacement(window)) {
        Placement placement = *read;
        placement.normalPosition = rect;
        // A window that was maximised before it was minimised would otherwise come back maximised.
        if (ShowsNormal(showCommand)) placement.flags &= ~kWpfRestoreToMaximized;
        if (windows.SetWindowPlacement(window, placement)) {
            const bool wasVisible = windows.ShowWindow(window, showCommand);
            // Some systems keep the flag all the same: then the window is restored once more.
            if (ShowsNormal(showCommand) && IsMaximized(windows, window))
                windows.ShowWindow(window, showCommand);
            return wasVisible;
        }
    }
    // A window that is minimised or maximised would forget a new position once restored, so it is
    // restored (without activating it) before it is moved; one that was maximised before it was
    // minimised needs a second restore.
    const bool wasVisible = windows.ShowWindow(window, kSwShowNoActivate);
    if (IsMaximized(windows, window)) windows.ShowWindow(window, kSwShowNoActivate);
    windows.SetWindowPos(window, kHwndTop, rect.left, rect.top, rect.Width(), rect.Height(),
                         kSwpNoZOrder | kSwpNoActivate);
    windows.ShowWindow(window, showCommand);
    return wasVisible;
}

WindowResults MinimizeAll(WindowManager& windows, const WindowSnapshot& snapshot,
                          bool spareOwnDialog, const std::wstring& ownTitle) {
    WindowResults results;
    for (const WindowRecord& record : snapshot) {
        WindowOutcome outcome = WindowOutcome::SparedWhileTopmost;
        if (!spareOwnDialog || record.winName.find(ownTitle) == std::wstring::npos) {
            outcome = PlaceWindow(windows, record.hwnd, record.rcNormalPosition, kSwShowMinimized)
                          ? WindowOutcome::Minimized
                          : WindowOutcome::NotMinimized;
        }
        results.push_back({record, outcome});
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
    for (const WindowRecord& record : snapshot) {
        if (IsExcludedFromMaximize(record.procPath, excludeMaxList)) {
            results.push_back({record, WindowOutcome::ExcludedFromMaximize});
            continue;
        }
        PlaceWindow(windows, record.hwnd, record.rcNormalPosition, kSwShowMaximized);
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

void TileAll(WindowManager& windows, const WindowSnapshot& snapshot, const Rect& monitor,
             const std::wstring& ownTitle) {
    int slot = 0;
    for (const WindowRecord& record : snapshot) {
        PlaceWindow(windows, record.hwnd, record.rcNormalPosition, kSwShowMinimized);
        if (record.winName == ownTitle) continue;  // the own dialog takes no slot
        const Rect tile =
            TileSlot(slot++, monitor.left, monitor.top, monitor.Width(), monitor.Height());
        PlaceWindow(windows, record.hwnd, tile, kSwShowNormal);
        windows.SetForegroundWindow(record.hwnd);
    }
}

WindowResults ApplySnapshot(WindowManager& windows, const WindowSnapshot& snapshot,
                            WindowHandle keepMinimized) {
    WindowResults results;
    for (const WindowRecord& record : snapshot) {
        const bool minimised =
            PlaceWindow(windows, record.hwnd, record.rcNormalPosition, kSwShowMinimized);
        if (keepMinimized != kNoWindow && record.hwnd == keepMinimized) {
            results.push_back({record, WindowOutcome::KeptMinimized});
            continue;
        }
        bool restored = minimised;
        switch (record.showCmd) {
            case kSwShowMinimized:
            case kSwMinimize:
                break;
            case kSwShowMaximized:
                PlaceWindow(windows, record.hwnd, record.rcNormalPosition, kSwShowMaximized);
                restored = windows.SetForegroundWindow(record.hwnd);
                break;
            default:
                PlaceWindow(windows, record.hwnd, record.rcNormalPosition, kSwShowNormal);
                restored = windows.SetForegroundWindow(record.hwnd);
                break;
        }
        results.push_back(
            {record, restored ? WindowOutcome::Restored : WindowOutcome::NotRestored});
    }
    return results;
}

void SetTopmost(WindowManager& windows, const WindowRecord& record) {
    const Rect& r = record.rcNormalPosition;
    windows.SetWindowPos(record.hwnd, kHwndTopmost, r.left, r.top, r.Width(), r.Height(),
                         kSwpNoMove);
}

void ResetTopmost(WindowManager& windows, const WindowRecord& record) {
    const Rect& r = record.rcNormalPosition;
    windows.SetWindowPos(record.hwnd, kHwndNoTopmost, r.left, r.top, r.Width(), r.Height(),
                         kSwpNoMove | kSwpNoSize);
}

WindowSnapshot MoveIntoView(WindowManager& windows, const WindowSnapshot& snapshot,
                            const Rect& virtualScreen) {
    WindowSnapshot moved;
    for (const WindowRecord& record : snapshot) {
        const Rect& r = record.rcNormalPosition;
        // Monitors left of or above the primary one have negative coordinates and are in view.
        if (r.top >= virtualScreen.top && r.left >= virtualScreen.left &&
            r.bottom <= virtualScreen.bottom && r.right <= virtualScreen.right)
            continue;
        PlaceWindow(windows, record.hwnd, {0, 0, r.Width(), r.Height()}, kSwShowNormal);
        windows.SetForegroundWindow(record.hwnd);
        moved.push_back(record);
    }
    return moved;
}

}  // namespace tilora
