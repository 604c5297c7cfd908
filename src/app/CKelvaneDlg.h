#pragma once

#include <string>

#include "app/CommandTable.h"
#include "app/DialogChrome.h"
#include "commands/ArrangementCommands.h"
#include "commands/BulkWindowCommands.h"
#include "commands/CommandContext.h"
#include "commands/CommandList.h"
#include "commands/HelpAndMonitorButtons.h"
#include "commands/MonitorFollowing.h"
#include "commands/ScriptCommands.h"
#include "commands/SettingsCommands.h"
#include "commands/SizeCommands.h"
#include "commands/TimerWork.h"
#include "commands/WindowCommands.h"

namespace tilora {

inline constexpr unsigned kTimerId = 1;
inline constexpr unsigned kTimerPeriodMs = 500;

inline constexpr wchar_t kPowrprofMissingLine[] =
    L"! The powrprof.dll for hibernation could not be loaded.";
inline constexpr wchar_t kSetSuspendStateMissingLine[] =
    L"! The SetSuspendState command for hibernation could not be loaded.";
// The caption of the box that reports a failed settings write; not the dialog's own title, by
// which the program recognises its window.
inline constexpr wchar_t kBoxCaption[] = L"Tilora";

// The main dialog: routes each control notification to its handler, and runs the start-up,
// first-paint, timer and closing sequences. The handlers share the context it is given.
class CKelvaneDlg {
  public:
    explicit CKelvaneDlg(CommandContext& context);
    CKelvaneDlg(const CKelvaneDlg&) = delete;
    CKelvaneDlg& operator=(const CKelvaneDlg&) = delete;

    // Notifications.
    void OnInitDialog();
    void OnPaint();
    void OnTimer();
    // Enter, when no button has the focus: on the command box it runs the selected entry.
    void OnOk();
    void OnCancel();
    // Windows ends the session: the dialog is ended without a cancel command.
    void OnEndSession();
    // A click on one of the fourteen buttons or five check boxes.
    void OnButtonClicked(int controlId);
    void OnCommandBox(ComboNotification notification);
    void OnUserInputSetFocus();
    // The dialog window moved.
    void OnMove();
    // The mouse over the dialog's own client area, and leaving it.
    void OnMouseMove();
    void OnMouseLeave();
    // The system colours, the theme or the high-contrast setting changed.
    void OnSystemColoursChanged();
    // The display settings or the work area changed.
    void OnDisplayChange();

  private:
    friend std::span<const CommandRow> CommandRows();
    // The command table; its rows' handlers reach the dialog's own handlers.
    static std::span<const CommandRow> TableRows();

    // The "button pressed" line of a button, dropping a waiting arrangement, then the handler.
    void Run(const CommandRow& row);
    // Runs the command box's selected entry, after its echo.
    void DispatchSelectedCommand();
    void RunFirstPaint();
    SettingsWriteOutcome StoreSettingsNow();
    void LoadSystemLibraries();
    // Deletes the temporary files an interrupted save left in the program's folders, one line
    // for each.
    void RemoveLeftOverFiles();
    void OnLanguageButton();
    void ApplyLanguage();
    void LabelDialog();
    void FillCommandCombo();
    void FillScriptCombo();
    void FillArrangementCombo();

    CommandContext& ctx_;
    DialogChrome chrome_;
    ArrangementCommands arrangements_;
    ScriptCommands scripts_;
    BulkWindowCommands bulk_;
    HelpAndMonitorButtons helpAndMonitor_;
    SizeCommands sizes_;
    WindowCommands windowCommands_;
    CommandList commandList_;
    TimerWork timerWork_;
    MonitorFollowing following_;
    bool firstPaintDone_ = false;
};

}  // namespace tilora
