// The core's window model and window operations over the real Win32 layer, without a dialog.
#pragma once

#include <string>
#include <vector>

#include "NullDialogControls.h"
#include "app/InfoLog.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32SystemLibraries.h"
#include "platform/win32/Win32WindowManager.h"
#include "windows/Monitors.h"
#include "windows/WindowOperations.h"

namespace tilora::win32::testing {

struct CoreWithoutDialog {
    Win32SystemLibraries libraries;
    Win32WindowManager windows{libraries};
    NullDialogControls controls;
    Win32Clock clock;
    MessageCatalogue catalogue;
    InfoLog log{controls, clock};
    WindowModel model{windows, L"Tilora v1.09 (b)"};
    Monitors monitors{windows, catalogue, log};
    std::vector<std::wstring> excludeMaxList;
    std::wstring separator = L"-";
    WindowOperations operations{windows,  model, monitors,       catalogue, log,
                                controls, clock, excludeMaxList, separator};

    CoreWithoutDialog() {
        catalogue.CopySelectedTables();
        libraries.Load(L"PSAPI.DLL");
        libraries.ResolveEntryPoint(L"PSAPI.DLL", "EnumProcessModules");
        libraries.ResolveEntryPoint(L"PSAPI.DLL", "GetModuleBaseNameW");
    }
};

}  // namespace tilora::win32::testing
