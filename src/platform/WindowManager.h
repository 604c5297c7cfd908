#pragma once

#include <optional>
#include <string>

#include "platform/PlatformTypes.h"

namespace tilora {

// The desktop's windows as user32 shows them. Each method is one Windows call.
class WindowManager {
  public:
    virtual ~WindowManager() = default;
    // FindWindowW without a class name.
    virtual WindowHandle FindWindowByTitle(const std::wstring& title) const = 0;
    // GetWindowRect; nothing when the window does not exist.
    virtual std::optional<Rect> GetWindowRect(WindowHandle window) const = 0;
    // GetSystemMetrics(SM_CXVIRTUALSCREEN / SM_CYVIRTUALSCREEN).
    virtual Size VirtualScreenSize() const = 0;
    // SetWindowPos; true on success.
    virtual bool SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx,
                              int cy, unsigned flags) = 0;
};

}  // namespace tilora
