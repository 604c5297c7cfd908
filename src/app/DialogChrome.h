#pragma once

#include <array>
#include <string>

#include "app/ControlTables.h"
#include "commands/CommandContext.h"

namespace tilora {

// The dialog's look around its controls: the tooltips of the buttons and check boxes.
class DialogChrome {
  public:
    explicit DialogChrome(CommandContext& context) : ctx_(context) {}
    ~DialogChrome();
    DialogChrome(const DialogChrome&) = delete;
    DialogChrome& operator=(const DialogChrome&) = delete;

    // A balloon tooltip for the control; 0 without control, own window or text.
    TooltipHandle CreateTooltip(int controlId, const std::wstring& text);
    // Replace every button's tooltip by one in the language in effect.
    void RecreateButtonTooltips();
    // The same for the five check boxes.
    void RecreateCheckBoxTooltips();

  private:
    void DestroyAllTooltips();

    CommandContext& ctx_;
    std::array<TooltipHandle, kButtonCount + 1> buttonTooltipWindows_{};
    std::array<TooltipHandle, kCheckBoxTooltipControls.size()> checkBoxTooltipWindows_{};
};

}  // namespace tilora
