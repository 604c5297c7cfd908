#pragma once

#include "platform/DialogControls.h"
#include "text/MessageCatalogue.h"

namespace tilora {

// Sets the captions of the buttons, check boxes and labels and the user-input field's default
// text from the catalogue's current copies.
void LabelDialog(const MessageCatalogue& catalogue, DialogControls& controls);

// "English" becomes "German"; any other language becomes "English".
void ToggleLanguage(MessageCatalogue& catalogue);

}  // namespace tilora
