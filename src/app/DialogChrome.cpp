#include "app/DialogChrome.h"

namespace tilora {

DialogChrome::DialogChrome(DialogControls& controls, const MessageCatalogue& catalogue)
    : controls_(controls), catalogue_(catalogue) {}

DialogChrome::~DialogChrome() {
    DestroyAllTooltips();
}

TooltipHandle DialogChrome::CreateTooltip(int controlId, const std::wstring& text) {
    if (controlId == 0 || ownWindow_ == kNoWindow || text.empty()) return 0;
    return controls_.CreateTooltip(ownWindow_, controlId, text);
}

void DialogChrome::RecreateButtonTooltips() {
    for (int index = 1; index <= kButtonCount; ++index) {
        if (buttonTooltipWindows_[index] != 0)
            controls_.DestroyTooltip(buttonTooltipWindows_[index]);
        buttonTooltipWindows_[index] = CreateTooltip(
            kButtonControlIds[index], catalogue_.Current(TextFamily::ButtonTooltips, index));
    }
}

void DialogChrome::RecreateCheckBoxTooltips() {
    for (std::size_t entry = 0; entry < kCheckBoxTooltipControls.size(); ++entry) {
        if (checkBoxTooltipWindows_[entry] != 0)
            controls_.DestroyTooltip(checkBoxTooltipWindows_[entry]);
        checkBoxTooltipWindows_[entry] = CreateTooltip(
            kCheckBoxTooltipControls[entry],
            catalogue_.Current(TextFamily::CheckBoxTooltips, static_cast<int>(entry)));
    }
}

void DialogChrome::DestroyAllTooltips() {
    for (TooltipHandle& tooltip : buttonTooltipWindows_) {
        if (tooltip != 0) controls_.DestroyTooltip(tooltip);
        tooltip = 0;
    }
    for (TooltipHandle& tooltip : checkBoxTooltipWindows_) {
        if (tooltip != 0) controls_.DestroyTooltip(tooltip);
        tooltip = 0;
    }
}

}  // namespace tilora
