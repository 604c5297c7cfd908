#include "commands/WindowCommands.h"

#include "windows/WindowDescriptions.h"
#include "windows/WindowOperations.h"

namespace tilora {

const WindowRecord* LastActiveRecord(CommandContext& ctx, Msg goneMessage) {
    if (ctx.model.lastActiveWindow() == kNoWindow) {
        ctx.Log(ctx.Text(Msg::NoHandleYet));
        return nullptr;
    }
    ctx.model.CaptureWindows();
    const WindowRecord* record = ctx.model.FindRecord(ctx.model.lastActiveWindow());
    if (record == nullptr) ctx.Log(ctx.Text(goneMessage));
    return record;
}

void WindowCommands::SetTopmost() {
    const WindowRecord* record = LastActiveRecord(ctx_, Msg::LastActiveWindowGone);
    if (record == nullptr) return;
    tilora::SetTopmost(ctx_.windows, *record);
    ctx_.Log(record->winName + ctx_.Text(Msg::NowTopmost));
}

void WindowCommands::ResetTopmost() {
    const WindowRecord* record = LastActiveRecord(ctx_, Msg::LastActiveWindowGone);
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
