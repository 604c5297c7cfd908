#include "commands/InfoLog.h"

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

}  // namespace tilora
