#pragma once

#include <array>
#include <string>

#include "app/ButtonTable.h"
#include "app/ControlTables.h"
#include "commands/CommandContext.h"

namespace tilora {

// The dialog's look around its controls: the colour buttons and their hover highlight, the
// tooltips of the buttons and check boxes, and 'Top'.
class DialogChrome {
  public:
    explicit DialogChrome(CommandContext& context) : ctx_(context) {}
    ~DialogChrome();
    DialogChrome(const DialogChrome&) = delete;
    DialogChrome& operator=(const DialogChrome&) = delete;

    // Colours the fourteen buttons, the faces of buttons 9 to 14 drawn with a generator seeded
    // by the time, and reads where they are.
    void BuildButtonTable();
    // The same with the given draws.
    void BuildButtonTable(const RandomDraw& draw);
    // Reads the buttons' screen rectangles anew, after the dialog has moved.
    void RefreshButtonRects();

    // The mouse left the dialog's client area, perhaps onto a button.
    void OnMouseLeave();
    // The mouse moves over the dialog's background, so over no button.
    void OnMouseMove();
    // On each timer tick: the highlight follows the mouse to another button or leaves with it.
    void HoverTick();
    // The system colours or the high-contrast setting changed: repaint every button.
    void OnSystemColoursChanged();

    // 'Top' was clicked: the dialog becomes topmost or ordinary at the place of its latest
    // capture.
    void OnTopClicked(bool firstPaintDone);

    // A balloon tooltip for the control; 0 without control, own window or text.
    TooltipHandle CreateTooltip(int controlId, const std::wstring& text);
    // Replace every button's tooltip by one in the language in effect.
    void RecreateButtonTooltips();
    // The same for the five check boxes.
    void RecreateCheckBoxTooltips();

  private:
    // Paints the button in its face or, while it is the hovered one, its hover colour.
    void PaintButton(int index);
    void Highlight(int index);
    void ClearHighlight();
    void DestroyAllTooltips();

    CommandContext& ctx_;
    ButtonTable buttons_{};
    int hoveredButton_ = 0;
    std::array<TooltipHandle, kButtonCount + 1> buttonTooltipWindows_{};
    std::array<TooltipHandle, kCheckBoxTooltipControls.size()> checkBoxTooltipWindows_{};
};

}  // namespace tilora
