#pragma once

#include "commands/CommandContext.h"

namespace tilora {

// The last active window's record from a fresh capture. Null when there is none yet (entry 35
// is written) or when it has closed since (goneMessage is written): no command acts on, or
// reports success for, a window that is not there.
const WindowRecord* LastActiveRecord(CommandContext& context, Msg goneMessage);
// " ! " + the window's short description + the line that its program does not respond.
void LogNotResponding(CommandContext& context, const WindowRecord& record);

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
    CommandContext& ctx_;
};

}  // namespace tilora
