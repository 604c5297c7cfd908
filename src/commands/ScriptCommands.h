#pragma once

#include <cstdint>
#include <deque>
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
    // How long one notification goes on starting entries; the rest start on the next ticks.
    static constexpr std::uint64_t kStartSliceMs = 250;

    ScriptCommands(CommandContext& context, ArrangementCommands& arrangements)
        : ctx_(context), arrangements_(arrangements) {}

    // The script in the script folder; nothing when it is missing or unreadable (reported).
    std::optional<AppStartScript> ReadAppStartScript(const std::wstring& name);
    // Starts the selected script's entries in file order, those that do not fit into one slice
    // on the next timer ticks, and then waits for its arrangement.
    void Execute();
    // Served by the timer: starts the next slice of entries still waiting.
    void StartEntriesTick();
    // Served by the timer: applies the waiting arrangement once every entry has been started and
    // every window it names is open, or when the wait has run out.
    void PendingArrangementTick();

  private:
    struct QueuedStart {
        StartEntry entry;
        // From line 1 of its script, where a refusal means column headings.
        bool firstLine = false;
    };

    void StartQueuedEntries();
    void StartOne(const QueuedStart& start);
    void WaitForArrangement();
    bool AllWindowsOpen();

    CommandContext& ctx_;
    ArrangementCommands& arrangements_;
    std::deque<QueuedStart> startQueue_;
};

}  // namespace tilora
