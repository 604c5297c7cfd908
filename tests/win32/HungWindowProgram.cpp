// A program with one top-level window that stops answering on request, as a program that hangs
// does: HungWindow.exe <title>. Posting kStopAnswering to its window makes its only thread sleep
// for good, so it never takes a message again; the test that started it ends the process. After
// kRefuseMoves the window keeps its place and size, as a program that vetoes moves does.
#include <windows.h>

#include <string>

#include "HungWindow.h"

namespace {

bool refusingMoves = false;

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == tilora::win32::testing::kStopAnswering) {
        for (;;) ::Sleep(INFINITE);
    }
    if (message == tilora::win32::testing::kRefuseMoves) {
        refusingMoves = true;
        return 0;
    }
    if (message == WM_WINDOWPOSCHANGING && refusingMoves) {
        reinterpret_cast<WINDOWPOS*>(lParam)->flags |= SWP_NOMOVE | SWP_NOSIZE;
        return 0;
    }
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR commandLine, int) {
    const std::wstring title = commandLine != nullptr && *commandLine != L'\0'
                                   ? commandLine
                                   : std::wstring(tilora::win32::testing::kHungWindowTitle);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"TiloraHungWindow";
    if (::RegisterClassW(&windowClass) == 0) return 1;
    const HWND window =
        ::CreateWindowExW(0, windowClass.lpszClassName, title.c_str(), WS_OVERLAPPEDWINDOW, 200,
                          150, 400, 300, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return 1;
    ::ShowWindow(window, SW_SHOWNORMAL);
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}
