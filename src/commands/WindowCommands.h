#pragma once

#include "commands/CommandContext.h"

namespace tilora {

// Commands on the last active window and on every window: TOPMOST on and off, moving lost
// windows into view and listing all windows.
class WindowCommands {
  public:
    explicit WindowCommands(CommandContext& context) : ctx_(context) {}

    // The last active window's record from a fresh capture, or null with the reason logged.
    const WindowRecord* LastActiveRecord();
    void SetTopmost();
    void ResetTopmost();
    void MoveIntoView();
    // One description line per record of the latest capture, or the line that there is none.
    void ListAllWindows();

  private:
    CommandContext& ctx_;
};

}  // namespace tilora
