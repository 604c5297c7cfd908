#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "commands/InfoLog.h"
#include "files/AppPaths.h"
#include "files/FileLists.h"
#include "platform/Platform.h"
#include "settings/SettingsFormat.h"
#include "text/MessageCatalogue.h"
#include "windows/Monitors.h"
#include "windows/WindowModel.h"

namespace tilora {

// The dialog's caption and the title by which the program recognises its own window.
inline constexpr wchar_t kOwnTitle[] = L"Tilora v1.09 (b)";

// What the handlers remember between two notifications: the marks and deadlines they arm and the
// timer serves, and what the last apply and save left behind.
struct SessionState {
    // After an apply with 'Min' set and 'Top' clear, the own dialog stays minimised until the
    // mark expires.
    bool keepOwnMinimized = false;
    std::uint64_t keepOwnMinimizedDue = NEVER_DUE;
    // After Tile All, the own dialog comes back in front once this has passed.
    std::uint64_t ownWindowRestoreDue = NEVER_DUE;
    // The windows the last arrangement file matched, bottom-most first.
    WindowSnapshot fileArrangement;
    // The file Save SD wrote last in this run; empty before the first Save SD.
    std::wstring sessionDefaultPath;
    // Settings.txt was there at start-up but not understood; it is moved aside as
    // Settings.txt.bak before the settings are written over it.
    bool keepSettingsFile = false;
    // Settings.txt's bytes as read at start-up or written last; nothing when they could not be
    // read. When the file differs at closing, the user edited it while the program ran.
    std::optional<std::string> settingsFileBytes;

    // Execute's arrangement, waiting on the timer for the windows it names.
    std::wstring pendingArrangementPath;
    std::vector<std::wstring> pendingLines;
    std::uint64_t pendingArrangementDue = NEVER_DUE;
    bool arrangementPending() const { return !pendingArrangementPath.empty(); }
    void CancelPendingArrangement() {
        pendingArrangementPath.clear();
        pendingLines.clear();
        pendingArrangementDue = NEVER_DUE;
    }

    // The size Copy Size took, good for pasting until the timer finds sizeCopiedDue passed;
    // before the first copy and after that, pasting asks and uses this initial 100 x 100.
    Rect copiedRect{100, 100, 200, 200};
    bool sizeCopied = false;
    std::uint64_t sizeCopiedDue = NEVER_DUE;

    // Timer ticks so far, and the mouse position reported last.
    int tickCount = 0;
    Point lastMousePosition;
};

// Everything a handler works with: the platform services, the texts, the log, the folders, the
// settings read at start-up, the file lists, the window model, the monitors and the session.
// The dialog makes one and hands it to every handler.
struct CommandContext {
    explicit CommandContext(Platform platform)
        : windows(platform.windows),
          controls(platform.controls),
          clock(platform.clock),
          libraries(platform.libraries),
          shell(platform.shell),
          log(platform.controls, platform.clock),
          model(platform.windows, kOwnTitle),
          monitors(platform.windows) {}
    CommandContext(const CommandContext&) = delete;
    CommandContext& operator=(const CommandContext&) = delete;

    const std::wstring& Text(Msg id) const { return catalogue.Message(id); }
    void Log(const std::wstring& line) { log.AppendInfo(line); }

    WindowManager& windows;
    DialogControls& controls;
    const Clock& clock;
    SystemLibraries& libraries;
    Shell& shell;

    MessageCatalogue catalogue;
    InfoLog log;
    AppPaths paths;
    Settings settings;
    FileLists fileLists;
    WindowModel model;
    Monitors monitors;
    SessionState session;
};

}  // namespace tilora
