#include "commands/WindowCommands.h"

#include "windows/WindowDescriptions.h"
#include "windows/WindowOperations.h"

namespace tilora {

const WindowRecord* WindowCommands::LastActiveRecord() {
    if (ctx_.model.lastActiveWindow() == kNoWindow) {
        ctx_.Log(ctx_.Text(Msg::NoHandleYet));
        return nullptr;
    }
    ctx_.model.CaptureWindows();
    if (const WindowRecord* record = ctx_.model.FindRecord(ctx_.model.lastActiveWindow())) {
        return record;
    }
    // Closed since it was last active: no window call on a handle that is gone.
    ctx_.Log(ctx_.Text(Msg::LastActiveWindowGone));
    return nullptr;
}

void WindowCommands::SetTopmost() {
    const WindowRecord* record = LastActiveRecord();
    if (record == nullptr) return;
    tilora::SetTopmost(ctx_.windows, *record);
    ctx_.Log(record->winName + ctx_.Text(Msg::NowTopmost));
}

void WindowCommands::ResetTopmost() {
    const WindowRecord* record = LastActiveRecord();
    if (record == nullptr) return;
    tilora::ResetTopmost(ctx_.windows, *record);
    ctx_.Log(record->winName + ctx_.Text(Msg::NoLongerTopmost));
}

void WindowCommands::MoveIntoView() {
    ctx_.monitors.RefreshVirtualScreen();
    ctx_.model.CaptureWindows();
    const WindowSnapshot moved = tilora::MoveIntoView(ctx_.windows, ctx_.model.currentSnapshot(),
                                                      ctx_.monitors.virtualScreen());
    for (const WindowRecord& record : moved) {
        ctx_.Log(ctx_.Text(Msg::WindowName) + record.winName + ctx_.Text(Msg::MovedToOrigin));
    }
    if (moved.empty()) ctx_.Log(ctx_.Text(Msg::NoWindowMoved));
}

void WindowCommands::ListAllWindows() {
    const WindowSnapshot& snapshot = ctx_.model.currentSnapshot();
    if (snapshot.empty()) {
        ctx_.Log(ctx_.Text(Msg::NoWindowHandles));
        return;
    }
    for (const WindowRecord& record : snapshot) ctx_.Log(DescribeWindow(record, ctx_.catalogue));
}

}  // namespace tilora
