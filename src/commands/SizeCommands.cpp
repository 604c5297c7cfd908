#include "commands/SizeCommands.h"

#include <optional>

#include "commands/WindowCommands.h"
#include "files/TextHelpers.h"
#include "files/UserSize.h"
#include "platform/ControlIds.h"
#include "windows/WindowOperations.h"
#include "windows/WindowPlacer.h"

namespace tilora {
namespace {

// The confirmation box carries the program's name, as the system's own boxes for it would.
constexpr wchar_t kConfirmationCaption[] = L"Tilora";

const Size kInitialPastedSize{100, 100};

// The window keeps its top-left corner. Coordinates wrap at 32 bits as they do on Windows,
// instead of overflowing for a clamped typed size or an extreme rectangle.
Rect SizedAt(const Rect& from, Size size) {
    const auto wrap = [](std::int32_t a, std::int32_t b) {
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) +
                                         static_cast<std::uint32_t>(b));
    };
    return {from.left, from.top, wrap(from.left, size.width), wrap(from.top, size.height)};
}

}  // namespace

void SizeCommands::CopySize() {
    const WindowHandle window = ctx_.model.lastActiveWindow();
    if (window == kNoWindow) {
        ctx_.Log(ctx_.Text(Msg::NoHandleYet));
        return;
    }
    const std::optional<Rect> rect = CopiedRect(window);
    // Without a rectangle there is nothing to copy: the earlier copy, if any, stays as it was.
    if (!rect) {
        ctx_.Log(ctx_.Text(Msg::LastActiveWindowGone));
        return;
    }
    SessionState& session = ctx_.session;
    session.copiedRect = *rect;
    ctx_.Log(ctx_.Text(Msg::SizeCopied) + FormatInteger(rect->Width()) + L" x " +
             FormatInteger(rect->Height()) + L" pixel.");
    session.sizeCopied = true;
    session.sizeCopiedDue = ctx_.clock.TickCount() + kCopyValidMs;
}

std::optional<Rect> SizeCommands::CopiedRect(WindowHandle window) const {
    const std::optional<Placement> placement = ctx_.windows.GetWindowPlacement(window);
    if (!placement) return std::nullopt;
    // A minimised window's rectangle is its icon and a maximised one's the screen: the size it
    // is shown at normally is the one worth pasting.
    if (placement->showCmd == kSwShowMinimized || placement->showCmd == kSwShowMaximized) {
        return placement->normalPosition;
    }
    return ctx_.windows.GetWindowRect(window);
}

Size SizeCommands::PastedSize() const {
    const SessionState& session = ctx_.session;
    if (!session.sizeCopied) return kInitialPastedSize;
    return {session.copiedRect.Width(), session.copiedRect.Height()};
}

bool SizeCommands::MayPaste() {
    if (ctx_.session.sizeCopied) return true;
    return ctx_.controls.ConfirmOkCancel(ctx_.Text(Msg::PasteConfirmation), kConfirmationCaption);
}

void SizeCommands::PasteSize() {
    if (ctx_.model.lastActiveWindow() == kNoWindow) {
        ctx_.Log(ctx_.Text(Msg::NoHandleYet));
        return;
    }
    if (!MayPaste()) return;
    // The capture comes after the box: the window may have closed while it was open.
    const WindowRecord* record = LastActiveRecord(ctx_);
    if (record == nullptr) return;
    if (PlaceAndActivate(*record, SizedAt(record->rcNormalPosition, PastedSize()))) {
        ctx_.Log(ctx_.Text(Msg::SizePasted) + record->winName + L" [" + record->procPath + L"].");
    }
}

void SizeCommands::PasteSizeToAll() {
    WindowModel& model = ctx_.model;
    if (model.lastActiveWindow() == kNoWindow) {
        ctx_.Log(ctx_.Text(Msg::NoHandleYet));
        return;
    }
    if (!MayPaste()) return;
    model.CaptureWindows();
    const Size size = PastedSize();
    // Bottom-most first, each brought to the foreground in turn: the stacking stays as it was.
    for (std::size_t index = 0; index < model.currentSnapshot().size(); ++index) {
        const WindowRecord record = model.currentSnapshot()[index];
        if (record.hwnd == model.lastActiveWindow() || record.hwnd == model.ownWindow()) continue;
        const Rect rect = SizedAt(record.rcNormalPosition, size);
        if (!PlaceAndActivate(record, rect)) continue;
        model.SetRecordedNormalRect(index, rect);
        ctx_.Log(ctx_.Text(Msg::SizePasted) + record.winName + L" [" + record.procPath + L"].");
    }
}

void SizeCommands::ApplyUserSize() {
    const WindowRecord* record = LastActiveRecord(ctx_);
    if (record == nullptr) return;
    const UserSize typed = ParseUserSize(ctx_.controls.Text(IDC_ED_USERINPUT));
    switch (typed.refusal) {
        case SizeRefusal::None:
            break;
        case SizeRefusal::NoX:
            ctx_.Log(ctx_.Text(Msg::SizeInputNoX));
            return;
        case SizeRefusal::SeveralX:
            ctx_.Log(ctx_.Text(Msg::SizeInputSeveralX));
            return;
        case SizeRefusal::InvalidCharacters:
            ctx_.Log(ctx_.Text(Msg::InvalidCharacters) + typed.invalidCharacters);
            return;
        case SizeRefusal::BelowMinimum:
            ctx_.Log(ctx_.Text(Msg::SizeInputFaulty) + ctx_.Text(Msg::MinimumSize));
            return;
    }
    PlaceAndActivate(*record, SizedAt(Rect{}, {typed.width, typed.height}));
}

bool SizeCommands::PlaceAndActivate(const WindowRecord& record, const Rect& rect) {
    const PlacementResult placed =
        WindowPlacer(ctx_.windows)
            .Place(record.hwnd, {WorkspaceRect(rect), kSwShowNormal, Stacking::Front});
    return !ReportUnplaced(ctx_, record, placed);
}

void SizeCommands::CopiedSizeTick() {
    SessionState& session = ctx_.session;
    if (ctx_.clock.TickCount() <= session.sizeCopiedDue) return;
    session.sizeCopied = false;
    session.sizeCopiedDue = NEVER_DUE;
}

}  // namespace tilora
