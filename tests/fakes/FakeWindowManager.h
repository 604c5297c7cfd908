#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "CallJournal.h"
#include "platform/WindowManager.h"

namespace tilora::testing {

// A scripted desktop: top-level windows in z-order with owners, pop-ups, styles, titles,
// placements and processes, and any number of monitors.
class FakeWindowManager : public WindowManager {
  public:
    struct Window {
        std::wstring title;
        ScreenRect rect;  // the outer rectangle
        Placement placement;
        bool visible = true;
        bool topmost = false;
        WindowHandle owner = kNoWindow;
        WindowHandle lastActivePopup = kNoWindow;  // none: the window itself
        unsigned extendedStyle = 0;
        unsigned titleBarState = 0;
        unsigned processId = 1000;
        // Reported visible, but kept off the screen by the desktop window manager.
        bool cloaked = false;
        // The title length is reported but the text reads back empty.
        bool titleReadsEmpty = false;
        // Enumerated, but gone by the time the placement or process id is read.
        bool vanishes = false;
        // SetWindowPlacement fails, as Wine's does for windows of other processes.
        bool refusesPlacement = false;
        bool refusesForeground = false;
        // Its program closes it at the first ShowWindow, which then finds no window.
        bool closesWhenShown = false;
        // Its program handles the expose event of the window's next restore late, as a busy
        // program under Wine does: the window then rises to the top once another window has come
        // to the front.
        bool repaintsLate = false;
        // Its program has stopped taking messages: a call that waits for it would never return,
        // so the fake notes such a call in the journal as "Blocked ...".
        bool hung = false;
        unsigned threadId = 2000;
        // Every change is refused with this Windows error code, as a program running with higher
        // rights refuses them with 5; 0 for none.
        unsigned refusesWithCode = 0;
        // Its program vetoes every move and resize (WM_WINDOWPOSCHANGING) while the calls
        // succeed.
        bool keepsItsPlace = false;
        // Snapped to a part of the screen: its rectangle is not its placement's.
        bool arranged = false;
        // Its invisible resize borders: how far its rectangle reaches beyond its visible frame on
        // each side.
        Rect borders;
        // Its program rescales it by the ratio of the scales when it is moved onto a monitor of
        // another scale than the one it was laid out for (dpi).
        bool rescalesWithDpi = false;
        unsigned dpi = kDefaultDpi;
    };
    struct Process {
        std::wstring baseName;
        std::wstring imagePath;
        bool refusesOpen = false;
        bool moduleUnreadable = false;
        bool pathUnreadable = false;
        // A process started later under an id that was used before has a later creation time.
        std::uint64_t creationTime = 0;
        bool timesUnreadable = false;
        // Runs with higher rights than the program: grants the limited query rights only.
        bool runsElevated = false;
    };
    struct SetWindowPosCall {
        WindowHandle window;
        WindowHandle insertAfter;
        int x, y, cx, cy;
        unsigned flags;
    };

    // The queries a capture makes and the calls that change windows; everything else the desktop
    // answers counts as Other.
    enum class Method {
        EnumDesktopWindows,
        WindowTextLength,
        WindowText,
        IsWindowVisible,
        GetRootOwner,
        GetLastActivePopup,
        GetTitleBarState,
        GetExtendedStyle,
        IsWindowCloaked,
        IsHungAppWindow,
        InternalWindowText,
        GetWindowPlacement,
        GetWindowProcessId,
        OpenProcess,
        ProcessCreationTime,
        EnumFirstProcessModule,
        ModuleBaseName,
        ProcessImagePath,
        CloseProcess,
        SetWindowPlacement,
        ShowWindow,
        SetWindowPos,
        SetForegroundWindow,
        Other,
    };

    // The thread the program's own code runs on; give a window this threadId to make it the
    // program's own.
    static constexpr unsigned kOwnThread = 1;

    explicit FakeWindowManager(CallJournal& journal) : journal_(journal) {}

    // The platform calls answered since the desktop was made or last reset. On a real system
    // each costs far more than here, so a benchmark reports their number beside its time.
    long platformCalls() const;
    int CallsTo(Method method) const { return callCounts_[static_cast<std::size_t>(method)]; }
    void ResetCallCounts() { callCounts_.fill(0); }

