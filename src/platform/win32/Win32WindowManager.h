#pragma once

#include <windows.h>

#include <dwmapi.h>
#include <shellscalingapi.h>

#include "platform/WindowManager.h"
#include "platform/win32/Win32Handles.h"
#include "platform/win32/Win32SystemLibraries.h"

namespace tilora::win32 {

class Win32WindowManager : public WindowManager {
  public:
    // Process names come through the PSAPI entry points the libraries resolved. Loads
    // dwmapi.dll for the cloaked state and the visible frame (without it no window counts as
    // cloaked and none has a frame to tell), shcore.dll for the monitors' scale, and looks for
    // IsWindowArranged in user32.dll.
    explicit Win32WindowManager(const Win32SystemLibraries& libraries);

    std::vector<WindowHandle> EnumDesktopWindows() const override;
    int WindowTextLength(WindowHandle window) const override;
    std::wstring WindowText(WindowHandle window, int capacity) const override;
    std::wstring InternalWindowText(WindowHandle window, int capacity) const override;
    bool IsHungAppWindow(WindowHandle window) const override;
    std::optional<unsigned> GetWindowThreadId(WindowHandle window) const override;
    unsigned GetCurrentThreadId() const override;
    bool IsWindowVisible(WindowHandle window) const override;
    WindowHandle GetRootOwner(WindowHandle window) const override;
    WindowHandle GetLastActivePopup(WindowHandle window) const override;
    std::optional<unsigned> GetTitleBarState(WindowHandle window) const override;
    unsigned GetExtendedStyle(WindowHandle window) const override;
    bool IsWindowCloaked(WindowHandle window) const override;
    std::optional<Placement> GetWindowPlacement(WindowHandle window) const override;
    bool IsWindowArranged(WindowHandle window) const override;
    std::optional<unsigned> GetWindowProcessId(WindowHandle window) const override;

    ProcessHandle OpenProcess(unsigned processId, ProcessAccess access) override;
    std::optional<std::uint64_t> ProcessCreationTime(ProcessHandle process) const override;
    std::optional<ModuleHandle> EnumFirstProcessModule(ProcessHandle process) const override;
    std::optional<std::wstring> ModuleBaseName(ProcessHandle process,
                                               ModuleHandle module) const override;
    std::optional<std::wstring> ProcessImagePath(ProcessHandle process) const override;
    void CloseProcess(ProcessHandle process) override;

    std::vector<Rect> EnumDisplayMonitors() const override;
    Size VirtualScreenSize() const override;
    Point VirtualScreenOrigin() const override;
    MonitorHandle MonitorFromWindow(WindowHandle window) const override;
    MonitorHandle MonitorFromRect(const ScreenRect& rect) const override;
    std::optional<MonitorArea> GetMonitorArea(MonitorHandle monitor) const override;
    std::optional<unsigned> MonitorDpi(MonitorHandle monitor) const override;

    bool SetWindowPlacement(WindowHandle window, const Placement& placement) override;
    bool ShowWindow(WindowHandle window, unsigned showCommand) override;
    bool ShowWindowAsync(WindowHandle window, unsigned showCommand) override;
    bool SetForegroundWindow(WindowHandle window) override;
    WindowHandle GetForegroundWindow() const override;
    Point GetCursorPos() const override;

    std::optional<ScreenRect> GetWindowRect(WindowHandle window) const override;
    std::optional<ScreenRect> ExtendedFrameBounds(WindowHandle window) const override;
    bool SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx, int cy,
                      unsigned flags) override;
    unsigned LastError() const override;

  private:
    using DwmGetWindowAttributeFunction = decltype(&::DwmGetWindowAttribute);
    using GetDpiForMonitorFunction = decltype(&::GetDpiForMonitor);
    // Windows 10 1903 and later; the SDK headers in use do not declare it yet.
    using IsWindowArrangedFunction = BOOL(WINAPI*)(HWND);

    const Win32SystemLibraries& libraries_;
    UniqueModule dwmapi_;
    DwmGetWindowAttributeFunction getWindowAttribute_ = nullptr;
    UniqueModule shcore_;
    GetDpiForMonitorFunction getDpiForMonitor_ = nullptr;
    IsWindowArrangedFunction isWindowArranged_ = nullptr;
};

}  // namespace tilora::win32
