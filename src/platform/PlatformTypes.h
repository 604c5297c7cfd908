#pragma once

#include <cstdint>

namespace tilora {

// Wide enough for a 64-bit HWND; 0 is "no window".
using WindowHandle = std::int64_t;
inline constexpr WindowHandle kNoWindow = 0;

// Special insert-after values of SetWindowPos, with the Windows numbers.
inline constexpr WindowHandle kHwndTop = 0;
inline constexpr WindowHandle kHwndTopmost = -1;
inline constexpr WindowHandle kHwndNoTopmost = -2;

// SetWindowPos flags, with the Windows numbers.
inline constexpr unsigned kSwpNoSize = 0x0001;
inline constexpr unsigned kSwpNoMove = 0x0002;
inline constexpr unsigned kSwpNoZOrder = 0x0004;
inline constexpr unsigned kSwpNoActivate = 0x0010;
inline constexpr unsigned kSwpShowWindow = 0x0040;
// The window's own thread carries the change out; the caller does not wait for it.
inline constexpr unsigned kSwpAsyncWindowPos = 0x4000;

// The dialog result of the cancel command.
inline constexpr int kIdCancel = 2;

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    // Signed 32-bit differences that wrap instead of overflowing on extreme coordinates.
    std::int32_t Width() const { return Difference(right, left); }
    std::int32_t Height() const { return Difference(bottom, top); }
    friend bool operator==(const Rect&, const Rect&) = default;

  private:
    static std::int32_t Difference(std::int32_t a, std::int32_t b) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) -
                                         static_cast<std::uint32_t>(b));
    }
};

// A rectangle in one coordinate space. Screen coordinates are the virtual screen's pixels, as
// GetWindowRect, SetWindowPos, the monitors and the cursor use them. A top-level window's
// placement gives and takes its normal rectangle in workspace coordinates instead: screen
// coordinates less the offset of the work area of the monitor the window is on from that
// monitor's corner, which a taskbar docked at its top or left makes. The two do not convert into
// each other by themselves; windows/WorkspaceCoordinates converts them.
template <class Space>
struct RectIn : Rect {
    RectIn() = default;
    constexpr RectIn(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b)
        : Rect{l, t, r, b} {}
    constexpr explicit RectIn(const Rect& rect) : Rect(rect) {}
};
using ScreenRect = RectIn<struct ScreenSpace>;
using WorkspaceRect = RectIn<struct WorkspaceSpace>;

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// A colour as red, green and blue.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct LocalDateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// A window placement as GetWindowPlacement reports it.
struct Placement {
    unsigned flags = 0;
    unsigned showCmd = 0;
    Point minPosition;
    Point maxPosition;
    WorkspaceRect normalPosition;
    friend bool operator==(const Placement&, const Placement&) = default;
};

// A display monitor; 0 is none.
using MonitorHandle = std::int64_t;

// A monitor's rectangle and its work area: the rectangle less the taskbar and other docked bars.
struct MonitorArea {
    ScreenRect monitor;
    ScreenRect work;
};

// The dots per inch of a monitor at 100 %.
inline constexpr unsigned kDefaultDpi = 96;

// The Windows error code of a call on a window that is gone.
inline constexpr unsigned kErrorInvalidWindowHandle = 1400;

// An open process; 0 is none.
using ProcessHandle = std::int64_t;
// The rights a process is opened with, with the Windows numbers.
enum class ProcessAccess : unsigned {
    // PROCESS_QUERY_LIMITED_INFORMATION: its creation time and image path. Programs running with
    // higher rights than the caller grant it too.
    QueryLimited = 0x1000,
    // PROCESS_QUERY_INFORMATION | PROCESS_VM_READ: its modules as well, which are read from the
    // process's memory.
    QueryAndRead = 0x0410,
};
// A module of a process (its load address); 0 is none.
using ModuleHandle = std::int64_t;

// Show commands, with the Windows numbers.
inline constexpr unsigned kSwHide = 0;
inline constexpr unsigned kSwShowNormal = 1;
inline constexpr unsigned kSwShowMinimized = 2;
inline constexpr unsigned kSwShowMaximized = 3;
inline constexpr unsigned kSwShowNoActivate = 4;
inline constexpr unsigned kSwMinimize = 6;
inline constexpr unsigned kSwShowMinNoActive = 7;
inline constexpr unsigned kSwRestore = 9;

// WINDOWPLACEMENT flag: a minimised window comes back maximised when restored.
inline constexpr unsigned kWpfRestoreToMaximized = 0x0002;
// The window's own thread carries the placement out; the caller does not wait for it.
inline constexpr unsigned kWpfAsyncWindowPlacement = 0x0004;

// Window styles and states the capture and the apply test, with the Windows numbers.
inline constexpr unsigned kWsExTopmost = 0x00000008;
inline constexpr unsigned kWsExToolWindow = 0x00000080;
inline constexpr unsigned kStateSystemInvisible = 0x00008000;

// Deadlines are absolute tick counts in milliseconds; this one never comes.
inline constexpr std::uint64_t NEVER_DUE = (std::uint64_t{1} << 60) - 1;

}  // namespace tilora
