#include "app/InfoLog.h"

#include "app/resource.h"

namespace tilora {

InfoLog::InfoLog(DialogControls& controls, const Clock& clock)
    : controls_(controls), clock_(clock) {}

void InfoLog::AppendInfo(const std::wstring& line) {
    if (outputStopped_) return;
    while (controls_.ListCount(IDC_LB_INFO) >= kMaxLines) {
        controls_.ListDeleteLine(IDC_LB_INFO, 0);
    }
    const int index = controls_.ListAppend(IDC_LB_INFO, line);
    controls_.ListSetTopIndex(IDC_LB_INFO, index);
}

void InfoLog::OnStopClicked() {
    outputStopped_ = controls_.IsChecked(IDC_CK_STOP);
}

void InfoLog::OnClearClicked() {
    if (!controls_.IsChecked(IDC_CK_CLEAR)) return;
    controls_.ListClear(IDC_LB_INFO);
    clearUncheckAt_ = clock_.TickCount() + kClearCheckedMs;
}

void InfoLog::ClearCheckTick() {
    if (clock_.TickCount() <= clearUncheckAt_) return;
    controls_.SetChecked(IDC_CK_CLEAR, false);
    clearUncheckAt_ = NEVER_DUE;
}

void InfoLog::OnUserInputFocus() {
    controls_.EditSelectAll(IDC_ED_USERINPUT);
    controls_.EditScrollCaret(IDC_ED_USERINPUT);
    controls_.EditClearSelection(IDC_ED_USERINPUT);
}

std::wstring InfoLog::ComboItemText(int comboId, int index) const {
    if (index < 0) return L"Input error: The combobox index must be >= 0.";
    const int count = controls_.ComboCount(comboId);
    if (count <= 0) return L"Input error: The combobox is empty.";
    if (index > count - 1) return L"Input error: The combobox index was too high.";
    return controls_.ComboItem(comboId, index);
}

std::wstring InfoLog::SelectedComboText(int comboId) const {
    const int selection = controls_.ComboSelection(comboId);
    if (selection < 0 || selection >= controls_.ComboCount(comboId)) return std::wstring();
    return controls_.ComboItem(comboId, selection);
}

}  // namespace tilora
