// Tilora.exe: the application object and the bridge from window messages to the dialog.
#include <windows.h>

#include <commctrl.h>

#include <optional>

#include "app/CKelvaneDlg.h"
#include "app/StartFolder.h"
#include "files/AppPaths.h"
#include "platform/ControlIds.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32DialogControls.h"
#include "platform/win32/Win32NamedObjects.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32SystemLibraries.h"
#include "platform/win32/Win32WindowManager.h"

namespace tilora::win32 {
namespace {

struct DialogHost {
    CKelvaneDlg& dialog;
    Win32DialogControls& controls;
};

DialogHost* HostOf(HWND hwnd) {
    return reinterpret_cast<DialogHost*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
}

// The combo box notifications the command box's choice is made of.
std::optional<ComboNotification> ComboNotificationOf(int code) {
    switch (code) {
        case CBN_SELCHANGE:
            return ComboNotification::SelectionChanged;
        case CBN_SELENDOK:
            return ComboNotification::SelectionEndOk;
        case CBN_SELENDCANCEL:
            return ComboNotification::SelectionEndCancel;
        case CBN_DROPDOWN:
            return ComboNotification::DroppedDown;
        case CBN_CLOSEUP:
            return ComboNotification::ClosedUp;
        default:
            return std::nullopt;
    }
}

void OnCommand(CKelvaneDlg& dialog, WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id == IDCANCEL) {
        dialog.OnCancel();
    } else if (id == IDOK) {
        dialog.OnOk();
    } else if (id == IDC_CB_COMMAND) {
        if (const auto notification = ComboNotificationOf(code)) dialog.OnCommandBox(*notification);
    } else if (id == IDC_ED_USERINPUT && code == EN_SETFOCUS) {
        dialog.OnUserInputSetFocus();
    } else if (code == BN_CLICKED && lParam != 0) {
        dialog.OnButtonClicked(id);
    }
}

INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        ::SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        DialogHost* host = HostOf(hwnd);
        host->controls.Attach(hwnd);
        host->dialog.OnInitDialog();
        return TRUE;
    }
    DialogHost* host = HostOf(hwnd);
    if (host == nullptr) return FALSE;

    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            host->controls.SetPaintDc(::BeginPaint(hwnd, &paint));
            host->dialog.OnPaint();
            host->controls.SetPaintDc(nullptr);
            ::EndPaint(hwnd, &paint);
            return TRUE;
        }
        case WM_TIMER:
            host->dialog.OnTimer();
            return FALSE;
        case WM_QUERYDRAGICON:
            return reinterpret_cast<INT_PTR>(host->controls.bigIcon());
        case WM_COMMAND:
            OnCommand(host->dialog, wParam, lParam);
            return TRUE;
        case WM_DRAWITEM:
            return host->controls.DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))
                       ? TRUE
                       : FALSE;
        case DM_GETDEFID: {
            // Enter presses the colour button that has the focus, as it would a system button.
            const int focused = host->controls.FocusedOwnerDrawnButton();
            if (focused == 0) return FALSE;
            ::SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, MAKELONG(focused, DC_HASDEFID));
            return TRUE;
        }
        case WM_MOVE:
            host->dialog.OnMove();
            return FALSE;
        case WM_MOUSEMOVE:
            host->dialog.OnMouseMove();
            return FALSE;
        case WM_MOUSELEAVE:
            host->dialog.OnMouseLeave();
            return FALSE;
        case WM_SETTINGCHANGE:
            // Docking and undocking may change only the work area that the taskbar leaves.
            if (wParam == SPI_SETWORKAREA) host->dialog.OnDisplayChange();
            host->dialog.OnSystemColoursChanged();
            return FALSE;
        case WM_SYSCOLORCHANGE:
        case WM_THEMECHANGED:
            host->dialog.OnSystemColoursChanged();
            return FALSE;
        case WM_DISPLAYCHANGE:
            host->dialog.OnDisplayChange();
            return FALSE;
        case WM_ENDSESSION:
            // Logoff and shutdown end the dialog without a cancel command.
            if (wParam != FALSE) host->dialog.OnEndSession();
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

// Prepares the common controls, runs the main dialog modally and ends when it ends.
class CKelvaneApp {
  public:
    int Run(HINSTANCE instance) {
        INITCOMMONCONTROLSEX commonControls{sizeof(commonControls), 0xFF};
        ::InitCommonControlsEx(&commonControls);

        Win32SystemLibraries libraries;
        Win32WindowManager windows(libraries);
        // Before anything is read or written: where Tilora already runs in this folder, its
        // dialog comes to the front instead. Held until the dialog has ended.
        Win32NamedObjects startFolder;
        if (ClaimStartFolder(startFolder, windows, CurrentDirectory(), kOwnTitle) !=
            StartDecision::Run) {
            return 0;
        }
        Win32DialogControls controls(instance, IDR_MAINFRAME);
        Win32Clock clock;
        Win32Shell shell;
        CommandContext context(Platform{windows, controls, clock, libraries, shell});
        CKelvaneDlg dialog(context);
        DialogHost host{dialog, controls};
        ::DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_TILORA_DIALOG), nullptr, DialogProc,
                          reinterpret_cast<LPARAM>(&host));
        return 0;
    }
};

}  // namespace tilora::win32

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    tilora::win32::CKelvaneApp app;
    return app.Run(instance);
}
