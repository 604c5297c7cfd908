#include "app/CKelvaneDlg.h"

#include "app/ControlTables.h"
#include "app/StartPosition.h"
#include "commands/ComboBoxes.h"
#include "files/FileAccess.h"
#include "files/FileLists.h"
#include "platform/ControlIds.h"
#include "windows/WorkspaceCoordinates.h"

namespace tilora {
namespace {

const std::wstring kPsapi = L"PSAPI.DLL";
const std::wstring kPowrprof = L"powrprof.dll";

constexpr int kInfoListExtentPx = 2000;
constexpr int kCommandListWidthPx = 500;

// Holds the dialog's painting for as long as it lives.
class PaintingHeld {
  public:
    explicit PaintingHeld(DialogControls& controls) : controls_(controls) {
        controls_.SetDialogRedraw(false);
    }
    ~PaintingHeld() { controls_.SetDialogRedraw(true); }
    PaintingHeld(const PaintingHeld&) = delete;
    PaintingHeld& operator=(const PaintingHeld&) = delete;

  private:
    DialogControls& controls_;
};

}  // namespace

CKelvaneDlg::CKelvaneDlg(CommandContext& context)
    : ctx_(context),
      chrome_(context),
      arrangements_(context),
      scripts_(context, arrangements_),
      bulk_(context),
      helpAndMonitor_(context),
      sizes_(context),
      windowCommands_(context),
      commandList_(context),
      timerWork_(context),
      following_(context, arrangements_) {}

void CKelvaneDlg::OnInitDialog() {
    InfoLog::Batch batch(ctx_.log);
    DialogControls& controls = ctx_.controls;
    controls.SetIcons();

    ctx_.paths = AppPaths::Build(CurrentDirectory());
    CreateMissingFolders(ctx_.paths.Folders());
    LoadSettings(ctx_);
    // Before the folders are listed, so that no list offers such a file.
    RemoveLeftOverFiles();
    ctx_.fileLists.ListArrangementFiles(ctx_.paths.arrangementsDir);
    ctx_.fileLists.ListScriptFiles(ctx_.paths.appStartScriptsDir);

    controls.ListSetHorizontalExtent(IDC_LB_INFO, kInfoListExtentPx);
    controls.ComboSetDroppedWidth(IDC_CB_COMMAND, kCommandListWidthPx);
    controls.SetCaption(kOwnTitle);

    LoadSystemLibraries();
}

void CKelvaneDlg::RemoveLeftOverFiles() {
    // The current tables are filled only at the first paint; the language is known by now.
    const std::wstring& removedText =
        MessageCatalogue::Stored(ctx_.catalogue.SelectedLanguage(), Msg::LeftOverFileRemoved);
    for (const std::wstring& folder : ctx_.paths.Folders()) {
        for (const std::wstring& path : RemoveLeftOverReplacements(folder)) {
            ctx_.Log(removedText + path);
        }
    }
}

void CKelvaneDlg::LoadSystemLibraries() {
    SystemLibraries& libraries = ctx_.libraries;
    // Process names need both PSAPI entry points; without them the names stay empty.
    bool processNames = false;
    if (libraries.Load(kPsapi)) {
        const bool enumModules = libraries.ResolveEntryPoint(kPsapi, "EnumProcessModules");
        const bool baseName = libraries.ResolveEntryPoint(kPsapi, "GetModuleBaseNameW");
        processNames = enumModules && baseName;
    }
    ctx_.model.SetProcessNamesAvailable(processNames);

    bool setSuspendState = false;
    if (libraries.Load(kPowrprof)) {
        setSuspendState = libraries.ResolveEntryPoint(kPowrprof, "SetSuspendState");
    } else {
        ctx_.Log(kPowrprofMissingLine);
    }
    if (!setSuspendState) ctx_.Log(kSetSuspendStateMissingLine);
}

void CKelvaneDlg::OnPaint() {
    InfoLog::Batch batch(ctx_.log);
    DialogControls& controls = ctx_.controls;
    if (controls.IsMinimized()) {
        const Size client = controls.ClientSize();
        const Size icon = controls.SystemIconSize();
        controls.DrawIcon((client.width - icon.width + 1) / 2,
                          (client.height - icon.height + 1) / 2);
    } else {
        controls.DefaultPaint();
    }
    if (!firstPaintDone_) RunFirstPaint();
}

void CKelvaneDlg::RunFirstPaint() {
    WindowManager& windows = ctx_.windows;
    // Not looked up by its title: a Tilora started from another folder has the same one, and a
    // topmost one comes first in such a lookup.
    const WindowHandle own = ctx_.controls.DialogWindow();
    ctx_.model.SetOwnWindow(own);

    const ScreenRect rect = windows.GetWindowRect(own).value_or(ScreenRect{});
    ctx_.monitors.RefreshVirtualScreen();
    const Point start = CheckStartPosition(
        ctx_.settings.startPosition, {rect.Width(), rect.Height()}, ctx_.monitors.virtualScreen());
    // From here on the start position is the corrected one, which command 28 returns to.
    ctx_.settings.startPosition = start;

    const bool topmost = ctx_.settings.topmost.value_or(false);
    unsigned flags = kSwpNoSize | kSwpShowWindow;
    if (!topmost) flags |= kSwpNoZOrder;
    windows.SetWindowPos(own, topmost ? kHwndTopmost : kHwndTop, start.x, start.y, 0, 0, flags);

    {
        // Each caption set on a shown control would repaint it at once: 21 of them were most of
        // the start-up. The dialog is painted once, when they are all set.
        PaintingHeld held(ctx_.controls);
        chrome_.BuildButtonTable();

        // Labels the dialog and fills the three combo boxes.
        ApplyLanguage();
    }

    firstPaintDone_ = true;
    ctx_.controls.StartTimer(kTimerId, kTimerPeriodMs);
}

void CKelvaneDlg::OnTimer() {
    InfoLog::Batch batch(ctx_.log);
    chrome_.HoverTick();
    timerWork_.CountTick();
    timerWork_.FollowForegroundWindow();
    timerWork_.ReportMousePosition();
    ctx_.log.ClearCheckTick();
    bulk_.OwnWindowRestoreTick();
    sizes_.CopiedSizeTick();
    arrangements_.KeepOwnMinimizedTick();
    scripts_.StartEntriesTick();
    scripts_.PendingArrangementTick();
    following_.Tick();
}

void CKelvaneDlg::OnOk() {
    // Enter never ends the dialog: only the closing sequence does, so settings are never lost.
    // The open list of the command box takes Enter itself.
    if (ctx_.controls.FocusedControl() == IDC_CB_COMMAND) DispatchSelectedCommand();
}

void CKelvaneDlg::OnCancel() {
    // The dialog closes even when the settings cannot be written; the previous file then stays.
    const SettingsWriteOutcome stored = StoreSettingsNow();
    following_.OnClosing();

    ctx_.controls.StopTimer(kTimerId);
    // The log vanishes with the dialog, so a failure is also told where the user sees it. The
    // timer is stopped first: nothing may act on the windows while the box waits.
    if (stored.error != 0) {
        ctx_.controls.ShowInformationBox(kBoxCaption, SettingsNotSavedText(ctx_, stored));
    }
    ctx_.libraries.Release(kPsapi);
    ctx_.libraries.Release(kPowrprof);
    ctx_.controls.EndDialog(kIdCancel);
}

void CKelvaneDlg::OnEndSession() {
    // The system may end the process as soon as this returns, and a box would hold up the
    // logoff: write and nothing else.
    StoreSettingsNow();
    following_.OnClosing();
}

SettingsWriteOutcome CKelvaneDlg::StoreSettingsNow() {
    // A minimised dialog's window rectangle is the icon's place far off the screen, and a
    // maximised one's covers the screen: the next start should open where the dialog was shown
    // normally. The placement measures that from the work area; the start position is on the
    // screen.
    const WindowHandle own = ctx_.model.ownWindow();
    ScreenRect window = ctx_.windows.GetWindowRect(own).value_or(ScreenRect{});
    if (const auto placement = ctx_.windows.GetWindowPlacement(own)) {
        if (placement->showCmd == kSwShowMinimized || placement->showCmd == kSwShowMaximized) {
            window = ToScreen(ctx_.windows, placement->normalPosition);
        }
    }
    const Point position{window.left, window.top};
    const SettingsWriteOutcome stored = StoreSettings(ctx_, position);
    if (stored.error != 0) ctx_.Log(ctx_.catalogue.FileNotWrittenLine(stored.path, stored.error));
    return stored;
}

void CKelvaneDlg::OnButtonClicked(int controlId) {
    InfoLog::Batch batch(ctx_.log);
    if (const CommandRow* row = FindControlRow(controlId)) Run(*row);
}

void CKelvaneDlg::OnCommandBox(ComboNotification notification) {
    if (commandList_.Chosen(notification)) DispatchSelectedCommand();
}

void CKelvaneDlg::DispatchSelectedCommand() {
    InfoLog::Batch batch(ctx_.log);
    const std::wstring text = commandList_.SelectedText();
    if (!commandList_.EchoChoice(text)) return;
    // A header names no command: its echo is all it writes.
    if (const CommandRow* row = FindCommandRow(ctx_.catalogue, text)) Run(*row);
}

void CKelvaneDlg::Run(const CommandRow& row) {
    if (row.trigger == Trigger::Button) ctx_.Log(ctx_.catalogue.ButtonPressedLine(row.textEntry));
    if (row.acts == Acts::OnWindows) CancelPendingArrangement(ctx_);
    if (row.handler != nullptr) row.handler(*this);
}

void CKelvaneDlg::OnUserInputSetFocus() {
    // The field is emptied whenever it receives the focus.
    ctx_.controls.EditSelectAll(IDC_ED_USERINPUT);
    ctx_.controls.EditScrollCaret(IDC_ED_USERINPUT);
    ctx_.controls.EditClearSelection(IDC_ED_USERINPUT);
}

void CKelvaneDlg::OnMove() {
    if (firstPaintDone_) chrome_.RefreshButtonRects();
}

void CKelvaneDlg::OnMouseMove() {
    chrome_.OnMouseMove();
}

void CKelvaneDlg::OnMouseLeave() {
    chrome_.OnMouseLeave();
}

void CKelvaneDlg::OnSystemColoursChanged() {
    if (firstPaintDone_) chrome_.OnSystemColoursChanged();
}

void CKelvaneDlg::OnDisplayChange() {
    InfoLog::Batch batch(ctx_.log);
    following_.OnDisplayChange();
}

void CKelvaneDlg::OnLanguageButton() {
    ctx_.catalogue.ToggleLanguage();
    ApplyLanguage();
}

void CKelvaneDlg::ApplyLanguage() {
    ctx_.catalogue.CopySelectedTables();
    LabelDialog();
    chrome_.RecreateButtonTooltips();
    chrome_.RecreateCheckBoxTooltips();
    FillCommandCombo();
    FillScriptCombo();
    FillArrangementCombo();
}

// Sets the captions of the buttons, check boxes and labels and the user-input field's default
// text from the catalogue's current copies.
void CKelvaneDlg::LabelDialog() {
    const MessageCatalogue& catalogue = ctx_.catalogue;
    DialogControls& controls = ctx_.controls;
    for (const CommandRow& row : CommandRows()) {
        if (row.trigger == Trigger::Command) continue;
        const TextFamily family = row.trigger == Trigger::Button ? TextFamily::ButtonCaptions
                                                                 : TextFamily::CheckBoxCaptions;
        controls.SetText(row.id, catalogue.Current(family, row.textEntry));
    }
    for (std::size_t entry = 0; entry < kLabelControls.size(); ++entry) {
        controls.SetText(kLabelControls[entry],
                         catalogue.Current(TextFamily::LabelCaptions, static_cast<int>(entry)));
    }
    controls.SetText(IDC_ED_USERINPUT, catalogue.Message(Msg::SaveAsPlaceholder));
}

void CKelvaneDlg::FillCommandCombo() {
    DialogControls& controls = ctx_.controls;
    controls.ComboReset(IDC_CB_COMMAND);
    const int count = MessageCatalogue::Size(TextFamily::CommandTexts);
    for (int index = 0; index < count; ++index) {
        controls.ComboAdd(IDC_CB_COMMAND, ctx_.catalogue.Current(TextFamily::CommandTexts, index));
    }
    controls.ComboSelect(IDC_CB_COMMAND, 1);
}

void CKelvaneDlg::FillScriptCombo() {
    FillCombo(ctx_.controls, IDC_CB_SCRIPT, ctx_.fileLists.scriptFiles);
}

void CKelvaneDlg::FillArrangementCombo() {
    FillCombo(ctx_.controls, IDC_CB_ARRANGEMENT, ctx_.fileLists.arrangementFiles);
}

}  // namespace tilora
