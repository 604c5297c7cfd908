#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "commands/ArrangementCommands.h"
#include "commands/CommandContext.h"
#include "files/ScriptFormat.h"

namespace tilora {

// Starts an entry through the shell: the program with the file as its quoted parameter in the
// file's folder, the program alone, or the file with its associated program. Returns 0 on
// success, the Windows error code on failure, and -1 when a program is given for a file without
// a folder, so that nothing was tried.
int StartProgram(Shell& shell, const StartEntry& entry, int showCommand);

// Drops Execute's waiting arrangement, with a line saying so, when the user moves, shows or saves
// windows before it was applied: what the user did later must not be undone by it.
void CancelPendingArrangement(CommandContext& ctx);

// App start scripts: the Execute button starts what the selected script lists and then puts the
// windows the script's arrangement names into place, once they have opened.
class ScriptCommands {
  public:
    // How long Execute waits at most for the started programs' windows.
    static constexpr std::uint64_t kWindowWaitMs = 10000;

    ScriptCommands(CommandContext& context, ArrangementCommands& arrangements)
        : ctx_(context), arrangements_(arrangements) {}

    // The script in the script folder; nothing when it is missing or unreadable (reported).
    std::optional<AppStartScript> ReadAppStartScript(const std::wstring& name);
    void Execute();
    // Served by the timer: applies the waiting arrangement once every window it names is open,
    // or when the wait has run out.
    void PendingArrangementTick();

  private:
    void StartEntries(const AppStartScript& script);
    void WaitForArrangement(const std::wstring& path);
    bool AllWindowsOpen();

    CommandContext& ctx_;
    ArrangementCommands& arrangements_;
};

}  // namespace tilora
