#include "commands/InfoLog.h"

#include "files/TextHelpers.h"
#include "platform/ControlIds.h"

namespace tilora {

InfoLog::Batch::Batch(InfoLog& log) : log_(log) {
    ++log_.openBatches_;
}

InfoLog::Batch::~Batch() {
    if (--log_.openBatches_ == 0) log_.EndBatch();
}

InfoLog::InfoLog(DialogControls& controls, const Clock& clock)
    : controls_(controls), clock_(clock) {}

void InfoLog::AppendInfo(const std::wstring& line) {
    if (outputStopped_) return;
    if (controls_.ListCount(IDC_LB_INFO) >= kMaxLines) MakeRoom();
    if (openBatches_ > 0 && !linesHeldBack_) {
        controls_.ListSetRedraw(IDC_LB_INFO, false);
        linesHeldBack_ = true;
    }
    // Lines carry window titles, which may hold any character; the files keep them as they are.
    const int index = controls_.ListAppend(IDC_LB_INFO, ShownInLog(line));
    if (!linesHeldBack_) controls_.ListSetTopIndex(IDC_LB_INFO, index);
}

void InfoLog::EndBatch() {
    if (!linesHeldBack_) return;
    linesHeldBack_ = false;
    // 'Lösche' may have emptied the box since the last line.
    const int newest = controls_.ListCount(IDC_LB_INFO) - 1;
    if (newest >= 0) controls_.ListSetTopIndex(IDC_LB_INFO, newest);
    controls_.ListSetRedraw(IDC_LB_INFO, true);
}

void InfoLog::MakeRoom() {
    const int count = controls_.ListCount(IDC_LB_INFO);
    controls_.ListDeleteFirstLines(IDC_LB_INFO, count - kMaxLines + kDropBlockLines);
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
