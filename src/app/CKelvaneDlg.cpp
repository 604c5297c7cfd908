#include "app/CKelvaneDlg.h"

#include "app/ControlTables.h"
#include "app/StartPosition.h"
#include "app/resource.h"
#include "text/LanguageSwitch.h"

namespace tilora {
namespace {

const std::wstring kPsapi = L"PSAPI.DLL";
const std::wstring kPowrprof = L"powrprof.dll";

constexpr int kSeparatorLength = 500;
constexpr int kInfoListExtentPx = 2000;
constexpr int kCommandListWidthPx = 500;

}  // namespace

CKelvaneDlg::CKelvaneDlg(Platform platform)
    : platform_(platform),
      infoLog_(platform.controls, platform.clock),
      chrome_(platform.controls, catalogue_),
      windowModel_(platform.windows, kOwnTitle),
      monitors_(platform.windows, catalogue_, infoLog_),
      settings_(platform.controls, catalogue_, infoLog_),
      fileLists_(platform.controls),
      helpAndMonitorButtons_(catalogue_, infoLog_, platform.shell, monitors_, paths_),
      arrangementWriter_(catalogue_, infoLog_, platform.controls, windowModel_, fileLists_, paths_,
                         platform.clock),
      windowOperations_(platform.windows, windowModel_, monitors_, catalogue_, infoLog_,
                        platform.controls, platform.clock, settings_.excludeMaxList(),
                        separatorLine_),
      arrangementReader_(catalogue_, infoLog_, platform.controls, windowModel_, windowOperations_,
                         arrangementWriter_, paths_, platform.clock),
      appStartScripts_(catalogue_, infoLog_, platform.shell, windowModel_, arrangementReader_,
                       paths_, platform.clock),
      timer_(platform.windows, windowModel_, monitors_, catalogue_, infoLog_, platform.controls,
             windowOperations_, arrangementReader_, appStartScripts_, paths_, platform.clock,
             separatorLine_) {}

void CKelvaneDlg::OnInitDialog() {
    DialogControls& controls = platform_.controls;
    controls.SetIcons();

    separatorLine_.clear();
    for (int i = 0; i < kSeparatorLength; ++i) separatorLine_ += L'-';

    paths_ = AppPaths::Build(CurrentDirectory());
    CreateMissingFolders(paths_.Folders());
    settings_.ReadSettings(paths_.settingsFilePath);
    fileLists_.ListArrangementFiles(paths_.arrangementsDir);
    fileLists_.ListScriptFiles(paths_.appStartScriptsDir);

    controls.ListSetHorizontalExtent(IDC_LB_INFO, kInfoListExtentPx);
    controls.ComboSetDroppedWidth(IDC_CB_COMMAND, kCommandListWidthPx);
    controls.SetCaption(kOwnTitle);

    LoadSystemLibraries();
}

void CKelvaneDlg::LoadSystemLibraries() {
    SystemLibraries& libraries = platform_.libraries;
    // Process names need both PSAPI entry points; without them the names stay empty.
    bool processNames = false;
    if (libraries.Load(kPsapi)) {
        const bool enumModules = libraries.ResolveEntryPoint(kPsapi, "EnumProcessModules");
        const bool baseName = libraries.ResolveEntryPoint(kPsapi, "GetModuleBaseNameW");
        processNames = enumModules && baseName;
    }
    windowModel_.SetProcessNamesAvailable(processNames);

    bool setSuspendState = false;
    if (libraries.Load(kPowrprof)) {
        setSuspendState = libraries.ResolveEntryPoint(kPowrprof, "SetSuspendState");
    } else {
        infoLog_.AppendInfo(kPowrprofMissingLine);
    }
    if (!setSuspendState) infoLog_.AppendInfo(kSetSuspendStateMissingLine);
}

void CKelvaneDlg::OnPaint() {
    DialogControls& controls = platform_.controls;
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
    WindowManager& windows = platform_.windows;
    ownWindow_ = windows.FindWindowByTitle(kOwnTitle);
    chrome_.SetOwnWindow(ownWindow_);
    windowOperations_.SetOwnWindow(ownWindow_);

    const Rect rect = windows.GetWindowRect(ownWindow_).value_or(Rect{});
    startPosition_ = CheckStartPosition(settings_.startPosition(), {rect.Width(), rect.Height()},
                                        windows.VirtualScreenSize());

    const bool topmost = settings_.topmostSetting();
    unsigned flags = kSwpNoSize | kSwpShowWindow;
    if (!topmost) flags |= kSwpNoZOrder;
    windows.SetWindowPos(ownWindow_, topmost ? kHwndTopmost : kHwndTop, startPosition_.x,
                         startPosition_.y, 0, 0, flags);

    ApplyLanguage();
    FillCommandCombo();
    FillScriptCombo();
    FillArrangementCombo();

    firstPaintDone_ = true;
    platform_.controls.StartTimer(kTimerId, kTimerPeriodMs);
}

void CKelvaneDlg::OnTimer() {
    timer_.OnTimerTick();
}

void CKelvaneDlg::OnOk() {
    // Enter never ends the dialog: only the closing sequence does, so settings are never lost.
}

void CKelvaneDlg::OnCancel() {
    // The dialog closes even when the settings cannot be written; the previous file then stays.
    const Rect ownRect = platform_.windows.GetWindowRect(ownWindow_).value_or(Rect{});
    const int error = settings_.WriteSettings(paths_.settingsFilePath, ownRect);
    if (error != 0) {
        infoLog_.AppendInfo(catalogue_.FileNotWrittenLine(paths_.settingsFilePath, error));
    }

    DialogControls& controls = platform_.controls;
    controls.StopTimer(kTimerId);
    platform_.libraries.Release(kPsapi);
    platform_.libraries.Release(kPowrprof);
    controls.EndDialog(kIdCancel);
}

void CKelvaneDlg::OnButtonClicked(int controlId) {
    switch (controlId) {
        case IDC_BN_LANGUAGE:
            OnLanguageButton();
            break;
        case IDC_CK_STOP:
            infoLog_.OnStopClicked();
            break;
        case IDC_CK_CLEAR:
            infoLog_.OnClearClicked();
            break;
        case IDC_BN_APPLY:
            appStartScripts_.CancelPendingArrangement();
            arrangementReader_.OnApply();
            break;
        case IDC_BN_APPLYSD:
            appStartScripts_.CancelPendingArrangement();
            arrangementReader_.OnApplySessionDefault();
            break;
        case IDC_BN_STARTARRANG:
            arrangementReader_.OnStartArrangement();
            break;
        case IDC_BN_EXECUTE:
            appStartScripts_.OnExecute();
            break;
        case IDC_BN_MINIMIZEALL:
            windowOperations_.MinimizeAll();
            break;
        case IDC_BN_MAXIMIZEALL:
            windowOperations_.MaximizeAll();
            break;
        case IDC_BN_TILEALL:
            windowOperations_.TileAll();
            break;
        case IDC_BN_SAVEAS:
            arrangementWriter_.SaveArrangementAs();
            break;
        case IDC_BN_SAVESD:
            arrangementWriter_.SaveSessionDefault();
            break;
        case IDC_BN_OPENHELP:
            helpAndMonitorButtons_.OpenHelp();
            break;
        case IDC_BN_SHOWMONRES:
            helpAndMonitorButtons_.ShowMonRes();
            break;
        default:
            break;
    }
}

void CKelvaneDlg::OnCommandBoxSelectionChange() {}

void CKelvaneDlg::OnUserInputSetFocus() {
    infoLog_.OnUserInputFocus();
}

void CKelvaneDlg::OnLanguageButton() {
    infoLog_.AppendInfo(catalogue_.ButtonPressedLine(ButtonIndexOf(IDC_BN_LANGUAGE)));
    ToggleLanguage(catalogue_);
    ApplyLanguage();
}

void CKelvaneDlg::ApplyLanguage() {
    catalogue_.CopySelectedTables();
    LabelDialog(catalogue_, platform_.controls);
    chrome_.RecreateButtonTooltips();
    chrome_.RecreateCheckBoxTooltips();
    FillCommandCombo();
    FillScriptCombo();
    FillArrangementCombo();
}

void CKelvaneDlg::FillCommandCombo() {
    DialogControls& controls = platform_.controls;
    controls.ComboReset(IDC_CB_COMMAND);
    const int count = MessageCatalogue::Size(TextFamily::CommandTexts);
    for (int index = 0; index < count; ++index) {
        controls.ComboAdd(IDC_CB_COMMAND, catalogue_.Current(TextFamily::CommandTexts, index));
    }
    controls.ComboSelect(IDC_CB_COMMAND, 1);
}

void CKelvaneDlg::FillScriptCombo() {
    fileLists_.FillScriptCombo();
}

void CKelvaneDlg::FillArrangementCombo() {
    fileLists_.FillArrangementCombo();
}

}  // namespace tilora
