#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/InfoLog.h"
#include "platform/Clock.h"
#include "platform/DialogControls.h"
#include "platform/WindowManager.h"
#include "text/MessageCatalogue.h"
#include "windows/Monitors.h"
#include "windows/WindowModel.h"

namespace tilora {

// The operations that change the user's windows: Minimize All, Maximize All, Tile All, putting a
// snapshot back, TOPMOST for the last active window and moving lost windows into view.
class WindowOperations {
  public:
    static constexpr std::uint64_t kOwnWindowRestoreDelayMs = 2000;

    WindowOperations(WindowManager& windows, WindowModel& model, Monitors& monitors,
                     const MessageCatalogue& catalogue, InfoLog& log, DialogControls& controls,
                     const Clock& clock, const std::vector<std::wstring>& excludeMaxList,
                     const std::wstring& separatorLine);

    // The dialog's own window, once the first paint has found it.
    void SetOwnWindow(WindowHandle ownWindow) { ownWindow_ = ownWindow; }

    // Gives the window the normal rectangle and shows it as asked; true when the window was
    // visible before. Where the system refuses to set the placement (Wine does for windows of
    // other processes) the window is restored, moved and then minimised or maximised instead.
    bool PlaceWindow(WindowHandle window, const Rect& rect, unsigned showCommand);

    void MinimizeAll();
    void MaximizeAll();
    void TileAll();
    // Puts each window of the snapshot back, bottom-most first, activating each in turn so that
    // the recorded stacking is rebuilt. With keepOwnMinimized the own dialog stays minimised.
    void ApplySnapshot(const WindowSnapshot& snapshot, bool keepOwnMinimized);
    void SetTopmost();
    void ResetTopmost();
    void MoveIntoView();

    // Served by the timer: after Tile All the own dialog comes back in front.
    void OwnWindowRestoreTick();
    std::uint64_t ownWindowRestoreDue() const { return ownWindowRestoreDue_; }

  private:
    void BulkPrologue(int buttonId);
    bool IsMaximized(WindowHandle window) const;
    // The last active window's record from a fresh capture, or nothing with the reason logged.
    const WindowRecord* LastActiveRecord();
    std::wstring Short(const WindowRecord& record) const;

    WindowManager& windows_;
    WindowModel& model_;
    Monitors& monitors_;
    const MessageCatalogue& catalogue_;
    InfoLog& log_;
    DialogControls& controls_;
    const Clock& clock_;
    const std::vector<std::wstring>& excludeMaxList_;
    const std::wstring& separatorLine_;
    WindowHandle ownWindow_ = kNoWindow;
    std::uint64_t ownWindowRestoreDue_ = NEVER_DUE;
};

// Whether any entry occurs in the process path (an empty entry occurs in every path).
bool IsExcludedFromMaximize(const std::wstring& procPath,
                            const std::vector<std::wstring>& excludeMaxList);

// The rectangle of tile slot s on a monitor at (left, top) of the given size: a 3 x 3 grid with
// 5-pixel gaps, repeated 60 and 120 pixels lower for slots 9 to 26, then from the top again.
Rect TileSlot(int slot, std::int32_t left, std::int32_t top, std::int32_t width,
              std::int32_t height);

}  // namespace tilora
