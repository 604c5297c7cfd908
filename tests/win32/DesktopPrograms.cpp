#include "DesktopPrograms.h"

#include <thread>

namespace tilora::win32::testing {
namespace {

struct WindowSearch {
    DWORD processId;
    const std::wstring* titlePart;
    HWND found;
};

BOOL CALLBACK FindProgramWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    if (processId != search->processId || !::IsWindowVisible(window)) return TRUE;
    wchar_t title[256] = {};
    ::GetWindowTextW(window, title, 256);
    if (std::wstring(title).find(*search->titlePart) == std::wstring::npos) return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
    }
    return true;
}

DesktopProgram::DesktopProgram(const std::wstring& commandLine, const std::wstring& titlePart,
                               const std::filesystem::path& folder) {
    std::wstring line = commandLine;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    const std::wstring directory = folder.wstring();
    // Wine under load now and then refuses to start a process (error 1359); a moment later it
    // starts it.
    bool started = false;
    for (int attempt = 0; attempt < 5 && !started; ++attempt) {
        if (attempt > 0) ::Sleep(300);
        line = commandLine;
        started = ::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   directory.empty() ? nullptr : directory.c_str(), &startup,
                                   &process_) != FALSE;
    }
    if (!started) return;
    ::WaitForInputIdle(process_.hProcess, 10000);
    WindowSearch search{process_.dwProcessId, &titlePart, nullptr};
    WaitUntil([&] {
        ::EnumWindows(FindProgramWindow, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    });
    window_ = search.found;
}

DesktopProgram::~DesktopProgram() {
    if (process_.hProcess == nullptr) return;
    ::TerminateProcess(process_.hProcess, 0);
    ::WaitForSingleObject(process_.hProcess, 5000);
    // Wine removes the window of an ended process a little later; the next test must not find
    // it, nor its handle still in use.
    if (window_ != nullptr) {
        WaitUntil([&] { return !::IsWindow(window_); }, std::chrono::seconds(5));
    }
    ::CloseHandle(process_.hThread);
    ::CloseHandle(process_.hProcess);
}

RECT WindowRect(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return rect;
}

bool DesktopProgram::PlaceAt(const RECT& rect) const {
    if (window_ == nullptr) return false;
    ::ShowWindow(window_, SW_RESTORE);
    return WaitUntil([&] {
        ::SetWindowPos(window_, nullptr, rect.left, rect.top, rect.right - rect.left,
                       rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
        const RECT now = WindowRect(window_);
        return now.left == rect.left && now.top == rect.top && now.right == rect.right &&
               now.bottom == rect.bottom;
    });
}

TestFolder::TestFolder() {
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            (L"tilora-win32-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
             std::to_wstring(counter++));
    std::error_code error;
    std::filesystem::remove_all(path_, error);
    std::filesystem::create_directories(path_);
}

TestFolder::~TestFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}

}  // namespace tilora::win32::testing
