#include "platform/win32/Win32WindowManager.h"

#include <windows.h>

#include "platform/win32/Win32Handles.h"

namespace tilora::win32 {

WindowHandle Win32WindowManager::FindWindowByTitle(const std::wstring& title) const {
    return FromHwnd(::FindWindowW(nullptr, title.c_str()));
}

std::optional<Rect> Win32WindowManager::GetWindowRect(WindowHandle window) const {
    RECT rect{};
    if (!::GetWindowRect(ToHwnd(window), &rect)) return std::nullopt;
    return Rect{rect.left, rect.top, rect.right, rect.bottom};
}

Size Win32WindowManager::VirtualScreenSize() const {
    return {::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

bool Win32WindowManager::SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y,
                                      int cx, int cy, unsigned flags) {
    return ::SetWindowPos(ToHwnd(window), ToHwnd(insertAfter), x, y, cx, cy, flags) != FALSE;
}

}  // namespace tilora::win32
