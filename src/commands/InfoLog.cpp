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

namespace {

// How many of the newest lines the log keeps once count lines have been written into it one by
// one: all of them up to the bound; past it, the oldest go in blocks whenever a line finds the log
// full, so the count runs from kMaxLines - kDropBlockLines + 1 up to kMaxLines and round again.
int KeptOf(int count) {
    if (count <= InfoLog::kMaxLines) return count;
    return InfoLog::kMaxLines - InfoLog::kDropBlockLines + 1 +
           (count - InfoLog::kMaxLines - 1) % InfoLog::kDropBlockLines;
}

}  // namespace

void InfoLog::AppendInfo(const std::wstring& line) {
    if (outputStopped_) return;
    // A batch makes room once, at its end (or when the box holds its cap): a handler writing
    // thousands of lines past the bound then rebuilds the box once, not once every block.
    const int count = controls_.ListCount(IDC_LB_INFO);
    if (count >= (openBatches_ > 0 ? kBatchCapLines : kMaxLines)) KeepNewest(KeptOf(count + 1) - 1);
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
    const int count = controls_.ListCount(IDC_LB_INFO);
    if (count > kMaxLines) KeepNewest(KeptOf(count));
    // 'Lösche' may have emptied the box since the last line.
    const int newest = controls_.ListCount(IDC_LB_INFO) - 1;
    if (newest >= 0) controls_.ListSetTopIndex(IDC_LB_INFO, newest);
    controls_.ListSetRedraw(IDC_LB_INFO, true);
}

void InfoLog::KeepNewest(int lines) {
    controls_.ListDeleteFirstLines(IDC_LB_INFO, controls_.ListCount(IDC_LB_INFO) - lines);
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
