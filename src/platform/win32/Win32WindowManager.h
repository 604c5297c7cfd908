#pragma once

#include <windows.h>

#include <dwmapi.h>

#include "platform/WindowManager.h"
#include "platform/win32/Win32Handles.h"
#include "platform/win32/Win32SystemLibraries.h"

namespace tilora::win32 {

class Win32WindowManager : public WindowManager {
  public:
    // Process names come through the PSAPI entry points the libraries resolved. Loads
    // dwmapi.dll for the cloaked state; without it no window counts as cloaked.
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

    bool SetWindowPlacement(WindowHandle window, const Placement& placement) override;
    bool ShowWindow(WindowHandle window, unsigned showCommand) override;
    bool ShowWindowAsync(WindowHandle window, unsigned showCommand) override;
    bool SetForegroundWindow(WindowHandle window) override;
    WindowHandle GetForegroundWindow() const override;
    Point GetCursorPos() const override;

    WindowHandle FindWindowByTitle(const std::wstring& title) const override;
    std::optional<Rect> GetWindowRect(WindowHandle window) const override;
    bool SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx, int cy,
                      unsigned flags) override;

  private:
    using DwmGetWindowAttributeFunction = decltype(&::DwmGetWindowAttribute);

    const Win32SystemLibraries& libraries_;
    UniqueModule dwmapi_;
    DwmGetWindowAttributeFunction getWindowAttribute_ = nullptr;
};

}  // namespace tilora::win32
