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

void LogNotResponding(CommandContext& ctx, const WindowRecord& record) {
    ctx.Log(L" ! " + DescribeWindowShort(record, ctx.catalogue) + ctx.Text(Msg::NotResponding));
}

void WindowCommands::SetTopmost() {
    const WindowRecord* record = LastActiveRecord(ctx_, Msg::LastActiveWindowGone);
    if (record == nullptr) return;
    const bool responded = tilora::SetTopmost(ctx_.windows, *record);
    ctx_.Log(record->winName + ctx_.Text(Msg::NowTopmost));
    if (!responded) LogNotResponding(ctx_, *record);
}

void WindowCommands::ResetTopmost() {
    const WindowRecord* record = LastActiveRecord(ctx_, Msg::LastActiveWindowGone);
    if (record == nullptr) return;
    const bool responded = tilora::ResetTopmost(ctx_.windows, *record);
    ctx_.Log(record->winName + ctx_.Text(Msg::NoLongerTopmost));
    if (!responded) LogNotResponding(ctx_, *record);
}

void WindowCommands::MoveIntoView() {
    ctx_.monitors.RefreshVirtualScreen();
    ctx_.model.CaptureWindows();
    const WindowResults moved = tilora::MoveIntoView(ctx_.windows, ctx_.model.currentSnapshot(),
                                                     ctx_.monitors.virtualScreen());
    for (const WindowResult& result : moved) {
        if (result.outcome == WindowOutcome::NotResponding) {
            LogNotResponding(ctx_, result.record);
            continue;
        }
        ctx_.Log(ctx_.Text(Msg::WindowName) + result.record.winName +
                 ctx_.Text(Msg::MovedToOrigin));
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
