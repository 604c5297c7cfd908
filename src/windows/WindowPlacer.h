#pragma once

#include <optional>
#include <unordered_set>

#include "platform/WindowManager.h"

namespace tilora {

// Whether the window belongs to another thread that has stopped taking messages. A call that
// waits for that thread (ShowWindow, a plain SetWindowPos, sending for the title) would freeze
// the dialog until the program answers, which may be never. The dialog's own thread is busy
// running this very check and is never counted.
bool IsNotResponding(const WindowManager& windows, WindowHandle window);

// Where a placed window goes in the stacking.
enum class Stacking {
    Unchanged,
    // Brought to the foreground once it is shown.
    Front,
    // Minimised first, then shown and brought to the foreground: done to windows bottom-most
    // first, this rebuilds their stacking (under Wine activation alone does not).
    Rebuilt,
    // Into the topmost band, taking the rectangle's size while its position stays.
    Topmost,
    // Out of the topmost band; position and size stay.
    NotTopmost,
};

struct WantedPlacement {
    // The normal rectangle, in the workspace coordinates placements use.
    WorkspaceRect normal;
    // The show command the window is placed with; nothing: it is only stacked.
    std::optional<unsigned> show;
    Stacking stacking = Stacking::Unchanged;
    // The rectangle is where the window's visible frame is to be: its invisible resize borders
    // lie outside it.
    bool visibleFrame = false;
};

enum class PlacementOutcome {
    Placed,
    // The system or the window's program refused the change; nothing was changed after it.
    Refused,
    // Its program takes no messages: the change was handed to it without waiting, and the
    // window was not activated.
    NotResponding,
    Gone,
};

struct PlacementResult {
    PlacementOutcome outcome = PlacementOutcome::Placed;
    // Refused: the Windows error code, or 0 when every call succeeded but the window stayed
    // where it was.
    unsigned error = 0;
    // The window was visible before it was shown.
    bool wasVisible = false;
    // Front or Rebuilt: the window came to the foreground.
    bool inFront = false;
};

// The one way the program places, shows and stacks a window; one placer serves one operation.
// Where the system refuses a window's placement without a code (Wine does for windows of other
// processes), the window is restored, moved and then shown as asked instead, and goes straight
// to that fallback for the rest of the operation. When the monitors differ in scale, a window
// that ends on a monitor of another scale than it started on is read back and placed once more
// if it rescaled itself.
class WindowPlacer {
  public:
    explicit WindowPlacer(WindowManager& windows) : windows_(windows) {}

    PlacementResult Place(WindowHandle window, const WantedPlacement& wanted);

  private:
    PlacementResult PlaceAndShow(WindowHandle window, const Placement& before,
                                 const WantedPlacement& wanted);
    // Minimises the window, with the normal rectangle where the system takes the placement; the
    // fallback does not move it, as the step that shows it next does.
    PlacementResult MinimizeFirst(WindowHandle window, const WorkspaceRect& rect);
    PlacementResult Put(WindowHandle window, const Placement& before, const WorkspaceRect& rect,
                        unsigned showCommand);
    // True when the placement took the rectangle; otherwise error is the code of a refusal to
    // report, or 0 when the window is to be moved by hand.
    bool SetNormalPosition(WindowHandle window, const WorkspaceRect& rect, unsigned showCommand,
                           unsigned& error);
    bool ShowAsAsked(WindowHandle window, unsigned showCommand);
    PlacementResult PutByHand(WindowHandle window, const Placement& before,
                              const WorkspaceRect& rect, unsigned showCommand);
    PlacementResult HandOver(WindowHandle window, const WantedPlacement& wanted);
    PlacementResult Stack(WindowHandle window, const WantedPlacement& wanted,
                          PlacementResult result);
    // The rectangle that puts the window's visible frame at the wanted one, by the borders the
    // window has now.
    WorkspaceRect WithBorders(WindowHandle window, const WorkspaceRect& frame) const;
    // Whether any part of the rectangle lies on the monitor nearest to it.
    bool OnAMonitor(const WorkspaceRect& rect) const;
    // The scale of the monitor the window is on, asked only where the monitors differ in it.
    std::optional<unsigned> DpiIfMixed(WindowHandle window);

    WindowManager& windows_;
    std::unordered_set<WindowHandle> placementRefused_;
    std::optional<bool> mixedDpi_;
};

}  // namespace tilora
