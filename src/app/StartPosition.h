#pragma once

#include "platform/PlatformTypes.h"

namespace tilora {

// The dialog's start position, moved to (0, 0) when it would put the dialog above the top edge,
// more than half beyond the left or right edge, or more than half below the bottom edge of the
// virtual screen. A dialog closed on a monitor left of or above the primary one reopens there.
inline Point CheckStartPosition(Point position, Size window, const Rect& virtualScreen) {
    const int halfWidth = window.width / 2;
    const int halfHeight = window.height / 2;
    const bool outside = position.y < virtualScreen.top ||
                         position.x < virtualScreen.left - halfWidth ||
                         position.x > virtualScreen.right - halfWidth ||
                         position.y > virtualScreen.bottom - halfHeight;
    return outside ? Point{0, 0} : position;
}

}  // namespace tilora
