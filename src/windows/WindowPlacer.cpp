#include "windows/WindowPlacer.h"

#include "windows/WorkspaceCoordinates.h"

namespace tilora {
namespace {

bool ShowsNormal(unsigned showCommand) {
    return showCommand == kSwShowNormal || showCommand == kSwShowNoActivate ||
           showCommand == kSwRestore;
}

bool Minimizes(unsigned showCommand) {
    return showCommand == kSwShowMinimized || showCommand == kSwMinimize ||
           showCommand == kSwShowMinNoActive;
}

bool IsMaximized(const WindowManager& windows, WindowHandle window) {
    const std::optional<Placement> placement = windows.GetWindowPlacement(window);
    return placement && placement->showCmd == kSwShowMaximized;
}

PlacementResult Failed(unsigned error) {
    if (error == kErrorInvalidWindowHandle) return {PlacementOutcome::Gone};
    return {PlacementOutcome::Refused, error};
}

}  // namespace

bool IsNotResponding(const WindowManager& windows, WindowHandle window) {
    // Asked first: most windows answer, and then one call settles it.
    if (!windows.IsHungAppWindow(window)) return false;
    const std::optional<unsigned> thread = windows.GetWindowThreadId(window);
    return thread && *thread != windows.GetCurrentThreadId();
}

PlacementResult WindowPlacer::Place(WindowHandle window, const WantedPlacement& wanted) {
    if (IsNotResponding(windows_, window)) return HandOver(window, wanted);
    const std::optional<Placement> before = windows_.GetWindowPlacement(window);
    if (!before) return {PlacementOutcome::Gone};
    PlacementResult result;
    if (wanted.show) {
        result = PlaceAndShow(window, *before, wanted);
        if (result.outcome != PlacementOutcome::Placed) return result;
    }
    return Stack(window, wanted, result);
}

PlacementResult WindowPlacer::PlaceAndShow(WindowHandle window, const Placement& before,
                                           const WantedPlacement& wanted) {
    const unsigned show = *wanted.show;
    WorkspaceRect rect = wanted.normal;
    // The borders of a window shown normal are known before it moves; any other is measured
    // once it is shown in place.
    if (wanted.visibleFrame && before.showCmd == kSwShowNormal) rect = WithBorders(window, rect);
    const std::optional<unsigned> dpiBefore = DpiIfMixed(window);

    PlacementResult result;
    if (wanted.stacking == Stacking::Rebuilt && !Minimizes(show)) {
        result = MinimizeFirst(window, rect);
        if (result.outcome != PlacementOutcome::Placed) return result;
        const PlacementResult shown = Put(window, before, rect, show);
        if (shown.outcome != PlacementOutcome::Placed) return shown;
    } else {
        result = Put(window, before, rect, show);
        if (result.outcome != PlacementOutcome::Placed) return result;
    }

    // A window that rescales itself for the scale of the monitor it moved to has the wrong size
    // now; on that monitor it keeps the one given again.
    if (dpiBefore && DpiIfMixed(window) != dpiBefore) {
        const std::optional<Placement> now = windows_.GetWindowPlacement(window);
        if (now && now->normalPosition != rect) {
            const PlacementResult again = Put(window, before, rect, show);
            if (again.outcome != PlacementOutcome::Placed) return again;
        }
    }
    if (wanted.visibleFrame && ShowsNormal(show)) {
        const WorkspaceRect fitted = WithBorders(window, wanted.normal);
        if (fitted != rect) {
            rect = fitted;
            const PlacementResult again = Put(window, before, rect, show);
            if (again.outcome != PlacementOutcome::Placed) return again;
        }
    }
    if (!ShowsNormal(show) || before.normalPosition == rect) return result;
    // A program may refuse moves while every call succeeds (Wine lets it): the window is then
    // where it was.
    const std::optional<Placement> after = windows_.GetWindowPlacement(window);
    if (!after) return {PlacementOutcome::Gone};
    // Windows itself keeps a window from landing off every monitor: that is no refusal.
    if (after->showCmd == kSwShowNormal && after->normalPosition == before.normalPosition &&
        OnAMonitor(rect)) {
        return {PlacementOutcome::Refused};
    }
    return result;
}

bool WindowPlacer::OnAMonitor(const WorkspaceRect& rect) const {
    const ScreenRect screen = ToScreen(windows_, rect);
    const std::optional<MonitorArea> area =
        windows_.GetMonitorArea(windows_.MonitorFromRect(screen));
    if (!area) return true;
    const Rect& m = area->monitor;
    return screen.left < m.right && screen.right > m.left && screen.top < m.bottom &&
           screen.bottom > m.top;
}

PlacementResult WindowPlacer::MinimizeFirst(WindowHandle window, const WorkspaceRect& rect) {
    unsigned error = 0;
    if (!SetNormalPosition(window, rect, kSwShowMinimized, error) && error != 0) {
        return Failed(error);
    }
    return {PlacementOutcome::Placed, 0, windows_.ShowWindow(window, kSwShowMinimized)};
}

PlacementResult WindowPlacer::Put(WindowHandle window, const Placement& before,
                                  const WorkspaceRect& rect, unsigned showCommand) {
    unsigned error = 0;
    if (SetNormalPosition(window, rect, showCommand, error)) {
        return {PlacementOutcome::Placed, 0, ShowAsAsked(window, showCommand)};
    }
    if (error != 0) return Failed(error);
    return PutByHand(window, before, rect, showCommand);
}

bool WindowPlacer::SetNormalPosition(WindowHandle window, const WorkspaceRect& rect,
                                     unsigned showCommand, unsigned& error) {
    error = 0;
    if (placementRefused_.contains(window)) return false;
    std::optional<Placement> placement = windows_.GetWindowPlacement(window);
    if (!placement) {
        error = kErrorInvalidWindowHandle;
        return false;
    }
    placement->normalPosition = rect;
    // A window that was maximised before it was minimised would otherwise come back maximised.
    if (ShowsNormal(showCommand)) placement->flags &= ~kWpfRestoreToMaximized;
    if (windows_.SetWindowPlacement(window, *placement)) return true;
    error = windows_.LastError();
    // Refused without a code: the program's windows take no placement, now or later.
    if (error == 0) placementRefused_.insert(window);
    return false;
}

bool WindowPlacer::ShowAsAsked(WindowHandle window, unsigned showCommand) {
    const bool wasVisible = windows_.ShowWindow(window, showCommand);
    // Some systems keep the flag all the same: then the window is restored once more.
    if (ShowsNormal(showCommand) && IsMaximized(windows_, window))
        windows_.ShowWindow(window, showCommand);
    return wasVisible;
}

PlacementResult WindowPlacer::PutByHand(WindowHandle window, const Placement& before,
                                        const WorkspaceRect& rect, unsigned showCommand) {
    // Minimising a window whose normal rectangle is already the wanted one needs no move, and a
    // move would cost a restore.
    if (Minimizes(showCommand) && before.normalPosition == rect) {
        return {PlacementOutcome::Placed, 0, windows_.ShowWindow(window, showCommand)};
    }
    // A window that is minimised or maximised would forget a new position once restored, so it is
    // restored (without activating it) before it is moved; one that was maximised before it was
    // minimised needs a second restore.
    const bool wasVisible = windows_.ShowWindow(window, kSwShowNoActivate);
    if (IsMaximized(windows_, window)) windows_.ShowWindow(window, kSwShowNoActivate);
    const ScreenRect screen = ToScreen(windows_, rect);
    if (!windows_.SetWindowPos(window, kHwndTop, screen.left, screen.top, screen.Width(),
                               screen.Height(), kSwpNoZOrder | kSwpNoActivate)) {
        return Failed(windows_.LastError());
    }
    windows_.ShowWindow(window, showCommand);
    return {PlacementOutcome::Placed, 0, wasVisible};
}

PlacementResult WindowPlacer::HandOver(WindowHandle window, const WantedPlacement& wanted) {
    // Only asynchronous calls, which the window's thread carries out in order once it takes
    // messages again; the window is not asked afterwards, as nothing has happened yet.
    PlacementResult result{PlacementOutcome::NotResponding};
    result.wasVisible = windows_.IsWindowVisible(window);
    const ScreenRect screen = ToScreen(windows_, wanted.normal);
    if (wanted.show) {
        const unsigned show = *wanted.show;
        bool placed = false;
        if (std::optional<Placement> placement = windows_.GetWindowPlacement(window)) {
            placement->normalPosition = wanted.normal;
            if (ShowsNormal(show)) placement->flags &= ~kWpfRestoreToMaximized;
            placement->flags |= kWpfAsyncWindowPlacement;
            placed = windows_.SetWindowPlacement(window, *placement);
        }
        if (!placed) {
            windows_.ShowWindowAsync(window, kSwShowNoActivate);
            windows_.SetWindowPos(window, kHwndTop, screen.left, screen.top, screen.Width(),
                                  screen.Height(),
                                  kSwpNoZOrder | kSwpNoActivate | kSwpAsyncWindowPos);
        }
        windows_.ShowWindowAsync(window, show);
    }
    if (wanted.stacking == Stacking::Topmost || wanted.stacking == Stacking::NotTopmost) {
        const bool topmost = wanted.stacking == Stacking::Topmost;
        windows_.SetWindowPos(
            window, topmost ? kHwndTopmost : kHwndNoTopmost, screen.left, screen.top,
            screen.Width(), screen.Height(),
            (topmost ? kSwpNoMove : kSwpNoMove | kSwpNoSize) | kSwpAsyncWindowPos);
    }
    return result;
}

PlacementResult WindowPlacer::Stack(WindowHandle window, const WantedPlacement& wanted,
                                    PlacementResult result) {
    switch (wanted.stacking) {
        case Stacking::Unchanged:
            return result;
        case Stacking::Front:
        case Stacking::Rebuilt:
            result.inFront = windows_.SetForegroundWindow(window);
            return result;
        case Stacking::Topmost:
        case Stacking::NotTopmost:
            break;
    }
    const bool topmost = wanted.stacking == Stacking::Topmost;
    const ScreenRect screen = ToScreen(windows_, wanted.normal);
    if (windows_.SetWindowPos(window, topmost ? kHwndTopmost : kHwndNoTopmost, screen.left,
                              screen.top, screen.Width(), screen.Height(),
                              topmost ? kSwpNoMove : kSwpNoMove | kSwpNoSize)) {
        return result;
    }
    return Failed(windows_.LastError());
}

WorkspaceRect WindowPlacer::WithBorders(WindowHandle window, const WorkspaceRect& frame) const {
    const std::optional<ScreenRect> outer = windows_.GetWindowRect(window);
    const std::optional<ScreenRect> visible = windows_.ExtendedFrameBounds(window);
    if (!outer || !visible) return frame;
    return {frame.left - (visible->left - outer->left), frame.top - (visible->top - outer->top),
            frame.right + (outer->right - visible->right),
            frame.bottom + (outer->bottom - visible->bottom)};
}

std::optional<unsigned> WindowPlacer::DpiIfMixed(WindowHandle window) {
    if (!mixedDpi_) {
        mixedDpi_ = false;
        std::optional<unsigned> first;
        for (const Rect& monitor : windows_.EnumDisplayMonitors()) {
            const std::optional<unsigned> dpi =
                windows_.MonitorDpi(windows_.MonitorFromRect(ScreenRect(monitor)));
            if (!dpi) continue;
            if (first && *first != *dpi) mixedDpi_ = true;
            first = dpi;
        }
    }
    if (!*mixedDpi_) return std::nullopt;
    return windows_.MonitorDpi(windows_.MonitorFromWindow(window));
}

}  // namespace tilora
