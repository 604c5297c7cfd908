// The core's arrangement handlers on the real Win32 layer, without a dialog, with their folders
// below a folder of the timing program's. The window manager and the dialog controls are the
// program's choice, so that it can time the calls or answer the input field.
#pragma once

#include <filesystem>

#include "NullDialogControls.h"
#include "commands/ArrangementCommands.h"
#include "commands/CommandContext.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32SystemLibraries.h"
#include "platform/win32/Win32WindowManager.h"

namespace tilora::timing {

template <typename WindowManagerType = win32::Win32WindowManager,
          typename ControlsType = win32::testing::NullDialogControls>
struct TimingCore {
    win32::Win32SystemLibraries libraries;
    WindowManagerType windows{libraries};
    ControlsType controls;
    win32::Win32Clock clock;
    win32::Win32Shell shell;
    CommandContext context{Platform{windows, controls, clock, libraries, shell}};
    ArrangementCommands arrangements{context};

    explicit TimingCore(const std::filesystem::path& folder) {
        context.catalogue.CopySelectedTables();
        libraries.Load(L"PSAPI.DLL");
        libraries.ResolveEntryPoint(L"PSAPI.DLL", "EnumProcessModules");
        libraries.ResolveEntryPoint(L"PSAPI.DLL", "GetModuleBaseNameW");
        context.paths = AppPaths::Build(folder.wstring());
        std::filesystem::create_directories(context.paths.arrangementsDir);
    }
};

}  // namespace tilora::timing
