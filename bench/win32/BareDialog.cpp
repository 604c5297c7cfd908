// Tilora's dialog with none of Tilora's code: the same template, manifest and icon, and only the
// command box filled, which is what tilora_startup_timing waits for. Timed as the "other" program
// of tilora_startup_timing, it shows what the window system alone costs to start such a dialog:
//   tests/wine/run-in-desktop.sh build/mingw/wineprefix build/mingw/tilora_startup_timing.exe
//       30 'Z:\path\to\build\mingw\tilora_bare_dialog.exe'
#include <windows.h>

#include <commctrl.h>

#include "platform/ControlIds.h"

namespace {

constexpr int kCommandEntries = 39;

INT_PTR CALLBACK BareDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        const HWND commands = ::GetDlgItem(dialog, IDC_CB_COMMAND);
        for (int entry = 0; entry < kCommandEntries; ++entry) {
            ::SendMessageW(commands, CB_ADDSTRING, 0,
                           reinterpret_cast<LPARAM>(L"1. Show the monitor resolution(s)"));
        }
        ::SendMessageW(commands, CB_SETCURSEL, 1, 0);
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        ::EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX commonControls{sizeof(commonControls), 0xFF};
    ::InitCommonControlsEx(&commonControls);
    ::DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_TILORA_DIALOG), nullptr, BareDialogProc, 0);
    return 0;
}
