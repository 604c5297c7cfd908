// The calls no capture can do without, as a bare loop: the enumeration, the tests that pick the
// windows, the title, the placement and the process id. No process names and no depths. The
// baseline of the timing programs that capture; and the windows of one process.
#pragma once

#include <windows.h>

#include <vector>

namespace tilora::timing {

inline BOOL CALLBACK CollectWindow(HWND window, LPARAM parameter) {
    reinterpret_cast<std::vector<HWND>*>(parameter)->push_back(window);
    return TRUE;
}

// The visible top-level windows of a process that have a title, top first.
inline std::vector<HWND> VisibleWindowsOf(DWORD processId) {
    std::vector<HWND> all;
    ::EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&all));
    std::vector<HWND> found;
    for (HWND window : all) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if (owner == processId && ::IsWindowVisible(window) && ::GetWindowTextLengthW(window) > 0)
            found.push_back(window);
    }
    return found;
}

// The number of windows a capture would record.
inline int BareCapture() {
    std::vector<HWND> windows;
    ::EnumDesktopWindows(::GetThreadDesktop(::GetCurrentThreadId()), CollectWindow,
                         reinterpret_cast<LPARAM>(&windows));
    int recorded = 0;
    for (HWND window : windows) {
        const int length = ::GetWindowTextLengthW(window);
        if (length == 0 || !::IsWindowVisible(window)) continue;
        HWND walk = ::GetAncestor(window, GA_ROOTOWNER);
        const HWND popup = ::GetLastActivePopup(walk);
        if (!::IsWindowVisible(popup) && popup != walk) continue;
        TITLEBARINFO titleBar{};
        titleBar.cbSize = sizeof(titleBar);
        ::GetTitleBarInfo(window, &titleBar);
        if ((::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0) continue;
        std::vector<wchar_t> title(static_cast<std::size_t>(length) + 1);
        ::GetWindowTextW(window, title.data(), length + 1);
        WINDOWPLACEMENT placement{};
        placement.length = sizeof(placement);
        ::GetWindowPlacement(window, &placement);
        DWORD processId = 0;
        ::GetWindowThreadProcessId(window, &processId);
        ++recorded;
    }
    return recorded;
}

}  // namespace tilora::timing
