#pragma once

#include "platform/PlatformTypes.h"

namespace tilora {

// The dialog's start position, moved to (0, 0) when it would put the dialog above the top edge,
// more than half beyond the left or right edge, or more than half below the bottom edge of the
// virtual screen (taken as starting at 0, 0).
inline Point CheckStartPosition(Point position, Size window, Size virtualScreen) {
    const int halfWidth = window.width / 2;
    const int halfHeight = window.height / 2;
    const bool outside = position.y < 0 || position.x < -halfWidth ||
                         position.x > virtualScreen.width - halfWidth ||
                         position.y > virtualScreen.height - halfHeight;
    return outside ? Point{0, 0} : position;
}

}  // namespace tilora
