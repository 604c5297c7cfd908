#include "commands/MonitorFollowing.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "commands/ComboBoxes.h"
#include "commands/HelpAndMonitorButtons.h"
#include "commands/ScriptCommands.h"
#include "files/ArrangementFormat.h"
#include "files/PathText.h"
#include "files/TextFile.h"
#include "platform/ControlIds.h"

namespace tilora {

void MonitorFollowing::OnDisplayChange() {
    // Before the first tick there is no layout to compare with; that tick reads the monitors.
    if (!memory_.started()) return;
    // A capture not yet taken in was made before the change, while the windows were in place.
    TakeLatestCapture();
    ctx_.monitors.Refresh();
    const MonitorLayout layout = MonitorLayout::Of(ctx_.monitors.found());
    const std::wstring before = DeskFileName(memory_.layout());
    const DeskMemory::Notice notice = memory_.NoticeLayout(layout, ctx_.clock.TickCount());
    if (!notice.changed) return;
    ctx_.Log(ctx_.Text(Msg::MonitorLayoutChanged) + before + L" -> " + DeskFileName(layout));
    LogMonitorReport(ctx_);
    if (notice.leftDesk) WriteDesk(*notice.leftDesk);
}

void MonitorFollowing::Tick() {
    const std::uint64_t now = ctx_.clock.TickCount();
    if (!memory_.started()) memory_.Start(MonitorLayout::Of(ctx_.monitors.found()), now);
    if (!following()) return;
    if (const auto settled = memory_.TakeSettledLayout(now)) RestoreDesk(*settled);
    CaptureWhenStale(now);
    TakeLatestCapture();
    if (const auto desk = memory_.TakeDueDesk(now)) WriteDesk(*desk);
}

void MonitorFollowing::OnClosing() {
    if (!following()) return;
    TakeLatestCapture();
    if (const auto desk = memory_.TakeClosingDesk()) WriteDesk(*desk);
}

void MonitorFollowing::TakeLatestCapture() {
    if (following()) memory_.Remember(ctx_.model.currentSnapshot(), ctx_.model.captureNumber());
}

void MonitorFollowing::CaptureWhenStale(std::uint64_t now) {
    if (ctx_.model.captureNumber() == seenCapture_ &&
        now - seenCaptureAt_ >= DeskMemory::kWriteIntervalMs) {
        ctx_.model.CaptureWindows();
    }
    if (ctx_.model.captureNumber() != seenCapture_) {
        seenCapture_ = ctx_.model.captureNumber();
        seenCaptureAt_ = now;
    }
}

void MonitorFollowing::RestoreDesk(const MonitorLayout& layout) {
    if (layout.empty()) return;
    const std::wstring path = ctx_.paths.arrangementsDir + DeskFileName(layout);
    std::error_code error;
    // A layout never seen before: its desk is remembered from now on.
    if (!std::filesystem::is_regular_file(ToPath(path), error)) return;
    // As after the Apply button: a waiting Execute arrangement would undo this.
    CancelPendingArrangement(ctx_);
    ctx_.Log(ctx_.Text(Msg::RememberedDeskApplied) + path);
    arrangements_.ApplyArrangementFile(path);
    memory_.Restored(ctx_.model.captureNumber());
}

void MonitorFollowing::WriteDesk(const Desk& desk) {
    const std::wstring name = DeskFileName(desk.layout);
    const std::wstring path = ctx_.paths.arrangementsDir + name;
    const int error =
        WriteTextFile(path, FormatArrangement(desk.windows, ctx_.Text(Msg::ArrangementTrailer)));
    if (error != 0) {
        ctx_.Log(ctx_.catalogue.FileNotWrittenLine(path, error));
        return;
    }
    ListNewFile(name);
}

void MonitorFollowing::ListNewFile(const std::wstring& name) {
    const std::vector<std::wstring>& files = ctx_.fileLists.arrangementFiles;
    if (std::find(files.begin(), files.end(), name) != files.end()) return;
    const std::wstring chosen = SelectedComboText(ctx_.controls, IDC_CB_ARRANGEMENT);
    arrangements_.RefreshArrangementList();
    const auto found = std::find(files.begin(), files.end(), chosen);
    if (!chosen.empty() && found != files.end()) {
        ctx_.controls.ComboSelect(IDC_CB_ARRANGEMENT, static_cast<int>(found - files.begin()));
    }
}

}  // namespace tilora
