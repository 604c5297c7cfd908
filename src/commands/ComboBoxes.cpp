#include "commands/ComboBoxes.h"

namespace tilora {

std::wstring ComboItemText(const DialogControls& controls, int comboId, int index) {
    if (index < 0) return L"Input error: The combobox index must be >= 0.";
    const int count = controls.ComboCount(comboId);
    if (count <= 0) return L"Input error: The combobox is empty.";
    if (index > count - 1) return L"Input error: The combobox index was too high.";
    return controls.ComboItem(comboId, index);
}

std::wstring SelectedComboText(const DialogControls& controls, int comboId) {
    const int selection = controls.ComboSelection(comboId);
    if (selection < 0 || selection >= controls.ComboCount(comboId)) return std::wstring();
    return controls.ComboItem(comboId, selection);
}

int FillCombo(DialogControls& controls, int comboId, const std::vector<std::wstring>& names) {
    controls.ComboReset(comboId);
    for (const std::wstring& name : names) controls.ComboAdd(comboId, name);
    controls.ComboSelect(comboId, names.empty() ? -1 : 0);
    return static_cast<int>(names.size());
}

}  // namespace tilora
