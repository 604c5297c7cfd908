#include "commands/CommandList.h"

#include "app/resource.h"
#include "commands/ArrangementCommands.h"
#include "commands/ComboBoxes.h"
#include "commands/HelpAndMonitorButtons.h"
#include "commands/ScriptCommands.h"
#include "commands/WindowCommands.h"
#include "files/FileAccess.h"
#include "files/FileLists.h"
#include "files/TextFile.h"
#include "files/TimeStamp.h"
#include "windows/WindowDescriptions.h"
#include "windows/WindowPlacer.h"
#include "windows/WorkspaceCoordinates.h"

namespace tilora {
namespace {

constexpr wchar_t kSaveAutoPart[] = L"SaveAuto_";
constexpr wchar_t kSaveAsPart[] = L"SaveAs_";
constexpr wchar_t kDeletedNameIndent[] = L"   ";

}  // namespace

CommandList::CommandList(CommandContext& context, SizeCommands& sizes)
    : ctx_(context), sizes_(sizes), windowCommands_(context) {
    const AppPaths& paths = ctx_.paths;
    FileLists& lists = ctx_.fileLists;
    // Command n runs commands_[n]; entry 0 is unused.
    commands_ = {
        nullptr,
        [this] { ReportMonitors(ctx_); },
        [this] {
            ctx_.model.CaptureWindows();
            windowCommands_.ListAllWindows();
        },
        [this] { ShowLastActiveWindow(); },
        [this] { sizes_.CopySize(); },
        [this] { sizes_.PasteSizeToAll(); },
        [this] { RestoreStartRectangle(); },
        [this] { windowCommands_.SetTopmost(); },
        [this] { windowCommands_.ResetTopmost(); },
        [this] { windowCommands_.MoveIntoView(); },
        [this, &paths] { Open(paths.baseDir); },
        [this, &paths] { Open(paths.appStartScriptsDir); },
        [this, &paths] { Open(paths.arrangementsDir); },
        [this, &paths] { Open(paths.exportsDir); },
        [this, &paths] { Open(paths.helpDir); },
        [this, &paths] { Open(paths.licenseDir); },
        [this, &paths] { Open(paths.settingsDir); },
        [this, &paths, &lists] {
            lists.ListScriptFiles(paths.appStartScriptsDir);
            FillCombo(ctx_.controls, IDC_CB_SCRIPT, lists.scriptFiles);
        },
        [this, &paths, &lists] {
            lists.ListArrangementFiles(paths.arrangementsDir);
            FillCombo(ctx_.controls, IDC_CB_ARRANGEMENT, lists.arrangementFiles);
        },
        [this, &paths] { Open(paths.settingsFilePath); },
        [this, &paths] { OpenSelected(IDC_CB_SCRIPT, paths.appStartScriptsDir); },
        [this, &paths] { OpenSelected(IDC_CB_ARRANGEMENT, paths.arrangementsDir); },
        [this] { ExportAllWindows(); },
        [this] { ExportLastActiveWindow(); },
        [this] { ExportLog(); },
        [this, &paths] {
            std::vector<std::wstring> names;
            DeleteMatching(paths.exportsDir, names, kSaveAutoPart);
        },
        // The arrangement box keeps showing the old names until it is filled again.
        [this, &paths, &lists] {
            DeleteMatching(paths.arrangementsDir, lists.arrangementFiles, kSaveAsPart);
        },
        [this] { sizes_.ApplyUserSize(); },
        [this] { RestoreStandardSize(); },
    };
}

void CommandList::OnSelectionChange() {
    const int index = ctx_.controls.ComboSelection(IDC_CB_COMMAND);
    DispatchCommand(ComboItemText(ctx_.controls, IDC_CB_COMMAND, index));
}

void CommandList::DispatchCommand(const std::wstring& text) {
    if (text.empty()) {
        ctx_.controls.ComboSelect(IDC_CB_COMMAND, 0);
        return;
    }
    if (text == MessageCatalogue::CommandSeparator()) {
        ctx_.Log(ctx_.Text(Msg::SeparatorSelected));
        return;
    }
    EchoSelection(text);
    for (int command = 1; command <= kCommandCount; ++command) {
        if (text == ctx_.catalogue.Current(TextFamily::CommandTexts, CommandEntry(command))) {
            // A later action of the user wins over an arrangement Execute is still waiting for.
            if (CommandActsOnWindows(command)) CancelPendingArrangement(ctx_);
            commands_[static_cast<std::size_t>(command)]();
            return;
        }
    }
}

void CommandList::EchoSelection(const std::wstring& text) {
    const std::wstring& separator = MessageCatalogue::SeparatorLine();
    const int lines = ctx_.controls.ListCount(IDC_LB_INFO);
    if (lines == 0 || ctx_.controls.ListLine(IDC_LB_INFO, lines - 1) != separator) {
        ctx_.Log(separator);
    }
    ctx_.Log(text + ctx_.Text(Msg::SelectedFromCommandBox));
    ctx_.Log(separator);
}

void CommandList::Open(const std::wstring& path) {
    // Whether the shell could open it shows on the screen; the log keeps only the echo.
    StartProgram(ctx_.shell, {path, L""}, kSwShowNormal);
}

void CommandList::OpenSelected(int comboId, const std::wstring& folder) {
    const std::wstring name = SelectedComboText(ctx_.controls, comboId);
    if (name.empty()) {
        ctx_.Log(ctx_.Text(Msg::FileNotFound) + ctx_.Text(Msg::EmptyValue));
        return;
    }
    Open(folder + name);
}

void CommandList::ShowLastActiveWindow() {
    const WindowRecord* record = LastActiveRecord(ctx_);
    if (record == nullptr) return;
    ctx_.Log(DescribeWindow(*record, ctx_.catalogue));
}

void CommandList::RestoreStartRectangle() {
    const WindowRecord* record = LastActiveRecord(ctx_);
    if (record == nullptr) return;
    const WindowSnapshot& start = ctx_.model.startSnapshot();
    const WindowRecord* found = nullptr;
    for (const WindowRecord& candidate : start) {
        if (candidate.hwnd == record->hwnd) {
            found = &candidate;
            break;
        }
    }
    for (const WindowRecord& candidate : start) {
        if (found != nullptr) break;
        if (candidate.winName == record->winName) found = &candidate;
    }
    if (found == nullptr) {
        ctx_.Log(ctx_.Text(Msg::LastActiveNotAtStart));
        return;
    }
    // Whether it came to the front does not matter: it is back at its start rectangle.
    const PlacementResult placed = WindowPlacer(ctx_.windows)
                                       .Place(record->hwnd, {WorkspaceRect(found->rcNormalPosition),
                                                             kSwShowNormal, Stacking::Front});
    if (ReportUnplaced(ctx_, *record, placed)) return;
    ctx_.Log(ctx_.Text(Msg::LastActiveRestored));
}

void CommandList::ExportAndOpen(int prefixEntry, const std::wstring& text) {
    const std::wstring path = ctx_.paths.exportsDir +
                              ctx_.catalogue.Current(TextFamily::FilePrefixes, prefixEntry) +
                              TimeStamp(ctx_.clock, StampKind::DateTime) + L".txt";
    const int error = WriteTextFile(path, text);
    // A file that could not be written is said so rather than opened.
    if (error != 0) {
        ctx_.Log(ctx_.catalogue.FileNotWrittenLine(path, error));
        return;
    }
    Open(path);
}

void CommandList::ExportAllWindows() {
    ctx_.model.CaptureWindows();
    std::wstring text;
    for (const WindowRecord& record : ctx_.model.currentSnapshot()) {
        text += DescribeWindow(record, ctx_.catalogue) + L"\n";
    }
    ExportAndOpen(1, text);
}

void CommandList::ExportLastActiveWindow() {
    const WindowRecord* record = LastActiveRecord(ctx_);
    if (record == nullptr) return;
    ExportAndOpen(2, DescribeWindow(*record, ctx_.catalogue));
}

void CommandList::ExportLog() {
    std::wstring text;
    const int lines = ctx_.controls.ListCount(IDC_LB_INFO);
    for (int index = 0; index < lines; ++index) {
        text += ctx_.controls.ListLine(IDC_LB_INFO, index) + L"\n";
    }
    ExportAndOpen(3, text);
}

void CommandList::DeleteMatching(const std::wstring& folder, std::vector<std::wstring>& names,
                                 const std::wstring& part) {
    ListFiles(folder, kArrangementPattern, names);
    std::vector<std::wstring> deleted;
    for (const std::wstring& name : names) {
        if (name.find(part) == std::wstring::npos) continue;
        if (DeleteFileAt(folder + name)) deleted.push_back(name);
    }
    if (deleted.empty()) {
        ctx_.Log(ctx_.Text(Msg::NoFilesToClear));
        return;
    }
    ctx_.Log(ctx_.Text(Msg::ExportsDeleted));
    for (const std::wstring& name : deleted) ctx_.Log(kDeletedNameIndent + name);
}

void CommandList::RestoreStandardSize() {
    ctx_.model.CaptureWindows();
    const WindowRecord* own = ctx_.model.FindRecord(ctx_.model.ownWindow());
    if (own == nullptr) return;
    // The start position is where the first paint put the dialog on the screen.
    const Point start = ctx_.settings.startPosition;
    const ScreenRect standard{start.x, start.y, start.x + kStandardDialogSize.width,
                              start.y + kStandardDialogSize.height};
    const PlacementResult placed = WindowPlacer(ctx_.windows)
                                       .Place(own->hwnd, {ToWorkspace(ctx_.windows, standard),
                                                          kSwShowNormal, Stacking::Front});
    ReportUnplaced(ctx_, *own, placed);
}

}  // namespace tilora
