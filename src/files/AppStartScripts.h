#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/AppPaths.h"
#include "app/InfoLog.h"
#include "files/ArrangementReader.h"
#include "platform/Clock.h"
#include "platform/Shell.h"
#include "text/MessageCatalogue.h"
#include "windows/WindowModel.h"

namespace tilora {

struct StartEntry {
    std::wstring filePath;
    std::wstring programPath;
    friend bool operator==(const StartEntry&, const StartEntry&) = default;
};

// Field n (from 1) of a semicolon-separated text, untrimmed: the text before the n-th ";".
// Empty when the text has fewer than n semicolons.
std::wstring FieldAt(const std::wstring& text, int n);

// Starts an entry through the shell: the program with the file as its quoted parameter in the
// file's folder, the program alone, or the file with its associated program. Returns 0 on
// success, the Windows error code on failure, and -1 when a program is given for a file without
// a folder, so that nothing was tried.
int StartProgram(Shell& shell, const StartEntry& entry, int showCommand);

// App start scripts: the Execute button starts what the selected script lists and then puts the
// windows the script's arrangement names into place, once they have opened.
class AppStartScripts {
  public:
    // How long Execute waits at most for the started programs' windows.
    static constexpr std::uint64_t kWindowWaitMs = 10000;

    AppStartScripts(const MessageCatalogue& catalogue, InfoLog& log, Shell& shell,
                    WindowModel& model, ArrangementReader& reader, const AppPaths& paths,
                    const Clock& clock);

    // Reads the script's entries and the arrangement its second line names; false when the file
    // is missing or unreadable (reported).
    bool ReadAppStartScript(const std::wstring& name);
    void OnExecute();
    // Served by the timer: applies the waiting arrangement once every window it names is open,
    // or when the wait has run out.
    void PendingArrangementTick();
    // Apply, Apply SD and a new Execute end a wait that is still running.
    void CancelPendingArrangement();

    const std::vector<StartEntry>& startList() const { return startList_; }
    const std::wstring& scriptArrangement() const { return scriptArrangement_; }
    bool arrangementPending() const { return !pendingArrangementPath_.empty(); }

  private:
    void StartEntries();
    void WaitForArrangement(const std::wstring& path);
    bool AllWindowsOpen() const;
    void ApplyPendingArrangement();

    const MessageCatalogue& catalogue_;
    InfoLog& log_;
    Shell& shell_;
    WindowModel& model_;
    ArrangementReader& reader_;
    const AppPaths& paths_;
    const Clock& clock_;
    std::vector<StartEntry> startList_;
    std::wstring scriptArrangement_;
    std::wstring pendingArrangementPath_;
    std::vector<std::wstring> pendingTitles_;
    std::uint64_t pendingArrangementDue_ = NEVER_DUE;
};

}  // namespace tilora
