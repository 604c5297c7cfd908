#include "platform/win32/Win32WindowManager.h"

#include <windows.h>

#include <vector>

#include "platform/win32/Win32Handles.h"

namespace tilora::win32 {
namespace {

static_assert(static_cast<DWORD>(ProcessAccess::QueryLimited) == PROCESS_QUERY_LIMITED_INFORMATION);
static_assert(static_cast<DWORD>(ProcessAccess::QueryAndRead) ==
              (PROCESS_QUERY_INFORMATION | PROCESS_VM_READ));
constexpr DWORD kNameCapacity = 260;

using EnumProcessModulesFunction = BOOL(WINAPI*)(HANDLE, HMODULE*, DWORD, LPDWORD);
using GetModuleBaseNameFunction = DWORD(WINAPI*)(HANDLE, HMODULE, LPWSTR, DWORD);

HANDLE ToProcess(ProcessHandle process) {
    return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(process));
}

Rect FromRect(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

HMONITOR ToMonitor(MonitorHandle monitor) {
    return reinterpret_cast<HMONITOR>(static_cast<std::intptr_t>(monitor));
}

MonitorHandle FromMonitor(HMONITOR monitor) {
    return static_cast<MonitorHandle>(reinterpret_cast<std::intptr_t>(monitor));
}

// An entry point as the function type it has.
template <typename Function>
Function EntryPoint(HMODULE module, const char* name) {
    if (module == nullptr) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM parameter) {
    reinterpret_cast<std::vector<WindowHandle>*>(parameter)->push_back(FromHwnd(window));
    return TRUE;
}

BOOL CALLBACK CollectMonitor(HMONITOR, HDC, LPRECT rect, LPARAM parameter) {
    reinterpret_cast<std::vector<Rect>*>(parameter)->push_back(FromRect(*rect));
    return TRUE;
}

// The screen's device context for as long as the object lives.
class ScreenDc {
  public:
    ScreenDc() : dc_(::GetDC(nullptr)) {}
    ~ScreenDc() {
        if (dc_ != nullptr) ::ReleaseDC(nullptr, dc_);
    }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC get() const { return dc_; }

  private:
    HDC dc_;
};

}  // namespace

Win32WindowManager::Win32WindowManager(const Win32SystemLibraries& libraries)
    : libraries_(libraries),
      // From the system folder only, so that no file of that name beside the program is loaded.
      dwmapi_(::LoadLibraryExW(L"dwmapi.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)),
      shcore_(::LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
    getWindowAttribute_ =
        EntryPoint<DwmGetWindowAttributeFunction>(dwmapi_.Get(), "DwmGetWindowAttribute");
    getDpiForMonitor_ = EntryPoint<GetDpiForMonitorFunction>(shcore_.Get(), "GetDpiForMonitor");
    isWindowArranged_ =
        EntryPoint<IsWindowArrangedFunction>(::GetModuleHandleW(L"user32.dll"), "IsWindowArranged");
}

std::vector<WindowHandle> Win32WindowManager::EnumDesktopWindows() const {
    std::vector<WindowHandle> windows;
    ::EnumDesktopWindows(::GetThreadDesktop(::GetCurrentThreadId()), CollectWindow,
                         reinterpret_cast<LPARAM>(&windows));
    return windows;
}

int Win32WindowManager::WindowTextLength(WindowHandle window) const {
    return ::GetWindowTextLengthW(ToHwnd(window));
}

std::wstring Win32WindowManager::WindowText(WindowHandle window, int capacity) const {
    if (capacity <= 0) return std::wstring();
    std::vector<wchar_t> buffer(static_cast<std::size_t>(capacity), L'\0');
    const int copied = ::GetWindowTextW(ToHwnd(window), buffer.data(), capacity);
    return std::wstring(buffer.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

std::wstring Win32WindowManager::InternalWindowText(WindowHandle window, int capacity) const {
    if (capacity <= 0) return std::wstring();
    std::vector<wchar_t> buffer(static_cast<std::size_t>(capacity), L'\0');
    const int copied = ::InternalGetWindowText(ToHwnd(window), buffer.data(), capacity);
    return std::wstring(buffer.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

bool Win32WindowManager::IsHungAppWindow(WindowHandle window) const {
    return ::IsHungAppWindow(ToHwnd(window)) != FALSE;
}

std::optional<unsigned> Win32WindowManager::GetWindowThreadId(WindowHandle window) const {
    const DWORD thread = ::GetWindowThreadProcessId(ToHwnd(window), nullptr);
    if (thread == 0) return std::nullopt;
    return static_cast<unsigned>(thread);
}

unsigned Win32WindowManager::GetCurrentThreadId() const {
    return static_cast<unsigned>(::GetCurrentThreadId());
}

bool Win32WindowManager::IsWindowVisible(WindowHandle window) const {
    return ::IsWindowVisible(ToHwnd(window)) != FALSE;
}

WindowHandle Win32WindowManager::GetRootOwner(WindowHandle window) const {
    return FromHwnd(::GetAncestor(ToHwnd(window), GA_ROOTOWNER));
}

WindowHandle Win32WindowManager::GetLastActivePopup(WindowHandle window) const {
    return FromHwnd(::GetLastActivePopup(ToHwnd(window)));
}

std::optional<unsigned> Win32WindowManager::GetTitleBarState(WindowHandle window) const {
    TITLEBARINFO info{};
    info.cbSize = sizeof(info);
    if (!::GetTitleBarInfo(ToHwnd(window), &info)) return std::nullopt;
    return static_cast<unsigned>(info.rgstate[0]);
}

unsigned Win32WindowManager::GetExtendedStyle(WindowHandle window) const {
    return static_cast<unsigned>(::GetWindowLongW(ToHwnd(window), GWL_EXSTYLE));
}

bool Win32WindowManager::IsWindowCloaked(WindowHandle window) const {
    if (getWindowAttribute_ == nullptr) return false;
    DWORD cloaked = 0;
    if (FAILED(getWindowAttribute_(ToHwnd(window), DWMWA_CLOAKED, &cloaked, sizeof(cloaked)))) {
        return false;
    }
    return cloaked != 0;
}

std::optional<Placement> Win32WindowManager::GetWindowPlacement(WindowHandle window) const {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (!::GetWindowPlacement(ToHwnd(window), &placement)) return std::nullopt;
    return Placement{placement.flags,
                     placement.showCmd,
                     {placement.ptMinPosition.x, placement.ptMinPosition.y},
                     {placement.ptMaxPosition.x, placement.ptMaxPosition.y},
                     WorkspaceRect(FromRect(placement.rcNormalPosition))};
}

bool Win32WindowManager::IsWindowArranged(WindowHandle window) const {
    return isWindowArranged_ != nullptr && isWindowArranged_(ToHwnd(window)) != FALSE;
}

std::optional<unsigned> Win32WindowManager::GetWindowProcessId(WindowHandle window) const {
    DWORD processId = 0;
    if (::GetWindowThreadProcessId(ToHwnd(window), &processId) == 0) return std::nullopt;
    return static_cast<unsigned>(processId);
}

ProcessHandle Win32WindowManager::OpenProcess(unsigned processId, ProcessAccess access) {
    const HANDLE process = ::OpenProcess(static_cast<DWORD>(access), FALSE, processId);
    return static_cast<ProcessHandle>(reinterpret_cast<std::intptr_t>(process));
}

std::optional<std::uint64_t> Win32WindowManager::ProcessCreationTime(ProcessHandle process) const {
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!::GetProcessTimes(ToProcess(process), &created, &exited, &kernel, &user)) {
        return std::nullopt;
    }
    return (static_cast<std::uint64_t>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

std::optional<ModuleHandle> Win32WindowManager::EnumFirstProcessModule(
    ProcessHandle process) const {
    const auto enumModules = reinterpret_cast<EnumProcessModulesFunction>(
        reinterpret_cast<void (*)()>(libraries_.EntryPoint(L"PSAPI.DLL", "EnumProcessModules")));
    if (enumModules == nullptr) return std::nullopt;
    HMODULE module = nullptr;
    DWORD needed = 0;
    if (!enumModules(ToProcess(process), &module, sizeof(module), &needed)) return std::nullopt;
    return static_cast<ModuleHandle>(reinterpret_cast<std::intptr_t>(module));
}

std::optional<std::wstring> Win32WindowManager::ModuleBaseName(ProcessHandle process,
                                                               ModuleHandle module) const {
    const auto baseName = reinterpret_cast<GetModuleBaseNameFunction>(
        reinterpret_cast<void (*)()>(libraries_.EntryPoint(L"PSAPI.DLL", "GetModuleBaseNameW")));
    if (baseName == nullptr) return std::nullopt;
    wchar_t buffer[kNameCapacity] = {};
    const DWORD length =
        baseName(ToProcess(process), reinterpret_cast<HMODULE>(static_cast<std::intptr_t>(module)),
                 buffer, kNameCapacity);
    if (length == 0) return std::nullopt;
    return std::wstring(buffer, length);
}

std::optional<std::wstring> Win32WindowManager::ProcessImagePath(ProcessHandle process) const {
    wchar_t buffer[kNameCapacity] = {};
    DWORD size = kNameCapacity;
    if (!::QueryFullProcessImageNameW(ToProcess(process), 0, buffer, &size)) return std::nullopt;
    return std::wstring(buffer, size);
}

void Win32WindowManager::CloseProcess(ProcessHandle process) {
    if (process != 0) ::CloseHandle(ToProcess(process));
}

std::vector<Rect> Win32WindowManager::EnumDisplayMonitors() const {
    std::vector<Rect> monitors;
    const ScreenDc screen;
    ::EnumDisplayMonitors(screen.get(), nullptr, CollectMonitor,
                          reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

Size Win32WindowManager::VirtualScreenSize() const {
    return {::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

Point Win32WindowManager::VirtualScreenOrigin() const {
    return {::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN)};
}

MonitorHandle Win32WindowManager::MonitorFromWindow(WindowHandle window) const {
    return FromMonitor(::MonitorFromWindow(ToHwnd(window), MONITOR_DEFAULTTONEAREST));
}

MonitorHandle Win32WindowManager::MonitorFromRect(const ScreenRect& rect) const {
    const RECT native{rect.left, rect.top, rect.right, rect.bottom};
    return FromMonitor(::MonitorFromRect(&native, MONITOR_DEFAULTTONEAREST));
}

std::optional<MonitorArea> Win32WindowManager::GetMonitorArea(MonitorHandle monitor) const {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!::GetMonitorInfoW(ToMonitor(monitor), &info)) return std::nullopt;
    return MonitorArea{ScreenRect(FromRect(info.rcMonitor)), ScreenRect(FromRect(info.rcWork))};
}

std::optional<unsigned> Win32WindowManager::MonitorDpi(MonitorHandle monitor) const {
    if (getDpiForMonitor_ == nullptr) return std::nullopt;
    UINT dpiX = 0;
    UINT dpiY = 0;
    if (FAILED(getDpiForMonitor_(ToMonitor(monitor), MDT_EFFECTIVE_DPI, &dpiX, &dpiY))) {
        return std::nullopt;
    }
    return static_cast<unsigned>(dpiX);
}

bool Win32WindowManager::SetWindowPlacement(WindowHandle window, const Placement& placement) {
    WINDOWPLACEMENT native{};
    native.length = sizeof(native);
    native.flags = placement.flags;
    native.showCmd = placement.showCmd;
    native.ptMinPosition = {placement.minPosition.x, placement.minPosition.y};
    native.ptMaxPosition = {placement.maxPosition.x, placement.maxPosition.y};
    const Rect& r = placement.normalPosition;
    native.rcNormalPosition = {r.left, r.top, r.right, r.bottom};
    // Wine refuses other processes' windows without setting a code: none is then 0.
    ::SetLastError(ERROR_SUCCESS);
    return ::SetWindowPlacement(ToHwnd(window), &native) != FALSE;
}

bool Win32WindowManager::ShowWindow(WindowHandle window, unsigned showCommand) {
    return ::ShowWindow(ToHwnd(window), static_cast<int>(showCommand)) != FALSE;
}

bool Win32WindowManager::ShowWindowAsync(WindowHandle window, unsigned showCommand) {
    return ::ShowWindowAsync(ToHwnd(window), static_cast<int>(showCommand)) != FALSE;
}

bool Win32WindowManager::SetForegroundWindow(WindowHandle window) {
    return ::SetForegroundWindow(ToHwnd(window)) != FALSE;
}

WindowHandle Win32WindowManager::GetForegroundWindow() const {
    return FromHwnd(::GetForegroundWindow());
}

Point Win32WindowManager::GetCursorPos() const {
    POINT point{};
    ::GetCursorPos(&point);
    return {point.x, point.y};
}

std::optional<ScreenRect> Win32WindowManager::GetWindowRect(WindowHandle window) const {
    RECT rect{};
    if (!::GetWindowRect(ToHwnd(window), &rect)) return std::nullopt;
    return ScreenRect(FromRect(rect));
}

std::optional<ScreenRect> Win32WindowManager::ExtendedFrameBounds(WindowHandle window) const {
    if (getWindowAttribute_ == nullptr) return std::nullopt;
    RECT frame{};
    if (FAILED(getWindowAttribute_(ToHwnd(window), DWMWA_EXTENDED_FRAME_BOUNDS, &frame,
                                   sizeof(frame)))) {
        return std::nullopt;
    }
    return ScreenRect(FromRect(frame));
}

bool Win32WindowManager::SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y,
                                      int cx, int cy, unsigned flags) {
    ::SetLastError(ERROR_SUCCESS);
    return ::SetWindowPos(ToHwnd(window), ToHwnd(insertAfter), x, y, cx, cy, flags) != FALSE;
}

unsigned Win32WindowManager::LastError() const {
    return static_cast<unsigned>(::GetLastError());
}

}  // namespace tilora::win32
