#pragma once

#include "commands/CommandContext.h"
#include "windows/WindowPlacer.h"

namespace tilora {

// The last active window's record from a fresh capture. Null when there is none yet (entry 35
// is written) or when it has closed since (entry 63 is written): no command acts on, or reports
// success for, a window that is not there.
const WindowRecord* LastActiveRecord(CommandContext& context);
// " ! " + the window's short description + the line that its program does not respond.
void LogNotResponding(CommandContext& context, const WindowRecord& record);
// " ! " + the window's short description + that it refused, with the Windows code, and for
// code 5 that its program runs with higher rights.
void LogRefused(CommandContext& context, const WindowRecord& record, unsigned error);
// Writes why a placement of the window did not go through, in place of the command's success
// line; false when it went through. A last active window that is gone gets entry 63.
bool ReportUnplaced(CommandContext& context, const WindowRecord& record,
                    const PlacementResult& placed);

// Commands on the last active window and on every window: TOPMOST on and off, moving lost
// windows into view and listing all windows.
class WindowCommands {
  public:
    explicit WindowCommands(CommandContext& context) : ctx_(context) {}

    void SetTopmost();
    void ResetTopmost();
    void MoveIntoView();
    // One description line per record of the latest capture, or the line that there is none.
    void ListAllWindows();

  private:
    void StackLastActive(Stacking stacking, Msg success);

    CommandContext& ctx_;
};

}  // namespace tilora
