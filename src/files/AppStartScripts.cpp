#include "files/AppStartScripts.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "app/ControlTables.h"
#include "app/resource.h"
#include "files/PathText.h"
#include "files/TextFile.h"

namespace tilora {

std::wstring FieldAt(const std::wstring& text, int n) {
    if (n < 1) return std::wstring();
    std::wstring rest = text;
    std::wstring field;
    for (int i = 0; i < n; ++i) {
        const std::size_t at = rest.find(L';');
        if (at == std::wstring::npos) return std::wstring();
        field = rest.substr(0, at);
        rest = rest.substr(at + 1);
    }
    return field;
}

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
    if (result.instance > 32) return 0;
    return static_cast<int>(result.lastError);
}

AppStartScripts::AppStartScripts(const MessageCatalogue& catalogue, InfoLog& log, Shell& shell,
                                 WindowModel& model, ArrangementReader& reader,
                                 const AppPaths& paths, const Clock& clock)
    : catalogue_(catalogue),
      log_(log),
      shell_(shell),
      model_(model),
      reader_(reader),
      paths_(paths),
      clock_(clock) {}

bool AppStartScripts::ReadAppStartScript(const std::wstring& name) {
    startList_.clear();
    const std::wstring path = paths_.appStartScriptsDir + name;
    std::error_code error;
    if (!std::filesystem::exists(ToPath(path), error)) {
        log_.AppendInfo(catalogue_.Message(msg::FileNotFound) + path);
        return false;
    }
    std::vector<std::wstring> lines;
    const int read = ReadTextLines(path, lines);
    if (read < 0) {
        log_.AppendInfo(catalogue_.Message(msg::FileOpenFailed) + std::to_wstring(-read));
        return false;
    }
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const std::wstring& line = lines[index];
        if (index == 1) scriptArrangement_ = FieldAt(line, 3);
        if (line.empty() || line.front() == L'#' || line.rfind(L";;", 0) == 0) continue;
        startList_.push_back({FieldAt(line, 1), FieldAt(line, 2)});
    }
    return true;
}

void AppStartScripts::OnExecute() {
    log_.AppendInfo(catalogue_.ButtonPressedLine(ButtonIndexOf(IDC_BN_EXECUTE)));
    CancelPendingArrangement();
    const std::wstring name = log_.SelectedComboText(IDC_CB_SCRIPT);
    if (name.empty()) {
        log_.AppendInfo(catalogue_.Message(msg::FileNotFound) +
                        catalogue_.Message(msg::EmptyValue));
        return;
    }
    ReadAppStartScript(name);
    StartEntries();
    if (scriptArrangement_.empty()) return;
    const std::wstring path = scriptArrangement_.find(L'\\') != std::wstring::npos
                                  ? scriptArrangement_
                                  : paths_.arrangementsDir + scriptArrangement_;
    scriptArrangement_.clear();
    WaitForArrangement(path);
}

void AppStartScripts::StartEntries() {
    for (const StartEntry& entry : startList_) {
        const int result = StartProgram(shell_, entry, kSwShowNormal);
        if (result == 0) continue;
        const std::wstring what = catalogue_.Message(msg::ScriptEntryNotStarted) + entry.filePath +
                                  L";" + entry.programPath + L";";
        if (result < 0) {
            log_.AppendInfo(what + catalogue_.Message(msg::ScriptEntryWithoutFolder));
        } else {
            log_.AppendInfo(what + catalogue_.Message(msg::WindowsErrorFollows) +
                            std::to_wstring(result));
        }
    }
}

// The started programs open their windows after the shell has returned, so the arrangement is
// applied on a later timer tick, once its windows are there; the dialog stays responsive.
void AppStartScripts::WaitForArrangement(const std::wstring& path) {
    std::vector<std::wstring> lines;
    if (ReadTextLines(path, lines) < 0) {
        reader_.ApplyArrangementFile(path);  // reports why the file cannot be read
        return;
    }
    pendingArrangementPath_ = path;
    pendingTitles_ = ArrangementTitles(lines);
    pendingArrangementDue_ = clock_.TickCount() + kWindowWaitMs;
    PendingArrangementTick();
}

bool AppStartScripts::AllWindowsOpen() const {
    model_.CaptureWindows();
    return std::all_of(
        pendingTitles_.begin(), pendingTitles_.end(), [&](const std::wstring& title) {
            return std::any_of(model_.currentSnapshot.begin(), model_.currentSnapshot.end(),
                               [&](const WindowRecord& record) { return record.winName == title; });
        });
}

void AppStartScripts::PendingArrangementTick() {
    if (pendingArrangementPath_.empty()) return;
    if (clock_.TickCount() > pendingArrangementDue_ || AllWindowsOpen()) ApplyPendingArrangement();
}

void AppStartScripts::ApplyPendingArrangement() {
    const std::wstring path = pendingArrangementPath_;
    CancelPendingArrangement();
    reader_.ApplyArrangementFile(path);
}

void AppStartScripts::CancelPendingArrangement() {
    pendingArrangementPath_.clear();
    pendingTitles_.clear();
    pendingArrangementDue_ = NEVER_DUE;
}

}  // namespace tilora
