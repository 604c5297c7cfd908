#pragma once

#include <array>
#include <string>

#include "app/ControlTables.h"
#include "platform/DialogControls.h"
#include "text/MessageCatalogue.h"

namespace tilora {

// The dialog's look around its controls: the tooltips of the buttons and check boxes.
class DialogChrome {
  public:
    DialogChrome(DialogControls& controls, const MessageCatalogue& catalogue);
    ~DialogChrome();
    DialogChrome(const DialogChrome&) = delete;
    DialogChrome& operator=(const DialogChrome&) = delete;

    // The dialog's own window, once the first paint has found it.
    void SetOwnWindow(WindowHandle ownWindow) { ownWindow_ = ownWindow; }

    // A balloon tooltip for the control; 0 without control, own window or text.
    TooltipHandle CreateTooltip(int controlId, const std::wstring& text);
    // Replace every button's tooltip by one in the language in effect.
    void RecreateButtonTooltips();
    // The same for the five check boxes.
    void RecreateCheckBoxTooltips();

    TooltipHandle buttonTooltipWindow(int buttonIndex) const {
        return buttonTooltipWindows_[buttonIndex];
    }

  private:
    void DestroyAllTooltips();

    DialogControls& controls_;
    const MessageCatalogue& catalogue_;
    WindowHandle ownWindow_ = kNoWindow;
    std::array<TooltipHandle, kButtonCount + 1> buttonTooltipWindows_{};
    std::array<TooltipHandle, kCheckBoxTooltipControls.size()> checkBoxTooltipWindows_{};
};

}  // namespace tilora
