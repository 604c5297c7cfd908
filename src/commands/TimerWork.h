#pragma once

#include "commands/CommandContext.h"

namespace tilora {

// The timer's own work: the start-up report and automatic save on the first tick, following
// the foreground window and reporting the mouse position on every tick. The dialog runs these
// and the deadlines of the other handlers in order on each tick.
class TimerWork {
  public:
    explicit TimerWork(CommandContext& context) : ctx_(context) {}

    // Counts the tick; the first one writes the monitor report, takes the start snapshot and
    // saves a description of every window into _Exports.
    void CountTick();
    void FollowForegroundWindow();
    void ReportMousePosition();

  private:
    void StartUpReport();

    CommandContext& ctx_;
};

}  // namespace tilora
