#pragma once

#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "platform/WindowManager.h"
#include "platform/WindowRecord.h"

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
};

struct WindowResult {
    WindowRecord record;
    WindowOutcome outcome;
};
using WindowResults = std::vector<WindowResult>;

// Whether the window belongs to another thread that has stopped taking messages. A call that
// waits for that thread (ShowWindow, a plain SetWindowPos, sending for the title) would freeze
// the dialog until the program answers, which may be never. The dialog's own thread is busy
// running this very check and is never counted.
bool IsNotResponding(const WindowManager& windows, WindowHandle window);

// PlaceWindow through the asynchronous forms of its calls, which the window's thread carries
// out in order once it takes messages again; true when the window was visible before.
bool PlaceWithoutWaiting(WindowManager& windows, WindowHandle window, const Rect& rect,
                         unsigned showCommand);
// Places the window without waiting for it when it does not respond; true when it had to. The
// caller then does not activate it: its program could not draw it in front.
bool PlaceIfNotResponding(WindowManager& windows, WindowHandle window, const Rect& rect,
                          unsigned showCommand);

// Places windows during one operation. Where the system refuses to set a window's placement (Wine
// does for windows of other processes) the window is restored, moved and then shown as asked
// instead; such a window goes straight to that fallback for the rest of the operation.
class WindowPlacer {
  public:
    explicit WindowPlacer(WindowManager& windows) : windows_(windows) {}

    // Gives the window the normal rectangle and shows it as asked; true when the window was
    // visible before.
    bool Place(WindowHandle window, const Rect& rect, unsigned showCommand);
    // Minimises the window, with the normal rectangle where the system takes the placement; the
    // fallback does not move it, so a later Place has to. True when it was visible before.
    bool Minimize(WindowHandle window, const Rect& rect);
    // The free function of the same name, for a caller that holds a placer.
    bool PlaceIfNotResponding(WindowHandle window, const Rect& rect, unsigned showCommand);

  private:
    bool SetNormalPosition(WindowHandle window, const Rect& rect, unsigned showCommand);
    bool ShowAsAsked(WindowHandle window, unsigned showCommand);
    bool PlaceByHand(WindowHandle window, const Rect& rect, unsigned showCommand);

    WindowManager& windows_;
    std::unordered_set<WindowHandle> refused_;
};

// One window placed on its own: without waiting when it does not respond, otherwise
// WindowPlacer::Place.
bool PlaceWindow(WindowManager& windows, WindowHandle window, const Rect& rect,
                 unsigned showCommand);

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
// Minimises every window of the snapshot and shows each one but the own dialog in its tile slot
// of the monitor, in the snapshot's order. Returns the windows that did not respond.
WindowResults TileAll(WindowManager& windows, const WindowSnapshot& snapshot, const Rect& monitor,
                      const std::wstring& ownTitle);

// How often Apply reads the stacking back and puts the windows found too low back once more.
inline constexpr int kStackingRepairs = 2;
// Puts each window of the snapshot back, bottom-most first, activating each in turn so that the
// recorded stacking is rebuilt, then checks that stacking and repairs it where it does not hold.
// keepMinimized (the own dialog, or none) stays minimised. One outcome per window, in order.
WindowResults ApplySnapshot(WindowManager& windows, const WindowSnapshot& snapshot,
                            WindowHandle keepMinimized);

// TOPMOST on and off for the recorded window, at its recorded place; false when the window
// does not respond and the change was only handed to its thread.
bool SetTopmost(WindowManager& windows, const WindowRecord& record);
bool ResetTopmost(WindowManager& windows, const WindowRecord& record);

// Moves every window that lies partly outside the virtual screen to (0, 0), the primary
// monitor's top-left corner, and activates it; one outcome per window it moved, with the record
// as it was.
WindowResults MoveIntoView(WindowManager& windows, const WindowSnapshot& snapshot,
                           const Rect& virtualScreen);

}  // namespace tilora