    std::vector<WindowHandle> EnumDesktopWindows() const override;
    int WindowTextLength(WindowHandle window) const override;
    std::wstring WindowText(WindowHandle window, int capacity) const override;
    std::wstring InternalWindowText(WindowHandle window, int capacity) const override;
    bool IsHungAppWindow(WindowHandle window) const override;
    std::optional<unsigned> GetWindowThreadId(WindowHandle window) const override;
    unsigned GetCurrentThreadId() const override {
        Count(Method::Other);
        return kOwnThread;
    }
    bool IsWindowVisible(WindowHandle window) const override;
    WindowHandle GetRootOwner(WindowHandle window) const override;
    WindowHandle GetLastActivePopup(WindowHandle window) const override;
    std::optional<unsigned> GetTitleBarState(WindowHandle window) const override;
    unsigned GetExtendedStyle(WindowHandle window) const override;
    bool IsWindowCloaked(WindowHandle window) const override;
    std::optional<Placement> GetWindowPlacement(WindowHandle window) const override;
    bool IsWindowArranged(WindowHandle window) const override;
    std::optional<unsigned> GetWindowProcessId(WindowHandle window) const override;

    ProcessHandle OpenProcess(unsigned processId, ProcessAccess access) override;
    std::optional<std::uint64_t> ProcessCreationTime(ProcessHandle process) const override;
    std::optional<ModuleHandle> EnumFirstProcessModule(ProcessHandle process) const override;
    std::optional<std::wstring> ModuleBaseName(ProcessHandle process,
                                               ModuleHandle module) const override;
    std::optional<std::wstring> ProcessImagePath(ProcessHandle process) const override;
    void CloseProcess(ProcessHandle process) override;

    bool SetWindowPlacement(WindowHandle window, const Placement& placement) override;
    bool ShowWindow(WindowHandle window, unsigned showCommand) override;
    bool ShowWindowAsync(WindowHandle window, unsigned showCommand) override;
    bool SetForegroundWindow(WindowHandle window) override;
    WindowHandle GetForegroundWindow() const override {
        Count(Method::Other);
        return foreground_;
    }
    Point GetCursorPos() const override {
        Count(Method::Other);
        return cursor_;
    }

    std::vector<Rect> EnumDisplayMonitors() const override;
    MonitorHandle MonitorFromWindow(WindowHandle window) const override;
    MonitorHandle MonitorFromRect(const ScreenRect& rect) const override;
    std::optional<MonitorArea> GetMonitorArea(MonitorHandle monitor) const override;
    std::optional<unsigned> MonitorDpi(MonitorHandle monitor) const override;
    Size VirtualScreenSize() const override {
        Count(Method::Other);
        return virtualScreen_;
    }
    Point VirtualScreenOrigin() const override {
        Count(Method::Other);
        return virtualScreenOrigin_;
    }

    std::optional<ScreenRect> GetWindowRect(WindowHandle window) const override;
    std::optional<ScreenRect> ExtendedFrameBounds(WindowHandle window) const override;
    bool SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx, int cy,
                      unsigned flags) override;
    unsigned LastError() const override {
        Count(Method::Other);
        return lastError_;
    }

