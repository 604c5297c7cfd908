#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/PlatformTypes.h"

namespace tilora {

// The desktop's windows, processes and monitors as user32 and kernel32 show them.
// Each method is one Windows call; loops, tests and fallbacks stay in the core.
class WindowManager {
  public:
    virtual ~WindowManager() = default;

    // EnumDesktopWindows on the calling thread's desktop: every top-level window, top first.
    virtual std::vector<WindowHandle> EnumDesktopWindows() const = 0;
    // GetWindowTextLengthW; 0 for no title.
    virtual int WindowTextLength(WindowHandle window) const = 0;
    // GetWindowTextW into a buffer of the given capacity (at most capacity - 1 characters).
    virtual std::wstring WindowText(WindowHandle window, int capacity) const = 0;
    // InternalGetWindowText into a buffer of the given capacity: the title as the system keeps
    // it, read without sending the window a message, so a program that does not answer cannot
    // block the caller.
    virtual std::wstring InternalWindowText(WindowHandle window, int capacity) const = 0;
    // IsHungAppWindow: the window's thread has taken no message for some seconds (5 on Windows
    // and under Wine) and waits for none; a message sent to it would not be answered.
    virtual bool IsHungAppWindow(WindowHandle window) const = 0;
    // GetWindowThreadProcessId's result: the thread that created the window; nothing when the
    // window is gone.
    virtual std::optional<unsigned> GetWindowThreadId(WindowHandle window) const = 0;
    // GetCurrentThreadId.
    virtual unsigned GetCurrentThreadId() const = 0;
    virtual bool IsWindowVisible(WindowHandle window) const = 0;
    // GetAncestor(GA_ROOTOWNER); 0 on failure.
    virtual WindowHandle GetRootOwner(WindowHandle window) const = 0;
    virtual WindowHandle GetLastActivePopup(WindowHandle window) const = 0;
    // GetTitleBarInfo: the title bar's state word; nothing when the call fails.
    virtual std::optional<unsigned> GetTitleBarState(WindowHandle window) const = 0;
    // GetWindowLongW(GWL_EXSTYLE).
    virtual unsigned GetExtendedStyle(WindowHandle window) const = 0;
    // DwmGetWindowAttribute(DWMWA_CLOAKED) is non-zero: the window counts as visible but is not
    // shown, as on another virtual desktop. False where the attribute cannot be read.
    virtual bool IsWindowCloaked(WindowHandle window) const = 0;
    // GetWindowPlacement: the normal rectangle in workspace coordinates.
    virtual std::optional<Placement> GetWindowPlacement(WindowHandle window) const = 0;
    // IsWindowArranged (user32, Windows 10 1903 and later, resolved at run time): the window is
    // snapped to a part of the screen, and its placement still tells the rectangle it had
    // before. False where the function is absent.
    virtual bool IsWindowArranged(WindowHandle window) const = 0;
    // GetWindowThreadProcessId; nothing when the window is gone.
    virtual std::optional<unsigned> GetWindowProcessId(WindowHandle window) const = 0;

    // OpenProcess with those rights, not inheritable; 0 when refused or when no such process runs.
    virtual ProcessHandle OpenProcess(unsigned processId, ProcessAccess access) = 0;
    // GetProcessTimes (limited rights suffice): when the opened process was created, in 100 ns
    // steps since 1601.
    virtual std::optional<std::uint64_t> ProcessCreationTime(ProcessHandle process) const = 0;
    // EnumProcessModules with room for one module: the main executable. Needs QueryAndRead.
    virtual std::optional<ModuleHandle> EnumFirstProcessModule(ProcessHandle process) const = 0;
    // GetModuleBaseNameW into 260 characters.
    virtual std::optional<std::wstring> ModuleBaseName(ProcessHandle process,
                                                       ModuleHandle module) const = 0;
    // QueryFullProcessImageNameW (flags 0, 260 characters); limited rights suffice.
    virtual std::optional<std::wstring> ProcessImagePath(ProcessHandle process) const = 0;
    virtual void CloseProcess(ProcessHandle process) = 0;

    // EnumDisplayMonitors on the screen: each monitor's rectangle, in enumeration order.
    virtual std::vector<Rect> EnumDisplayMonitors() const = 0;
    // MonitorFromWindow(MONITOR_DEFAULTTONEAREST); a minimised window counts on the monitor of
    // its normal rectangle.
    virtual MonitorHandle MonitorFromWindow(WindowHandle window) const = 0;
    // MonitorFromRect(MONITOR_DEFAULTTONEAREST): the monitor the rectangle overlaps most.
    virtual MonitorHandle MonitorFromRect(const ScreenRect& rect) const = 0;
    // GetMonitorInfoW: the monitor's rectangle and work area; nothing when the call fails.
    virtual std::optional<MonitorArea> GetMonitorArea(MonitorHandle monitor) const = 0;
    // GetDpiForMonitor(MDT_EFFECTIVE_DPI) (shcore, resolved at run time); nothing where it is
    // absent or fails.
    virtual std::optional<unsigned> MonitorDpi(MonitorHandle monitor) const = 0;
    // GetSystemMetrics(SM_CXVIRTUALSCREEN / SM_CYVIRTUALSCREEN).
    virtual Size VirtualScreenSize() const = 0;
    // GetSystemMetrics(SM_XVIRTUALSCREEN / SM_YVIRTUALSCREEN): negative when a monitor lies left
    // of or above the primary one.
    virtual Point VirtualScreenOrigin() const = 0;

    // SetWindowPlacement; false when the system refuses it, with LastError() telling why: 5 for
    // a window of a program with higher rights, 1400 for a window that is gone, and 0 where Wine
    // refuses it for every other process's window.
    virtual bool SetWindowPlacement(WindowHandle window, const Placement& placement) = 0;
    // ShowWindow; true when the window was visible before the call.
    virtual bool ShowWindow(WindowHandle window, unsigned showCommand) = 0;
    // ShowWindowAsync: the window's thread shows it later; true when the request was posted.
    virtual bool ShowWindowAsync(WindowHandle window, unsigned showCommand) = 0;
    // SetForegroundWindow; true when the window was brought to the foreground.
    virtual bool SetForegroundWindow(WindowHandle window) = 0;
    virtual WindowHandle GetForegroundWindow() const = 0;
    // GetCursorPos, in screen pixels.
    virtual Point GetCursorPos() const = 0;

    // GetWindowRect; nothing when the window does not exist.
    virtual std::optional<ScreenRect> GetWindowRect(WindowHandle window) const = 0;
    // DwmGetWindowAttribute(DWMWA_EXTENDED_FRAME_BOUNDS): the part of the window's rectangle that
    // is drawn, without the invisible resize borders. Nothing where the attribute cannot be read
    // (Wine does not give it).
    virtual std::optional<ScreenRect> ExtendedFrameBounds(WindowHandle window) const = 0;
    // SetWindowPos, with x and y in screen coordinates; true on success, otherwise LastError()
    // tells why.
    virtual bool SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx,
                              int cy, unsigned flags) = 0;
    // GetLastError after the latest SetWindowPlacement or SetWindowPos: 0 unless it set a code.
    virtual unsigned LastError() const = 0;
};

}  // namespace tilora
