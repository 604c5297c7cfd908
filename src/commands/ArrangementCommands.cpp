#include "commands/ArrangementCommands.h"

#include <filesystem>
#include <system_error>

#include "commands/ComboBoxes.h"
#include "commands/WindowCommands.h"
#include "files/ArrangementFormat.h"
#include "files/PathText.h"
#include "files/TextFile.h"
#include "files/TextHelpers.h"
#include "files/TimeStamp.h"
#include "platform/ControlIds.h"
#include "windows/ArrangementMatch.h"
#include "windows/WindowDescriptions.h"
#include "windows/WindowOperations.h"

namespace tilora {
namespace {

constexpr wchar_t kSaveAsPrefix[] = L"SaveAs_";
constexpr wchar_t kTextExtension[] = L".txt";

bool EndsWithTxtInAnyCase(const std::wstring& name) {
    return name.size() >= 4 && LowerAsciiLetters(name.substr(name.size() - 4)) == kTextExtension;
}

bool Exists(const std::wstring& path) {
    std::error_code error;
    return std::filesystem::exists(ToPath(path), error);
}

}  // namespace

void ArrangementCommands::SaveAs() {
    ctx_.model.CaptureWindows();

    // The placeholder of the language in effect means: no name given.
    const std::wstring input = ctx_.controls.Text(IDC_ED_USERINPUT);
    std::wstring name = input;
    if (name == ctx_.Text(Msg::SaveAsPlaceholder)) {
        name = kSaveAsPrefix + TimeStamp(ctx_.clock, StampKind::DateTime);
    }
    // The input is joined to the folder's path, so a folder, a drive or ".." in it would write
    // (and replace) a file anywhere the user may write; a device name would send the arrangement
    // to the device.
    if (!EndsWithTxtInAnyCase(name)) name += kTextExtension;
    if (!IsPlainFileName(name) || IsReservedFileName(name)) {
        ctx_.Log(ctx_.Text(Msg::SaveAsNameRefused) + input);
        return;
    }

    WriteArrangement(ctx_.paths.arrangementsDir + name);
    RefreshArrangementList();
}

void ArrangementCommands::SaveSessionDefault() {
    ctx_.model.CaptureWindows();
    ctx_.model.TakeRestorePoint();

    ctx_.session.sessionDefaultPath = ctx_.paths.arrangementsDir +
                                      ctx_.catalogue.Current(TextFamily::FilePrefixes, 0) +
                                      TimeStamp(ctx_.clock, StampKind::DateTime) + kTextExtension;
    WriteArrangement(ctx_.session.sessionDefaultPath);
    RefreshArrangementList();
}

void ArrangementCommands::WriteArrangement(const std::wstring& path) {
    const std::wstring text =
        FormatArrangement(ctx_.model.currentSnapshot(), ctx_.Text(Msg::ArrangementTrailer));
    const int error = WriteTextFile(path, text);
    if (error != 0) ctx_.Log(ctx_.catalogue.FileNotWrittenLine(path, error));
}

void ArrangementCommands::RefreshArrangementList() {
    ctx_.fileLists.ListArrangementFiles(ctx_.paths.arrangementsDir);
    FillCombo(ctx_.controls, IDC_CB_ARRANGEMENT, ctx_.fileLists.arrangementFiles);
}

void ArrangementCommands::Apply() {
    const std::wstring name = SelectedComboText(ctx_.controls, IDC_CB_ARRANGEMENT);
    if (name.empty()) {
        ctx_.Log(ctx_.Text(Msg::FileNotFound) + ctx_.Text(Msg::EmptyValue));
        return;
    }
    ApplyArrangementFile(ctx_.paths.arrangementsDir + name);
}

void ArrangementCommands::ApplySessionDefault() {
    ApplyArrangementFile(ctx_.session.sessionDefaultPath);
}

void ArrangementCommands::StartArrangement() {
    ApplyWindows(ctx_.model.restorePoint());
    ctx_.model.ReleaseRestorePoint();
}

void ArrangementCommands::ReadArrangement(const std::wstring& path) {
    WindowSnapshot& arrangement = ctx_.session.fileArrangement;
    arrangement.clear();
    if (path.empty()) {
        ctx_.Log(ctx_.Text(Msg::FileNotFound) + ctx_.Text(Msg::EmptyValue));
        return;
    }
    ctx_.model.CaptureWindows();
    if (!Exists(path)) {
        ctx_.Log(ctx_.Text(Msg::FileNotFound) + path);
        return;
    }
    std::vector<std::wstring> lines;
    const int read = ReadTextLines(path, lines);
    if (read < 0) {
        ctx_.Log(ctx_.Text(Msg::FileOpenFailed) + FormatInteger(-read));
        return;
    }
    MatchedArrangement matched = MatchArrangement(lines, ctx_.model.currentSnapshot());
    for (const LineReport& report : matched.problems) {
        const Msg message =
            report.problem == LineProblem::BadRectangle ? Msg::LtrbError : Msg::SavedWindowNotFound;
        ctx_.Log(ctx_.Text(message) + report.line);
    }
    arrangement = std::move(matched.windows);
}

void ArrangementCommands::ApplyArrangementFile(const std::wstring& path) {
    ReadArrangement(path);
    if (!ctx_.controls.IsChecked(IDC_CK_TOP) && ctx_.controls.IsChecked(IDC_CK_MIN)) {
        ctx_.session.keepOwnMinimized = true;
        ctx_.session.keepOwnMinimizedDue = ctx_.clock.TickCount() + kKeepOwnMinimizedMs;
    }
    ApplyWindows(ctx_.session.fileArrangement);
}

void ArrangementCommands::ApplyWindows(const WindowSnapshot& snapshot) {
    const WindowHandle keepMinimized =
        ctx_.session.keepOwnMinimized ? ctx_.model.ownWindow() : kNoWindow;
    const WindowResults results = ApplySnapshot(ctx_.windows, snapshot, keepMinimized);
    for (const WindowResult& result : results) {
        if (result.outcome == WindowOutcome::NotResponding) {
            LogNotResponding(ctx_, result.record);
        } else if (result.outcome == WindowOutcome::Refused) {
            LogRefused(ctx_, result.record, result.error);
        } else if (result.outcome == WindowOutcome::NotRestored) {
            ctx_.Log(L" ! " + DescribeWindowShort(result.record, ctx_.catalogue) +
                     ctx_.Text(Msg::CouldNotRestore));
        }
    }
}

void ArrangementCommands::KeepOwnMinimizedTick() {
    if (ctx_.clock.TickCount() <= ctx_.session.keepOwnMinimizedDue) return;
    ctx_.session.keepOwnMinimized = false;
    ctx_.session.keepOwnMinimizedDue = NEVER_DUE;
}

}  // namespace tilora
