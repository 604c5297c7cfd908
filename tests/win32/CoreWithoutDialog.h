// The core's handlers over the real Win32 layer, without a dialog.
#pragma once

#include <string>
#include <vector>

#include "NullDialogControls.h"
#include "commands/ArrangementCommands.h"
#include "commands/CommandContext.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32SystemLibraries.h"
#include "platform/win32/Win32WindowManager.h"
#include "windows/WindowOperations.h"

namespace tilora::win32::testing {

struct CoreWithoutDialog {
    // Placing one window and applying a snapshot, as Apply does it.
    struct Operations {
        CommandContext& context;
        ArrangementCommands& arrangements;

        bool PlaceWindow(WindowHandle window, const Rect& rect, unsigned show) {
            return WindowPlacer(context.windows)
                .Place(window, {WorkspaceRect(rect), show})
                .wasVisible;
        }
        void ApplySnapshot(const WindowSnapshot& snapshot, bool keepOwnMinimized) {
            context.session.keepOwnMinimized = keepOwnMinimized;
            arrangements.ApplyWindows(snapshot);
        }
    };

    Win32SystemLibraries libraries;
    Win32WindowManager windows{libraries};
    NullDialogControls controls;
    Win32Clock clock;
    Win32Shell shell;
    CommandContext context{Platform{windows, controls, clock, libraries, shell}};
    MessageCatalogue& catalogue = context.catalogue;
    WindowModel& model = context.model;
    ArrangementCommands arrangements{context};
    Operations operations{context, arrangements};

    CoreWithoutDialog() {
        catalogue.CopySelectedTables();
        libraries.Load(L"PSAPI.DLL");
        libraries.ResolveEntryPoint(L"PSAPI.DLL", "EnumProcessModules");
        libraries.ResolveEntryPoint(L"PSAPI.DLL", "GetModuleBaseNameW");
    }
};

}  // namespace tilora::win32::testing
