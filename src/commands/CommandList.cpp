#include "commands/CommandList.h"

#include "commands/ComboBoxes.h"
#include "commands/ScriptCommands.h"
#include "commands/WindowCommands.h"
#include "files/FileLists.h"
#include "files/TextFile.h"
#include "files/TimeStamp.h"
#include "platform/ControlIds.h"
#include "windows/WindowDescriptions.h"
#include "windows/WindowPlacer.h"
#include "windows/WorkspaceCoordinates.h"

namespace tilora {
namespace {

constexpr wchar_t kSaveAutoPart[] = L"SaveAuto_";
constexpr wchar_t kSaveAsPart[] = L"SaveAs_";
constexpr wchar_t kDeletedNameIndent[] = L"   ";

}  // namespace

bool CommandList::Chosen(ComboNotification notification) {
    switch (notification) {
        case ComboNotification::DroppedDown:
            listOpen_ = true;
            accepted_ = false;
            return false;
        case ComboNotification::SelectionEndOk:
            if (listOpen_) accepted_ = true;
            return false;
        case ComboNotification::SelectionEndCancel:
            accepted_ = false;
            return false;
        case ComboNotification::ClosedUp: {
            const bool chosen = listOpen_ && accepted_;
            listOpen_ = false;
            accepted_ = false;
            return chosen;
        }
        case ComboNotification::SelectionChanged:
            break;
    }
    return false;
}

std::wstring CommandList::SelectedText() const {
    const int index = ctx_.controls.ComboSelection(IDC_CB_COMMAND);
    return ComboItemText(ctx_.controls, IDC_CB_COMMAND, index);
}

bool CommandList::EchoChoice(const std::wstring& text) {
    if (text.empty()) {
        ctx_.controls.ComboSelect(IDC_CB_COMMAND, 0);
        return false;
    }
    if (text == MessageCatalogue::CommandSeparator()) {
        ctx_.Log(ctx_.Text(Msg::SeparatorSelected));
        return false;
    }
    const std::wstring& separator = MessageCatalogue::SeparatorLine();
    const int lines = ctx_.controls.ListCount(IDC_LB_INFO);
    if (lines == 0 || ctx_.controls.ListLine(IDC_LB_INFO, lines - 1) != separator) {
        ctx_.Log(separator);
    }
    ctx_.Log(text + ctx_.Text(Msg::SelectedFromCommandBox));
    ctx_.Log(separator);
    return true;
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

void CommandList::DeleteAutomaticSaves() {
    DeleteMatching(ctx_.paths.exportsDir, kSaveAutoPart, Msg::ExportsDeleted);
}

void CommandList::DeleteSavedArrangements() {
    DeleteMatching(ctx_.paths.arrangementsDir, kSaveAsPart, Msg::ArrangementsDeleted);
}

void CommandList::DeleteMatching(const std::wstring& folder, const std::wstring& part,
                                 Msg deletedHeading) {
    std::vector<std::wstring> names;
    ListFiles(folder, kArrangementPattern, names);
    // Into the Recycle Bin, so that the user can bring a file back; one that cannot go there
    // stays, and the user is told why.
    std::vector<std::wstring> deleted;
    for (const std::wstring& name : names) {
        if (name.find(part) == std::wstring::npos) continue;
        const std::uint32_t error = ctx_.shell.MoveToRecycleBin(folder + name);
        if (error == 0) {
            deleted.push_back(name);
        } else {
            ctx_.Log(ctx_.Text(Msg::NotRecycled) + folder + name +
                     ctx_.Text(Msg::WindowsErrorFollows) + std::to_wstring(error));
        }
    }
    if (deleted.empty()) {
        ctx_.Log(ctx_.Text(Msg::NoFilesToClear));
        return;
    }
    ctx_.Log(ctx_.Text(deletedHeading));
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
