#include "commands/BulkWindowCommands.h"

#include "commands/WindowCommands.h"
#include "platform/ControlIds.h"
#include "windows/WindowDescriptions.h"

namespace tilora {
namespace {

struct OutcomeText {
    bool refusal;  // a refusal or failure: the line starts with " ! "
    Msg message;
};

OutcomeText TextOf(WindowOutcome outcome) {
    switch (outcome) {
        case WindowOutcome::Minimized:
            return {false, Msg::WasMinimized};
        case WindowOutcome::NotMinimized:
            return {true, Msg::CouldNotMinimize};
        case WindowOutcome::SparedWhileTopmost:
            return {true, Msg::NotMinimizedTopmost};
        case WindowOutcome::Maximized:
            return {false, Msg::WasMaximized};
        case WindowOutcome::MaximizedNotInFront:
            return {true, Msg::MaximizedNotInFront};
        case WindowOutcome::ExcludedFromMaximize:
            return {true, Msg::NotMaximizedExcluded};
        case WindowOutcome::NotResponding:
            return {true, Msg::NotResponding};
        case WindowOutcome::Refused:  // worded with its code by LogRefused
        case WindowOutcome::NotRestored:
        case WindowOutcome::Restored:
        case WindowOutcome::KeptMinimized:
        case WindowOutcome::MovedIntoView:
            break;
    }
    return {true, Msg::CouldNotRestore};
}

}  // namespace

void BulkWindowCommands::CaptureAndRenewRestorePoint() {
    ctx_.model.CaptureWindows();
    ctx_.model.RenewRestorePointUnlessHeld();
}

void BulkWindowCommands::Report(const WindowResults& results) {
    for (const WindowResult& result : results) {
        if (result.outcome == WindowOutcome::Refused) {
            LogRefused(ctx_, result.record, result.error);
            continue;
        }
        const OutcomeText text = TextOf(result.outcome);
        ctx_.Log((text.refusal ? L" ! " : L"") +
                 DescribeWindowShort(result.record, ctx_.catalogue) + ctx_.Text(text.message));
    }
    ctx_.Log(MessageCatalogue::SeparatorLine());
}

void BulkWindowCommands::MinimizeAll() {
    CaptureAndRenewRestorePoint();
    Report(tilora::MinimizeAll(ctx_.windows, ctx_.model.currentSnapshot(),
                               ctx_.controls.IsChecked(IDC_CK_TOP), ctx_.model.ownTitle()));
}

void BulkWindowCommands::MaximizeAll() {
    CaptureAndRenewRestorePoint();
    Report(tilora::MaximizeAll(ctx_.windows, ctx_.model.currentSnapshot(),
                               ctx_.settings.excludeMaxList));
}

void BulkWindowCommands::TileAll() {
    CaptureAndRenewRestorePoint();
    const Monitors& monitors = ctx_.monitors;
    const std::int32_t left = monitors.Value(1, Monitors::Left);
    const std::int32_t top = monitors.Value(1, Monitors::Top);
    const Rect monitor{left, top, left + monitors.Value(1, Monitors::Width),
                       top + monitors.Value(1, Monitors::Height)};
    // Tiling writes no lines, but for the windows that did not respond or refused.
    const WindowResults unplaced =
        tilora::TileAll(ctx_.windows, ctx_.model.currentSnapshot(), monitor, ctx_.model.ownTitle());
    for (const WindowResult& result : unplaced) {
        if (result.outcome == WindowOutcome::Refused) {
            LogRefused(ctx_, result.record, result.error);
        } else {
            LogNotResponding(ctx_, result.record);
        }
    }
    ctx_.session.ownWindowRestoreDue = ctx_.clock.TickCount() + kOwnWindowRestoreDelayMs;
    ctx_.model.HoldRestorePoint();
}

void BulkWindowCommands::OwnWindowRestoreTick() {
    if (ctx_.clock.TickCount() <= ctx_.session.ownWindowRestoreDue) return;
    const WindowRecord& own = ctx_.model.ownWindowRecord();
    WindowPlacer(ctx_.windows)
        .Place(own.hwnd, {WorkspaceRect(own.rcNormalPosition), kSwShowNormal, Stacking::Front});
    ctx_.session.ownWindowRestoreDue = NEVER_DUE;
}

}  // namespace tilora
