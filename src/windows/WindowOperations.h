#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/WindowManager.h"
#include "platform/WindowRecord.h"
#include "windows/WindowPlacer.h"

namespace tilora {

// What an operation on many windows did to one of them.
enum class WindowOutcome {
    Minimized,
    NotMinimized,
    SparedWhileTopmost,  // the own dialog stays while 'Top' keeps it in front
    Maximized,
    MaximizedNotInFront,
    ExcludedFromMaximize,
    Restored,
    NotRestored,
    KeptMinimized,  // the own dialog, kept minimised after an apply
    MovedIntoView,
    // Its program takes no messages: the window was placed without waiting for it and not
    // activated.
    NotResponding,
    // The system or its program refused the change; nothing else was tried on it.
    Refused,
};

struct WindowResult {
    WindowRecord record;
    WindowOutcome outcome;
    // Refused: the Windows error code, or 0 when the window stayed where it was.
    unsigned error = 0;
};
using WindowResults = std::vector<WindowResult>;

// Minimises every window of the snapshot, in its order. With spareOwnDialog, windows whose title
// contains ownTitle are left alone.
WindowResults MinimizeAll(WindowManager& windows, const WindowSnapshot& snapshot,
                          bool spareOwnDialog, const std::wstring& ownTitle);

// Whether any entry occurs in the process path (an empty entry occurs in every path).
bool IsExcludedFromMaximize(const std::wstring& procPath,
                            const std::vector<std::wstring>& excludeMaxList);
// Maximises and activates every window of the snapshot whose process path is not excluded.
WindowResults MaximizeAll(WindowManager& windows, const WindowSnapshot& snapshot,
                          const std::vector<std::wstring>& excludeMaxList);

// The rectangle of tile slot s on a monitor at (left, top) of the given size: a 3 x 3 grid with
// 5-pixel gaps, repeated 60 and 120 pixels lower for slots 9 to 26, then from the top again.
Rect TileSlot(int slot, std::int32_t left, std::int32_t top, std::int32_t width,
              std::int32_t height);
// Minimises every window of the snapshot and shows each one but the own dialog with its visible
// frame in its tile slot of the monitor (in screen coordinates), in the snapshot's order.
// Returns the windows that did not respond or refused.
WindowResults TileAll(WindowManager& windows, const WindowSnapshot& snapshot, const Rect& monitor,
                      const std::wstring& ownTitle);

// How often Apply reads the stacking back and puts the windows found too low back once more.
inline constexpr int kStackingRepairs = 2;
// Puts each window of the snapshot back, bottom-most first, activating each in turn so that the
// recorded stacking is rebuilt, then checks that stacking and repairs it where it does not hold.
// keepMinimized (the own dialog, or none) stays minimised. One outcome per window, in order.
WindowResults ApplySnapshot(WindowManager& windows, const WindowSnapshot& snapshot,
                            WindowHandle keepMinimized);

// Moves every window that lies partly outside the virtual screen to (0, 0) of the workspace,
// the corner of the primary monitor's work area, and activates it; one outcome per window it
// moved, with the record as it was.
WindowResults MoveIntoView(WindowManager& windows, const WindowSnapshot& snapshot,
                           const Rect& virtualScreen);

}  // namespace tilora
