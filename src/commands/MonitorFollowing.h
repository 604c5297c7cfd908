#pragma once

#include "commands/ArrangementCommands.h"
#include "commands/CommandContext.h"
#include "windows/DeskMemory.h"

namespace tilora {

// Follows the monitors: reports each change of the monitor layout, keeps the desk of the layout
// in use in an arrangement file named after the layout, and applies that file, as Apply does,
// when its layout comes back. With FollowMonitors off only the changes are reported.
class MonitorFollowing {
  public:
    MonitorFollowing(CommandContext& context, ArrangementCommands& arrangements)
        : ctx_(context), arrangements_(arrangements) {}

    // The display settings or the work area changed: reads the monitors again.
    void OnDisplayChange();
    // Served by the timer, after the timer's own work: the first tick takes the layout its
    // monitor report found.
    void Tick();
    // The program is ending: the desk not yet written is written now.
    void OnClosing();

  private:
    bool following() const { return ctx_.settings.followMonitors; }
    void TakeLatestCapture();
    // The timer captures only when another window comes to the front; windows moved meanwhile
    // reach the desk through a capture of its own once no other came for a write interval.
    void CaptureWhenStale(std::uint64_t now);
    void RestoreDesk(const MonitorLayout& layout);
    void WriteDesk(const Desk& desk);
    // Shows a new file in the arrangement box without changing the user's choice there.
    void ListNewFile(const std::wstring& name);

    CommandContext& ctx_;
    ArrangementCommands& arrangements_;
    DeskMemory memory_;
    std::uint64_t seenCapture_ = 0;
    std::uint64_t seenCaptureAt_ = 0;
};

}  // namespace tilora
