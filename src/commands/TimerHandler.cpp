#include "commands/TimerHandler.h"

#include "app/resource.h"
#include "files/TextFile.h"
#include "windows/WindowDescriptions.h"

namespace tilora {

TimerHandler::TimerHandler(WindowManager& windows, WindowModel& model, Monitors& monitors,
                           const MessageCatalogue& catalogue, InfoLog& log,
                           DialogControls& controls, WindowOperations& operations,
                           ArrangementReader& reader, AppStartScripts& scripts,
                           const AppPaths& paths, const Clock& clock,
                           const std::wstring& separatorLine)
    : windows_(windows),
      model_(model),
      monitors_(monitors),
      catalogue_(catalogue),
      log_(log),
      controls_(controls),
      operations_(operations),
      reader_(reader),
      scripts_(scripts),
      paths_(paths),
      clock_(clock),
      separatorLine_(separatorLine) {}

void TimerHandler::OnTimerTick() {
    ++tickCount_;
    if (tickCount_ == 1) StartUpReport();
    ReportNewActiveWindow();
    ReportMousePosition();
    log_.ClearCheckTick();
    operations_.OwnWindowRestoreTick();
    reader_.KeepOwnMinimizedTick();
    scripts_.PendingArrangementTick();
}

void TimerHandler::StartUpReport() {
    log_.AppendInfo(separatorLine_);
    monitors_.ReportMonitors();
    log_.AppendInfo(separatorLine_);

    model_.CaptureWindows();
    model_.restorePoint = model_.currentSnapshot;
    model_.startSnapshot = model_.currentSnapshot;

    std::wstring text;
    for (const WindowRecord& record : model_.currentSnapshot) {
        text += DescribeWindow(record, catalogue_) + L"\n";
    }
    const std::wstring path =
        paths_.exportsDir + L"SaveAuto_" + TimeStamp(clock_, L"datetime") + L".txt";
    const int error = WriteTextFile(path, text);
    // The line says the file was saved: it is written only when it was.
    if (error == 0) {
        log_.AppendInfo(catalogue_.Message(msg::AutoSaveWritten) + path);
    } else {
        log_.AppendInfo(catalogue_.FileNotWrittenLine(path, error));
    }
}

void TimerHandler::ReportNewActiveWindow() {
    const WindowHandle foreground = windows_.GetForegroundWindow();
    if (foreground == model_.lastActiveWindow || foreground == model_.ownWindowRecord.hwnd) return;
    model_.CaptureWindows();
    for (const WindowRecord& record : model_.currentSnapshot) {
        if (record.hwnd != foreground) continue;
        log_.AppendInfo(catalogue_.Message(msg::NewLastActiveWindow) + record.winName);
        model_.lastActiveWindow = foreground;
        return;
    }
}

void TimerHandler::ReportMousePosition() {
    if (!controls_.IsChecked(IDC_CK_MOUSE)) return;
    const Point position = windows_.GetCursorPos();
    if (position == lastMousePosition_) return;
    log_.AppendInfo(catalogue_.Message(msg::MousePosition) + L"x=" + std::to_wstring(position.x) +
                    L"; y=" + std::to_wstring(position.y));
    lastMousePosition_ = position;
}

}  // namespace tilora
