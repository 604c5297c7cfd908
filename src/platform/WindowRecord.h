#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/PlatformTypes.h"

namespace tilora {

// insertAfter of the first record once a snapshot is sorted by depth.
inline constexpr WindowHandle kInsertAfterFirst = 1;
// insertAfter of the first record while a capture is still appending.
inline constexpr WindowHandle kInsertAfterPending = -2;

// One captured top-level window. Width and height are always computed from the rectangle.
struct WindowRecord {
    WindowHandle hwnd = kNoWindow;
    WindowHandle insertAfter = kNoWindow;
    Rect rcNormalPosition;
    std::wstring winName;
    std::wstring procName;  // lower case
    std::wstring procPath;
    std::uint32_t procID = 0;
    std::int32_t zLevel = 0;  // number of top-level windows above it
    std::uint32_t showCmd = 0;

    friend bool operator==(const WindowRecord&, const WindowRecord&) = default;
};

// Bottom-most window first after a capture.
using WindowSnapshot = std::vector<WindowRecord>;

}  // namespace tilora
