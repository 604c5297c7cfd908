#include "text/LanguageSwitch.h"

#include "app/ControlTables.h"

namespace tilora {

void LabelDialog(const MessageCatalogue& catalogue, DialogControls& controls) {
    for (int index = 1; index <= kButtonCount; ++index) {
        controls.SetText(kButtonControlIds[index],
                         catalogue.Current(TextFamily::ButtonCaptions, index));
    }
    for (std::size_t entry = 0; entry < kCheckBoxCaptionControls.size(); ++entry) {
        controls.SetText(kCheckBoxCaptionControls[entry],
                         catalogue.Current(TextFamily::CheckBoxCaptions, static_cast<int>(entry)));
    }
    for (std::size_t entry = 0; entry < kLabelControls.size(); ++entry) {
        controls.SetText(kLabelControls[entry],
                         catalogue.Current(TextFamily::LabelCaptions, static_cast<int>(entry)));
    }
    controls.SetText(IDC_ED_USERINPUT, catalogue.Message(msg::SaveAsPlaceholder));
}

void ToggleLanguage(MessageCatalogue& catalogue) {
    catalogue.SetCurrentLanguage(catalogue.currentLanguage() == L"English" ? L"German"
                                                                           : L"English");
}

}  // namespace tilora
