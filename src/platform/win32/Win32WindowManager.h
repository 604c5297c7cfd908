#pragma once

#include "platform/WindowManager.h"

namespace tilora::win32 {

class Win32WindowManager : public WindowManager {
  public:
    WindowHandle FindWindowByTitle(const std::wstring& title) const override;
    std::optional<Rect> GetWindowRect(WindowHandle window) const override;
    Size VirtualScreenSize() const override;
    bool SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx, int cy,
                      unsigned flags) override;
};

}  // namespace tilora::win32
