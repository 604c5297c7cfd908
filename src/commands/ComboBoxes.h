#pragma once

#include <string>
#include <vector>

#include "platform/DialogControls.h"

namespace tilora {

// The item's text, or one of three fixed input-error texts.
std::wstring ComboItemText(const DialogControls& controls, int comboId, int index);
// The selected item's text; empty when nothing is selected.
std::wstring SelectedComboText(const DialogControls& controls, int comboId);
// Shows the names in the combo box with the first one selected (nothing selected when there are
// none); returns their number.
int FillCombo(DialogControls& controls, int comboId, const std::vector<std::wstring>& names);

}  // namespace tilora
