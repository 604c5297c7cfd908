#include "app/DialogChrome.h"

#include "app/CommandTable.h"
#include "platform/ControlIds.h"
#include "windows/WorkspaceCoordinates.h"

namespace tilora {
namespace {

constexpr Rgb kButtonTextColour{0, 0, 0};

}  // namespace

DialogChrome::~DialogChrome() {
    DestroyAllTooltips();
}

void DialogChrome::BuildButtonTable() {
    BuildButtonTable(SeededDraw(SecondsSeed(ctx_.clock.LocalTime())));
}

void DialogChrome::BuildButtonTable(const RandomDraw& draw) {
    buttons_ = tilora::BuildButtonTable(draw);
    hoveredButton_ = 0;
    for (int index = 1; index <= kButtonCount; ++index) PaintButton(index);
    RefreshButtonRects();
}

void DialogChrome::RefreshButtonRects() {
    for (int index = 1; index <= kButtonCount; ++index) {
        ButtonEntry& entry = buttons_[static_cast<std::size_t>(index)];
        if (entry.controlId == 0) continue;
        entry.screenRect = ctx_.controls.ControlScreenRect(entry.controlId);
    }
}

void DialogChrome::PaintButton(int index) {
    const ButtonEntry& entry = buttons_[static_cast<std::size_t>(index)];
    if (entry.controlId == 0) return;
    const bool hovered = index == hoveredButton_;
    DialogControls& controls = ctx_.controls;
    // A high-contrast theme is chosen for legibility: its colours win over the palette.
    if (controls.HighContrast()) {
        controls.SetButtonColours(
            entry.controlId,
            hovered ? ButtonColours{controls.SystemColourOf(SystemColour::Highlight),
                                    controls.SystemColourOf(SystemColour::HighlightText)}
                    : ButtonColours{controls.SystemColourOf(SystemColour::ButtonFace),
                                    controls.SystemColourOf(SystemColour::ButtonText)});
        return;
    }
    controls.SetButtonColours(entry.controlId,
                              {hovered ? entry.hoverColour : entry.faceColour, kButtonTextColour});
}

void DialogChrome::Highlight(int index) {
    const int previous = hoveredButton_;
    hoveredButton_ = index;
    if (previous != 0) PaintButton(previous);
    PaintButton(index);
}

void DialogChrome::ClearHighlight() {
    const int previous = hoveredButton_;
    hoveredButton_ = 0;
    if (previous != 0) PaintButton(previous);
}

void DialogChrome::OnMouseLeave() {
    const int under = ButtonAt(buttons_, ctx_.windows.GetCursorPos());
    if (under != 0) Highlight(under);
}

void DialogChrome::OnMouseMove() {
    ClearHighlight();
    const WindowHandle own = ctx_.model.ownWindow();
    if (own != kNoWindow) ctx_.controls.TrackMouseLeave(own);
}

void DialogChrome::HoverTick() {
    if (hoveredButton_ == 0) return;
    const int under = ButtonAt(buttons_, ctx_.windows.GetCursorPos());
    if (under == hoveredButton_) return;
    if (under == 0) {
        ClearHighlight();
    } else {
        Highlight(under);
    }
}

void DialogChrome::OnSystemColoursChanged() {
    for (int index = 1; index <= kButtonCount; ++index) PaintButton(index);
}

void DialogChrome::OnTopClicked(bool firstPaintDone) {
    const bool topmost = ctx_.controls.IsChecked(IDC_CK_TOP);
    // Before the first capture there is no record to return to: only the check box changes,
    // and the settings store its state.
    const WindowRecord& own = ctx_.model.ownWindowRecord();
    if (own.hwnd != kNoWindow) {
        const ScreenRect place = ToScreen(ctx_.windows, WorkspaceRect(own.rcNormalPosition));
        ctx_.windows.SetWindowPos(own.hwnd, topmost ? kHwndTopmost : kHwndNoTopmost, place.left,
                                  place.top, place.Width(), place.Height(), kSwpShowWindow);
    }
    if (firstPaintDone) RefreshButtonRects();
}

TooltipHandle DialogChrome::CreateTooltip(int controlId, const std::wstring& text) {
    const WindowHandle ownWindow = ctx_.model.ownWindow();
    if (controlId == 0 || ownWindow == kNoWindow || text.empty()) return 0;
    return ctx_.controls.CreateTooltip(ownWindow, controlId, text);
}

void DialogChrome::RecreateButtonTooltips() {
    for (int index = 1; index <= kButtonCount; ++index) {
        if (buttonTooltipWindows_[index] != 0)
            ctx_.controls.DestroyTooltip(buttonTooltipWindows_[index]);
        buttonTooltipWindows_[index] = CreateTooltip(
            ButtonControlId(index), ctx_.catalogue.Current(TextFamily::ButtonTooltips, index));
    }
}

void DialogChrome::RecreateCheckBoxTooltips() {
    for (std::size_t entry = 0; entry < kCheckBoxTooltipControls.size(); ++entry) {
        if (checkBoxTooltipWindows_[entry] != 0)
            ctx_.controls.DestroyTooltip(checkBoxTooltipWindows_[entry]);
        checkBoxTooltipWindows_[entry] = CreateTooltip(
            kCheckBoxTooltipControls[entry],
            ctx_.catalogue.Current(TextFamily::CheckBoxTooltips, static_cast<int>(entry)));
    }
}

void DialogChrome::DestroyAllTooltips() {
    for (TooltipHandle& tooltip : buttonTooltipWindows_) {
        if (tooltip != 0) ctx_.controls.DestroyTooltip(tooltip);
        tooltip = 0;
    }
    for (TooltipHandle& tooltip : checkBoxTooltipWindows_) {
        if (tooltip != 0) ctx_.controls.DestroyTooltip(tooltip);
        tooltip = 0;
    }
}

}  // namespace tilora
