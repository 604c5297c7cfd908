#include "commands/ScriptCommands.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "commands/ComboBoxes.h"
#include "files/PathText.h"
#include "files/TextFile.h"
#include "files/TextHelpers.h"
#include "platform/ControlIds.h"
#include "windows/ArrangementMatch.h"

namespace tilora {

int StartProgram(Shell& shell, const StartEntry& entry, int showCommand) {
    ShellExecuteResult result;
    if (!entry.programPath.empty() && !entry.filePath.empty()) {
        const std::size_t slash = entry.filePath.rfind(L'\\');
        if (slash == std::wstring::npos) return -1;
        const std::wstring folder = entry.filePath.substr(0, slash + 1);
        const std::wstring name = entry.filePath.substr(slash + 1);
        result = shell.Execute(entry.programPath, L"\"" + name + L"\"", folder, showCommand);
    } else if (!entry.programPath.empty()) {
        result = shell.Execute(entry.programPath, L"", L"", showCommand);
    } else {
        result = shell.Execute(entry.filePath, L"", L"", showCommand);
    }
    if (result.Succeeded()) return 0;
    return static_cast<int>(result.FailureCode());
}

void CancelPendingArrangement(CommandContext& ctx) {
    if (!ctx.session.arrangementPending()) return;
    ctx.Log(ctx.Text(Msg::PendingArrangementCancelled) + ctx.session.pendingArrangementPath);
    ctx.session.CancelPendingArrangement();
}

std::optional<AppStartScript> ScriptCommands::ReadAppStartScript(const std::wstring& name) {
    const std::wstring path = ctx_.paths.appStartScriptsDir + name;
    std::error_code error;
    if (!std::filesystem::exists(ToPath(path), error)) {
        ctx_.Log(ctx_.Text(Msg::FileNotFound) + path);
        return std::nullopt;
    }
    std::vector<std::wstring> lines;
    const int read = ReadTextLines(path, lines);
    if (read < 0) {
        ctx_.Log(ctx_.Text(Msg::FileOpenFailed) + FormatInteger(-read));
        return std::nullopt;
    }
    return ParseAppStartScript(lines);
}

void ScriptCommands::Execute() {
    CancelPendingArrangement(ctx_);
    const std::wstring name = SelectedComboText(ctx_.controls, IDC_CB_SCRIPT);
    if (name.empty()) {
        ctx_.Log(ctx_.Text(Msg::FileNotFound) + ctx_.Text(Msg::EmptyValue));
        return;
    }
    const std::optional<AppStartScript> script = ReadAppStartScript(name);
    if (!script) return;
    // Entries of an earlier Execute that are still waiting start first.
    for (std::size_t index = 0; index < script->entries.size(); ++index) {
        startQueue_.push_back({script->entries[index], index == 0 && script->firstLineIsEntry});
    }
    if (!script->arrangement.empty()) {
        const std::wstring& arrangement = script->arrangement;
        // Waits for the starts; a later action can still cancel it.
        ctx_.session.pendingArrangementPath = arrangement.find(L'\\') != std::wstring::npos
                                                  ? arrangement
                                                  : ctx_.paths.arrangementsDir + arrangement;
    }
    StartQueuedEntries();
}

void ScriptCommands::StartEntriesTick() {
    if (!startQueue_.empty()) StartQueuedEntries();
}

// Starting a program can take the shell a while, so a long script would hold the dialog for
// seconds: each notification starts entries for at most one slice of time and leaves the rest to
// the timer's next tick.
void ScriptCommands::StartQueuedEntries() {
    const std::uint64_t sliceEnd = ctx_.clock.TickCount() + kStartSliceMs;
    while (!startQueue_.empty() && ctx_.clock.TickCount() < sliceEnd) {
        const QueuedStart next = std::move(startQueue_.front());
        startQueue_.pop_front();
        StartOne(next);
    }
    if (startQueue_.empty() && ctx_.session.arrangementPending()) {
        WaitForArrangement();
    }
}

void ScriptCommands::StartOne(const QueuedStart& start) {
    const StartEntry& entry = start.entry;
    const int result = StartProgram(ctx_.shell, entry, kSwShowNormal);
    if (result == 0) return;
    // Headings such as "File;Program;Arrangement;" name no folder, so nothing was tried; saying
    // so on every Execute would be noise.
    if (start.firstLine && result < 0) return;
    const std::wstring what =
        ctx_.Text(Msg::ScriptEntryNotStarted) + entry.filePath + L";" + entry.programPath + L";";
    if (result < 0) {
        ctx_.Log(what + ctx_.Text(Msg::ScriptEntryWithoutFolder));
    } else {
        ctx_.Log(what + ctx_.Text(Msg::WindowsErrorFollows) + FormatInteger(result));
    }
}

// The started programs open their windows after the shell has returned, so the arrangement is
// applied on a later timer tick, once its windows are there; the dialog stays responsive.
void ScriptCommands::WaitForArrangement() {
    SessionState& session = ctx_.session;
    std::vector<std::wstring> lines;
    if (ReadTextLines(session.pendingArrangementPath, lines) < 0) {
        const std::wstring path = session.pendingArrangementPath;
        session.CancelPendingArrangement();
        arrangements_.ApplyArrangementFile(path);  // reports why the file cannot be read
        return;
    }
    session.pendingLines = std::move(lines);
    session.pendingArrangementDue = ctx_.clock.TickCount() + kWindowWaitMs;
    PendingArrangementTick();
}

// Matched as the apply will match them, so that two lines of one title wait for two windows.
bool ScriptCommands::AllWindowsOpen() {
    ctx_.model.CaptureWindows();
    const MatchedArrangement matched =
        MatchArrangement(ctx_.session.pendingLines, ctx_.model.currentSnapshot());
    return std::none_of(
        matched.problems.begin(), matched.problems.end(),
        [](const LineReport& report) { return report.problem == LineProblem::NoOpenWindow; });
}

void ScriptCommands::PendingArrangementTick() {
    SessionState& session = ctx_.session;
    if (!session.arrangementPending() || !startQueue_.empty()) return;
    if (ctx_.clock.TickCount() <= session.pendingArrangementDue && !AllWindowsOpen()) return;
    const std::wstring path = session.pendingArrangementPath;
    session.CancelPendingArrangement();
    arrangements_.ApplyArrangementFile(path);
}

}  // namespace tilora
