#include "app/DialogChrome.h"

namespace tilora {

DialogChrome::~DialogChrome() {
    DestroyAllTooltips();
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
            kButtonControlIds[index], ctx_.catalogue.Current(TextFamily::ButtonTooltips, index));
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
