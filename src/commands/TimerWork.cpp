#include "commands/TimerWork.h"

#include "commands/HelpAndMonitorButtons.h"
#include "files/TextFile.h"
#include "files/TextHelpers.h"
#include "files/TimeStamp.h"
#include "platform/ControlIds.h"
#include "windows/WindowDescriptions.h"

namespace tilora {

void TimerWork::CountTick() {
    if (++ctx_.session.tickCount == 1) StartUpReport();
}

void TimerWork::StartUpReport() {
    const std::wstring& separator = MessageCatalogue::SeparatorLine();
    ctx_.Log(separator);
    ReportMonitors(ctx_);
    ctx_.Log(separator);

    ctx_.model.CaptureWindows();
    ctx_.model.TakeStartSnapshot();

    std::wstring text;
    for (const WindowRecord& record : ctx_.model.currentSnapshot()) {
        text += DescribeWindow(record, ctx_.catalogue) + L"\n";
    }
    const std::wstring path =
        ctx_.paths.exportsDir + L"SaveAuto_" + TimeStamp(ctx_.clock, StampKind::DateTime) + L".txt";
    const int error = WriteTextFile(path, text);
    // The line says the file was saved: it is written only when it was.
    if (error == 0) {
        ctx_.Log(ctx_.Text(Msg::AutoSaveWritten) + path);
    } else {
        ctx_.Log(ctx_.catalogue.FileNotWrittenLine(path, error));
    }
}

void TimerWork::FollowForegroundWindow() {
    WindowModel& model = ctx_.model;
    const WindowHandle foreground = ctx_.windows.GetForegroundWindow();
    if (model.IsLastActiveWindow(foreground) || foreground == model.ownWindow()) return;
    // A tool window or another window the capture leaves out may stay in front for hours;
    // capturing the whole desktop for it on every tick would find nothing new.
    if (model.IsRejectedForeground(foreground)) return;
    model.CaptureWindows();
    const WindowRecord* record = model.FindRecord(foreground);
    if (record == nullptr) {
        model.RememberRejectedForeground(foreground);
        return;
    }
    ctx_.Log(ctx_.Text(Msg::NewLastActiveWindow) + record->winName);
    model.SetLastActiveWindow(foreground);
}

void TimerWork::ReportMousePosition() {
    if (!ctx_.controls.IsChecked(IDC_CK_MOUSE)) return;
    const Point position = ctx_.windows.GetCursorPos();
    if (position == ctx_.session.lastMousePosition) return;
    ctx_.Log(ctx_.Text(Msg::MousePosition) + L"x=" + FormatInteger(position.x) + L"; y=" +
             FormatInteger(position.y));
    ctx_.session.lastMousePosition = position;
}

}  // namespace tilora
