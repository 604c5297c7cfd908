#pragma once

#include <map>
#include <string>
#include <vector>

#include "CallJournal.h"
#include "platform/WindowManager.h"

namespace tilora::testing {

// A scripted desktop of top-level windows.
class FakeWindowManager : public WindowManager {
  public:
    struct Window {
        std::wstring title;
        Rect rect;
        bool visible = true;
        bool topmost = false;
    };
    struct SetWindowPosCall {
        WindowHandle window;
        WindowHandle insertAfter;
        int x, y, cx, cy;
        unsigned flags;
    };

    explicit FakeWindowManager(CallJournal& journal) : journal_(journal) {}

    WindowHandle FindWindowByTitle(const std::wstring& title) const override;
    std::optional<Rect> GetWindowRect(WindowHandle window) const override;
    Size VirtualScreenSize() const override { return virtualScreen_; }
    bool SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx, int cy,
                      unsigned flags) override;

    // Scripting.
    WindowHandle AddWindow(const std::wstring& title, Rect rect);
    void SetVirtualScreen(Size size) { virtualScreen_ = size; }
    const Window& window(WindowHandle handle) const { return windows_.at(handle); }
    const std::vector<SetWindowPosCall>& setWindowPosCalls() const { return setWindowPosCalls_; }

  private:
    CallJournal& journal_;
    std::map<WindowHandle, Window> windows_;
    std::vector<WindowHandle> zOrder_;  // top first
    WindowHandle nextHandle_ = 0x10010;
    Size virtualScreen_{1920, 1080};
    std::vector<SetWindowPosCall> setWindowPosCalls_;
};

}  // namespace tilora::testing
