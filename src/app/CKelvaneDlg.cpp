#include "app/CKelvaneDlg.h"

#include "app/ControlTables.h"
#include "app/StartPosition.h"
#include "app/resource.h"
#include "commands/ComboBoxes.h"
#include "files/FileAccess.h"
#include "files/FileLists.h"

namespace tilora {
namespace {

const std::wstring kPsapi = L"PSAPI.DLL";
const std::wstring kPowrprof = L"powrprof.dll";

constexpr int kInfoListExtentPx = 2000;
constexpr int kCommandListWidthPx = 500;

}  // namespace

CKelvaneDlg::CKelvaneDlg(CommandContext& context)
    : ctx_(context),
      chrome_(context),
      arrangements_(context),
      scripts_(context, arrangements_),
      bulk_(context),
      helpAndMonitor_(context),
      sizes_(context),
      commandList_(context, sizes_),
      timerWork_(context) {
    // Every button of this table writes its "button pressed" line before its action runs; the
    // check boxes write none. Each button that moves, shows or saves windows first drops an
    // arrangement Execute is still waiting for, which would otherwise undo it.
    using enum PendingArrangement;
    clickRoutes_ = {
        {IDC_BN_LANGUAGE, Kept, [this] { OnLanguageButton(); }},
        {IDC_CK_TOP, Kept, [this] { chrome_.OnTopClicked(firstPaintDone_); }},
        {IDC_CK_STOP, Kept, [this] { ctx_.log.OnStopClicked(); }},
        {IDC_CK_CLEAR, Kept, [this] { ctx_.log.OnClearClicked(); }},
        {IDC_BN_APPLY, Cancelled, [this] { arrangements_.Apply(); }},
        {IDC_BN_APPLYSD, Cancelled, [this] { arrangements_.ApplySessionDefault(); }},
        {IDC_BN_STARTARRANG, Cancelled, [this] { arrangements_.StartArrangement(); }},
        {IDC_BN_EXECUTE, Cancelled, [this] { scripts_.Execute(); }},
        {IDC_BN_MINIMIZEALL, Cancelled, [this] { bulk_.MinimizeAll(); }},
        {IDC_BN_MAXIMIZEALL, Cancelled, [this] { bulk_.MaximizeAll(); }},
        {IDC_BN_TILEALL, Cancelled, [this] { bulk_.TileAll(); }},
        {IDC_BN_COPYSIZE, Kept, [this] { sizes_.CopySize(); }},
        {IDC_BN_PASTESIZE, Cancelled, [this] { sizes_.PasteSize(); }},
        {IDC_BN_SAVEAS, Cancelled, [this] { arrangements_.SaveAs(); }},
        {IDC_BN_SAVESD, Cancelled, [this] { arrangements_.SaveSessionDefault(); }},
        {IDC_BN_OPENHELP, Kept, [this] { helpAndMonitor_.OpenHelp(); }},
        {IDC_BN_SHOWMONRES, Kept, [this] { helpAndMonitor_.ShowMonRes(); }},
    };
}

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
    const WindowHandle own = windows.FindWindowByTitle(kOwnTitle);
    ctx_.model.SetOwnWindow(own);

    const Rect rect = windows.GetWindowRect(own).value_or(Rect{});
    ctx_.monitors.RefreshVirtualScreen();
    const Point start = CheckStartPosition(
        ctx_.settings.startPosition, {rect.Width(), rect.Height()}, ctx_.monitors.virtualScreen());
    // From here on the start position is the corrected one, which command 28 returns to.
    ctx_.settings.startPosition = start;

    const bool topmost = ctx_.settings.topmost.value_or(false);
    unsigned flags = kSwpNoSize | kSwpShowWindow;
    if (!topmost) flags |= kSwpNoZOrder;
    windows.SetWindowPos(own, topmost ? kHwndTopmost : kHwndTop, start.x, start.y, 0, 0, flags);

    chrome_.BuildButtonTable();

    // Labels the dialog and fills the three combo boxes.
    ApplyLanguage();

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
}

void CKelvaneDlg::OnOk() {
    // Enter never ends the dialog: only the closing sequence does, so settings are never lost.
}

void CKelvaneDlg::OnCancel() {
    // The dialog closes even when the settings cannot be written; the previous file then stays.
    const SettingsWriteOutcome stored = StoreSettingsNow();

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
}

SettingsWriteOutcome CKelvaneDlg::StoreSettingsNow() {
    // A minimised dialog's window rectangle is the icon's place far off the screen, and a
    // maximised one's covers the screen: the next start should open where the dialog was shown
    // normally. Only then is the placement asked, whose rectangle Windows measures from the work
    // area rather than the screen.
    const WindowHandle own = ctx_.model.ownWindow();
    const Rect window = ctx_.windows.GetWindowRect(own).value_or(Rect{});
    Point position{window.left, window.top};
    if (const auto placement = ctx_.windows.GetWindowPlacement(own)) {
        if (placement->showCmd == kSwShowMinimized || placement->showCmd == kSwShowMaximized) {
            position = {placement->normalPosition.left, placement->normalPosition.top};
        }
    }
    const SettingsWriteOutcome stored = StoreSettings(ctx_, position);
    if (stored.error != 0) ctx_.Log(ctx_.catalogue.FileNotWrittenLine(stored.path, stored.error));
    return stored;
}

void CKelvaneDlg::OnButtonClicked(int controlId) {
    InfoLog::Batch batch(ctx_.log);
    for (const ClickRoute& route : clickRoutes_) {
        if (route.controlId != controlId) continue;
        const int button = ButtonIndexOf(controlId);
        if (button != 0) ctx_.Log(ctx_.catalogue.ButtonPressedLine(button));
        if (route.pending == PendingArrangement::Cancelled) CancelPendingArrangement(ctx_);
        route.action();
        return;
    }
}

void CKelvaneDlg::OnCommandBoxSelectionChange() {
    InfoLog::Batch batch(ctx_.log);
    commandList_.OnSelectionChange();
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
    for (int index = 1; index <= kButtonCount; ++index) {
        controls.SetText(kButtonControlIds[index],
                         catalogue.Current(TextFamily::ButtonCaptions, index));
    }
    for (std::size_t entry = 0; entry < kCheckBoxCaptionControls.size(); ++entry) {
        controls.SetText(kCheckBoxCaptionControls[entry],
                         catalogue.Current(TextFamily::CheckBoxCaptions, static_cast<int>(entry)));
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
