#pragma once

#include "commands/CommandContext.h"

namespace tilora {

// Reads the monitors again and writes the monitor report into the log.
void ReportMonitors(CommandContext& context);
// The monitor report's lines for the monitors as last read.
void LogMonitorReport(CommandContext& context);

// Open Help shows the help document of the interface language; Show MonRes reports the monitors.
class HelpAndMonitorButtons {
  public:
    explicit HelpAndMonitorButtons(CommandContext& context) : ctx_(context) {}

    void OpenHelp();
    void ShowMonRes() { ReportMonitors(ctx_); }

  private:
    CommandContext& ctx_;
};

}  // namespace tilora