    // Scripting. New windows open on top, shown normal at their rectangle (on the screen).
    WindowHandle AddWindow(const std::wstring& title, Rect rect, unsigned processId = 1000);
    // A new window that gets the handle of one closed before, as the system may hand out again.
    WindowHandle AddWindowReusing(WindowHandle closed, const std::wstring& title, Rect rect,
                                  unsigned processId);
    Window& window(WindowHandle handle) { return windows_.at(handle); }
    const Window& window(WindowHandle handle) const { return windows_.at(handle); }
    // Replaces any process of that id, as when the id is given to a new process.
    void AddProcess(unsigned processId, Process process) {
        processes_[processId] = std::move(process);
    }
    // Monitors at 100 %, each with the whole of it as its work area.
    void SetMonitors(const std::vector<Rect>& monitors);
    // A taskbar docked at the top or left of the monitor starts its work area off its corner.
    void SetWorkArea(std::size_t monitor, const Rect& work) {
        monitors_.at(monitor).work = ScreenRect(work);
    }
    void SetMonitorDpi(std::size_t monitor, unsigned dpi) { monitors_.at(monitor).dpi = dpi; }
    void SetVirtualScreen(Size size) { virtualScreen_ = size; }
    void SetVirtualScreen(Point origin, Size size) {
        virtualScreenOrigin_ = origin;
        virtualScreen_ = size;
    }
    void SetForeground(WindowHandle window) { foreground_ = window; }
    void SetCursor(Point point) { cursor_ = point; }
    // Removes the window, as when its program closes it.
    void CloseWindow(WindowHandle window);
    // Shown state in the placement's terms: 1 normal, 2 minimised, 3 maximised.
    unsigned ShowState(WindowHandle window) const { return window_(window).placement.showCmd; }
    // In workspace coordinates, as the placement tells it.
    const Rect& NormalRect(WindowHandle window) const {
        return window_(window).placement.normalPosition;
    }
    // Top first.
    const std::vector<WindowHandle>& zOrder() const { return zOrder_; }
    const std::vector<SetWindowPosCall>& setWindowPosCalls() const { return setWindowPosCalls_; }
    int openProcesses() const { return static_cast<int>(openProcesses_.size()); }

  private:
    const Window& window_(WindowHandle handle) const { return windows_.at(handle); }
    const Window* Find(WindowHandle handle) const;
    // ShowWindow's effect on the window, which exists; true when it was visible before.
    bool Show(WindowHandle window, unsigned showCommand);
    // Notes a call that would wait for the window's program; true when that program is hung.
    bool Blocks(const char* call, WindowHandle window) const;
    std::string Name(WindowHandle handle) const;
    // To the top of its band: a window that is not topmost stays below the topmost ones.
    void RaiseToTop(WindowHandle handle);
    // The process behind an open handle; null for a handle without the rights.
    const Process* OpenedProcess(ProcessHandle process,
                                 ProcessAccess needed = ProcessAccess::QueryLimited) const;
    // The monitor the rectangle overlaps most, or the nearest one; -1 without monitors.
    int MonitorIndex(const Rect& rect) const;
    // The offset of the work area from the corner of the monitor the rectangle lies on.
    Point WorkAreaOffset(const Rect& rect) const;
    ScreenRect ScreenOf(const WorkspaceRect& rect) const;
    WorkspaceRect WorkspaceOf(const ScreenRect& rect) const;
    // Shows the window normal at its normal rectangle, rescaled where its program rescales it.
    void ShowNormalAtPlacement(Window& target);
    // The window has just moved to rect, shown normal; its program may rescale it.
    void MoveNormal(Window& target, ScreenRect rect);
    unsigned DpiAt(const Rect& rect) const;
    // Whether the window refuses changes: notes the code for LastError.
    bool Refuses(const Window& target);

    void Count(Method method) const { ++callCounts_[static_cast<std::size_t>(method)]; }

    CallJournal& journal_;
    mutable std::array<int, static_cast<std::size_t>(Method::Other) + 1> callCounts_{};
    std::map<WindowHandle, Window> windows_;
    std::vector<WindowHandle> zOrder_;
    std::map<unsigned, Process> processes_;
    std::map<ProcessHandle, std::pair<unsigned, ProcessAccess>> openProcesses_;
    ProcessHandle nextProcessHandle_ = 0x700;
    WindowHandle nextHandle_ = 0x10010;
    struct Monitor {
        ScreenRect rect;
        ScreenRect work;
        unsigned dpi = kDefaultDpi;
    };
    std::vector<Monitor> monitors_{{{0, 0, 1920, 1080}, {0, 0, 1920, 1080}}};
    unsigned lastError_ = 0;
    Size virtualScreen_{1920, 1080};
    Point virtualScreenOrigin_;
    WindowHandle foreground_ = kNoWindow;
    WindowHandle lateRepaint_ = kNoWindow;
    Point cursor_;
    std::vector<SetWindowPosCall> setWindowPosCalls_;
};

}  // namespace tilora::testing
