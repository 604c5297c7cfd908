#pragma once

#include <string>

#include "app/AppPaths.h"
#include "app/InfoLog.h"
#include "files/AppStartScripts.h"
#include "files/ArrangementReader.h"
#include "platform/Clock.h"
#include "platform/DialogControls.h"
#include "platform/WindowManager.h"
#include "text/MessageCatalogue.h"
#include "windows/Monitors.h"
#include "windows/WindowModel.h"
#include "windows/WindowOperations.h"

namespace tilora {

// The background work of timer 1: the start-up report and automatic save on the first tick;
// following the foreground window, the mouse position report and the deadlines on every tick.
class TimerHandler {
  public:
    TimerHandler(WindowManager& windows, WindowModel& model, Monitors& monitors,
                 const MessageCatalogue& catalogue, InfoLog& log, DialogControls& controls,
                 WindowOperations& operations, ArrangementReader& reader, AppStartScripts& scripts,
                 const AppPaths& paths, const Clock& clock, const std::wstring& separatorLine);

    void OnTimerTick();

    int tickCount() const { return tickCount_; }
    Point lastMousePosition() const { return lastMousePosition_; }

  private:
    void StartUpReport();
    void ReportNewActiveWindow();
    void ReportMousePosition();

    WindowManager& windows_;
    WindowModel& model_;
    Monitors& monitors_;
    const MessageCatalogue& catalogue_;
    InfoLog& log_;
    DialogControls& controls_;
    WindowOperations& operations_;
    ArrangementReader& reader_;
    AppStartScripts& scripts_;
    const AppPaths& paths_;
    const Clock& clock_;
    const std::wstring& separatorLine_;
    int tickCount_ = 0;
    Point lastMousePosition_;
};

}  // namespace tilora
