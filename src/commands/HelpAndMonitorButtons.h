#pragma once

#include "app/AppPaths.h"
#include "app/InfoLog.h"
#include "platform/Shell.h"
#include "text/MessageCatalogue.h"
#include "windows/Monitors.h"

namespace tilora {

// Open Help shows the help document of the interface language; Show MonRes reports the monitors.
class HelpAndMonitorButtons {
  public:
    HelpAndMonitorButtons(const MessageCatalogue& catalogue, InfoLog& log, Shell& shell,
                          Monitors& monitors, const AppPaths& paths);

    void OpenHelp();
    void ShowMonRes();

  private:
    const MessageCatalogue& catalogue_;
    InfoLog& log_;
    Shell& shell_;
    Monitors& monitors_;
    const AppPaths& paths_;
};

}  // namespace tilora
