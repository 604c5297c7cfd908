#include "commands/WindowCommands.h"

#include "files/FileAccess.h"
#include "files/TextHelpers.h"
#include "windows/WindowDescriptions.h"
#include "windows/WindowOperations.h"

namespace tilora {

const WindowRecord* LastActiveRecord(CommandContext& ctx) {
    if (ctx.model.lastActiveWindow() == kNoWindow) {
        ctx.Log(ctx.Text(Msg::NoHandleYet));
        return nullptr;
    }
    ctx.model.CaptureWindows();
    const WindowRecord* record = ctx.model.FindRecord(ctx.model.lastActiveWindow());
    if (record == nullptr) ctx.Log(ctx.Text(Msg::LastActiveWindowGone));
    return record;
}

void LogNotResponding(CommandContext& ctx, const WindowRecord& record) {
    ctx.Log(L" ! " + DescribeWindowShort(record, ctx.catalogue) + ctx.Text(Msg::NotResponding));
}

void LogRefused(CommandContext& ctx, const WindowRecord& record, unsigned error) {
    std::wstring line = L" ! " + DescribeWindowShort(record, ctx.catalogue) +
                        ctx.Text(Msg::ChangeRefused) + FormatInteger(error);
    if (error == static_cast<unsigned>(kErrorAccessDenied)) line += ctx.Text(Msg::HigherRights);
    ctx.Log(line);
}

bool ReportUnplaced(CommandContext& ctx, const WindowRecord& record,
                    const PlacementResult& placed) {
    switch (placed.outcome) {
        case PlacementOutcome::Placed:
            return false;
        case PlacementOutcome::NotResponding:
            LogNotResponding(ctx, record);
            break;
        case PlacementOutcome::Refused:
            LogRefused(ctx, record, placed.error);
            break;
        case PlacementOutcome::Gone:
            if (record.hwnd == ctx.model.lastActiveWindow()) {
                ctx.Log(ctx.Text(Msg::LastActiveWindowGone));
            }
            break;
    }
    return true;
}

void WindowCommands::SetTopmost() {
    StackLastActive(Stacking::Topmost, Msg::NowTopmost);
}

void WindowCommands::ResetTopmost() {
    StackLastActive(Stacking::NotTopmost, Msg::NoLongerTopmost);
}

void WindowCommands::StackLastActive(Stacking stacking, Msg success) {
    const WindowRecord* record = LastActiveRecord(ctx_);
    if (record == nullptr) return;
    const PlacementResult placed =
        WindowPlacer(ctx_.windows)
            .Place(record->hwnd, {WorkspaceRect(record->rcNormalPosition), std::nullopt, stacking});
    if (ReportUnplaced(ctx_, *record, placed)) return;
    ctx_.Log(record->winName + ctx_.Text(success));
}

void WindowCommands::MoveIntoView() {
    ctx_.monitors.RefreshVirtualScreen();
    ctx_.model.CaptureWindows();
    const WindowResults moved = tilora::MoveIntoView(ctx_.windows, ctx_.model.currentSnapshot(),
                                                     ctx_.monitors.virtualScreen());
    for (const WindowResult& result : moved) {
        switch (result.outcome) {
            case WindowOutcome::MovedIntoView:
                ctx_.Log(ctx_.Text(Msg::WindowName) + result.record.winName +
                         ctx_.Text(Msg::MovedToOrigin));
                break;
            case WindowOutcome::NotResponding:
                LogNotResponding(ctx_, result.record);
                break;
            case WindowOutcome::Refused:
                LogRefused(ctx_, result.record, result.error);
                break;
            default:
                ctx_.Log(L" ! " + DescribeWindowShort(result.record, ctx_.catalogue) +
                         ctx_.Text(Msg::CouldNotRestore));
                break;
        }
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
