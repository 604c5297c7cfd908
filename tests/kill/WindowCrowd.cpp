// WindowCrowd.exe COUNT TITLE_LENGTH READY_FILE
// Opens COUNT visible top-level windows in this one process, each with a title of TITLE_LENGTH
// characters, writes READY_FILE once they all exist and then serves them until it is ended. An
// arrangement of such a desktop is a large file, so a save takes long enough to be interrupted.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

LRESULT CALLBACK CrowdWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(window, message, wParam, lParam);
}

// Letters from beyond Latin-1 as well, so the saved text exercises the UTF-16 encoding.
std::wstring TitleOf(int index, int length) {
    static const wchar_t kFill[] = L"abc \u00f6\u00e4\u00fc \u20ac \u0394\u03a9 xyz; #\u4e2d ";
    wchar_t head[32];
    std::swprintf(head, 32, L"Crowd %04d ", index);
    std::wstring title = head;
    for (std::size_t next = 0; static_cast<int>(title.size()) < length; ++next) {
        title += kFill[next % (sizeof(kFill) / sizeof(kFill[0]) - 1)];
    }
    return title;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) {
        std::fwprintf(stderr, L"usage: WindowCrowd.exe COUNT TITLE_LENGTH READY_FILE\n");
        return 2;
    }
    const int count = _wtoi(argv[1]);
    const int titleLength = _wtoi(argv[2]);

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = CrowdWindowProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"TiloraCrowdWindow";
    if (::RegisterClassW(&windowClass) == 0) return 1;

    for (int index = 0; index < count; ++index) {
        const int left = 40 + (index % 40) * 30;
        const int top = 40 + ((index / 40) % 20) * 30;
        HWND window = ::CreateWindowExW(
            0, windowClass.lpszClassName, TitleOf(index, titleLength).c_str(), WS_OVERLAPPEDWINDOW,
            left, top, 300, 200, nullptr, nullptr, windowClass.hInstance, nullptr);
        if (window == nullptr) return 1;
        ::ShowWindow(window, SW_SHOWNOACTIVATE);
    }

    FILE* ready = _wfopen(argv[3], L"wb");
    if (ready == nullptr) return 1;
    std::fclose(ready);

    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}
