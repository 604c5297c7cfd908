#pragma once

#include <string>

#include "app/AppPaths.h"
#include "app/DialogChrome.h"
#include "app/InfoLog.h"
#include "commands/HelpAndMonitorButtons.h"
#include "commands/TimerHandler.h"
#include "files/AppStartScripts.h"
#include "files/ArrangementReader.h"
#include "files/ArrangementWriter.h"
#include "files/FileLists.h"
#include "platform/Clock.h"
#include "platform/DialogControls.h"
#include "platform/Shell.h"
#include "platform/SystemLibraries.h"
#include "platform/WindowManager.h"
#include "settings/SettingsFile.h"
#include "text/MessageCatalogue.h"
#include "windows/Monitors.h"
#include "windows/WindowModel.h"
#include "windows/WindowOperations.h"

namespace tilora {

// The operating-system services the dialog works through.
struct Platform {
    WindowManager& windows;
    DialogControls& controls;
    const Clock& clock;
    SystemLibraries& libraries;
    Shell& shell;
};

// The dialog's caption and the title by which the program recognises its own window.
inline constexpr wchar_t kOwnTitle[] = L"Tilora v1.09 (b)";

inline constexpr unsigned kTimerId = 1;
inline constexpr unsigned kTimerPeriodMs = 500;

inline constexpr wchar_t kPowrprofMissingLine[] =
    L"! The powrprof.dll for hibernation could not be loaded.";
inline constexpr wchar_t kSetSuspendStateMissingLine[] =
    L"! The SetSuspendState command for hibernation could not be loaded.";

// The main dialog: one handler per control notification, plus the start-up, first-paint and
// closing sequences. It owns the program's components and hands each the references it needs.
class CKelvaneDlg {
  public:
    explicit CKelvaneDlg(Platform platform);
    CKelvaneDlg(const CKelvaneDlg&) = delete;
    CKelvaneDlg& operator=(const CKelvaneDlg&) = delete;

    // Notifications.
    void OnInitDialog();
    void OnPaint();
    void OnTimer();
    void OnOk();
    void OnCancel();
    // A click on one of the fourteen buttons or five check boxes.
    void OnButtonClicked(int controlId);
    void OnCommandBoxSelectionChange();
    void OnUserInputSetFocus();

    // Operations other components use.
    void ApplyLanguage();
    void FillCommandCombo();
    void FillScriptCombo();
    void FillArrangementCombo();

    // State other components read.
    const AppPaths& paths() const { return paths_; }
    const std::wstring& separatorLine() const { return separatorLine_; }
    WindowHandle ownWindow() const { return ownWindow_; }
    bool firstPaintDone() const { return firstPaintDone_; }
    // The start position read from the settings, as the first paint corrected it.
    Point startPosition() const { return startPosition_; }
    MessageCatalogue& catalogue() { return catalogue_; }
    InfoLog& infoLog() { return infoLog_; }
    WindowModel& windowModel() { return windowModel_; }
    const Monitors& monitors() const { return monitors_; }
    const DialogChrome& chrome() const { return chrome_; }
    const SettingsFile& settings() const { return settings_; }
    const FileLists& fileLists() const { return fileLists_; }
    const ArrangementWriter& arrangementWriter() const { return arrangementWriter_; }
    WindowOperations& windowOperations() { return windowOperations_; }
    const ArrangementReader& arrangementReader() const { return arrangementReader_; }
    AppStartScripts& appStartScripts() { return appStartScripts_; }
    const TimerHandler& timer() const { return timer_; }

  private:
    void RunFirstPaint();
    void LoadSystemLibraries();
    void OnLanguageButton();

    Platform platform_;
    MessageCatalogue catalogue_;
    InfoLog infoLog_;
    DialogChrome chrome_;
    WindowModel windowModel_;
    Monitors monitors_;
    SettingsFile settings_;
    FileLists fileLists_;

    AppPaths paths_;
    std::wstring separatorLine_;
    WindowHandle ownWindow_ = kNoWindow;
    bool firstPaintDone_ = false;

    Point startPosition_;

    HelpAndMonitorButtons helpAndMonitorButtons_;
    ArrangementWriter arrangementWriter_;
    WindowOperations windowOperations_;
    ArrangementReader arrangementReader_;
    AppStartScripts appStartScripts_;
    TimerHandler timer_;
};

}  // namespace tilora
