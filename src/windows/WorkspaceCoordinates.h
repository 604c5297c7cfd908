#pragma once

#include "platform/WindowManager.h"

namespace tilora {

// Placements measure a window's normal rectangle from the work area of the monitor it lies on,
// so a taskbar docked at the top or left of that monitor shifts them against the screen
// coordinates every other call uses. Every conversion between the two goes through here.
ScreenRect ToScreen(const WindowManager& windows, const WorkspaceRect& rect);
WorkspaceRect ToWorkspace(const WindowManager& windows, const ScreenRect& rect);

}  // namespace tilora
