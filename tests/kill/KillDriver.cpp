// KillDriver.exe COMMAND [ARGUMENT]
// Works the one running Tilora dialog of this Wine prefix for the kill test, one command per
// call, and prints what it found as UTF-8 lines:
//   ready [SECONDS]  waits for the dialog and its start-up report (60 seconds at most)
//   gone             waits until no Tilora dialog is left (after a kill)
//   state            prints "arrangement: NAME", "script: NAME" and "log: LINE" lines
//   move X Y         moves the dialog's top-left corner to X, Y
//   position         prints "position: LEFT,TOP" of the dialog
//   save-as NAME     SaveAs under NAME, waiting for the handler; prints "ms: N"
//   save-sd          Save SD, waiting for the handler; prints "ms: N"
//   post-save-as NAME, post-save-sd, post-close
//                    start the action, print "posted" and return
//   close            closes the dialog and waits for the process to end; prints "ms: N"
// The last line is "done" when the command was carried out, otherwise an "error: " line; the exit
// code says the same. No such line means Wine did not run this program at all.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "platform/ControlIds.h"

namespace {

constexpr wchar_t kDialogTitle[] = L"Tilora v1.09 (b)";
constexpr UINT kSendTimeoutMs = 120000;

HWND FindDialog() {
    HWND found = nullptr;
    ::EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            wchar_t title[64] = {};
            ::GetWindowTextW(window, title, 64);
            if (!::IsWindowVisible(window) || std::wstring(title) != kDialogTitle) return TRUE;
            *reinterpret_cast<HWND*>(parameter) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs, &result);
    return static_cast<LRESULT>(result);
}

void Print(const std::wstring& line) {
    const std::wstring text = line + L"\n";
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(),
                          size, nullptr, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

std::wstring ItemText(HWND control, UINT lengthMessage, UINT textMessage, int index) {
    const LRESULT length = Send(control, lengthMessage, static_cast<WPARAM>(index));
    if (length < 0) return std::wstring();
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
    Send(control, textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
    return std::wstring(buffer.data());
}

void PrintCombo(HWND dialog, int controlId, const wchar_t* label) {
    const HWND combo = ::GetDlgItem(dialog, controlId);
    const int count = static_cast<int>(Send(combo, CB_GETCOUNT));
    for (int index = 0; index < count; ++index) {
        Print(std::wstring(label) + ItemText(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, index));
    }
}

void PrintState(HWND dialog) {
    PrintCombo(dialog, IDC_CB_ARRANGEMENT, L"arrangement: ");
    PrintCombo(dialog, IDC_CB_SCRIPT, L"script: ");
    const HWND list = ::GetDlgItem(dialog, IDC_LB_INFO);
    const int count = static_cast<int>(Send(list, LB_GETCOUNT));
    for (int index = 0; index < count; ++index) {
        Print(L"log: " + ItemText(list, LB_GETTEXTLEN, LB_GETTEXT, index));
    }
}

bool HasStartUpReport(HWND dialog) {
    const HWND list = ::GetDlgItem(dialog, IDC_LB_INFO);
    const int count = static_cast<int>(Send(list, LB_GETCOUNT));
    for (int index = 0; index < count; ++index) {
        if (ItemText(list, LB_GETTEXTLEN, LB_GETTEXT, index)
                .starts_with(L"The following file with all window sizes")) {
            return true;
        }
    }
    return false;
}

HWND WaitForReadyDialog(int seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        const HWND dialog = FindDialog();
        if (dialog != nullptr && HasStartUpReport(dialog)) return dialog;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return nullptr;
}

void PrintElapsed(std::chrono::steady_clock::time_point start) {
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    Print(L"ms: " + std::to_wstring(elapsed.count()));
}

// Said at once, so that the caller can time from the moment the action started rather than from
// the end of this process, which takes Wine a while.
void PrintPosted() {
    Print(L"posted");
    std::fflush(stdout);
}

void SetUserInput(HWND dialog, const std::wstring& name) {
    Send(::GetDlgItem(dialog, IDC_ED_USERINPUT), WM_SETTEXT, 0,
         reinterpret_cast<LPARAM>(name.c_str()));
}

void PostClose(HWND dialog) {
    ::PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

bool CloseAndWait(HWND dialog) {
    DWORD processId = 0;
    ::GetWindowThreadProcessId(dialog, &processId);
    HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, processId);
    if (process == nullptr) return false;
    const auto start = std::chrono::steady_clock::now();
    PostClose(dialog);
    const bool ended = ::WaitForSingleObject(process, 60000) == WAIT_OBJECT_0;
    ::CloseHandle(process);
    if (ended) PrintElapsed(start);
    return ended;
}

bool WaitUntilGone() {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (FindDialog() != nullptr) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

int Run(const std::wstring& command, const std::wstring& argument, const std::wstring& second) {
    if (command == L"ready") {
        const int seconds = argument.empty() ? 60 : _wtoi(argument.c_str());
        return WaitForReadyDialog(seconds) != nullptr ? 0 : 1;
    }
    if (command == L"gone") return WaitUntilGone() ? 0 : 1;
    const HWND dialog = FindDialog();
    if (dialog == nullptr) {
        Print(L"error: no Tilora dialog");
        return 1;
    }
    if (command == L"state") {
        PrintState(dialog);
    } else if (command == L"move") {
        ::SetWindowPos(dialog, nullptr, _wtoi(argument.c_str()), _wtoi(second.c_str()), 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else if (command == L"position") {
        RECT rect{};
        ::GetWindowRect(dialog, &rect);
        Print(L"position: " + std::to_wstring(rect.left) + L"," + std::to_wstring(rect.top));
    } else if (command == L"save-as" || command == L"save-sd") {
        if (command == L"save-as") SetUserInput(dialog, argument);
        const auto start = std::chrono::steady_clock::now();
        Send(::GetDlgItem(dialog, command == L"save-as" ? IDC_BN_SAVEAS : IDC_BN_SAVESD), BM_CLICK);
        PrintElapsed(start);
    } else if (command == L"post-save-as" || command == L"post-save-sd") {
        if (command == L"post-save-as") SetUserInput(dialog, argument);
        ::PostMessageW(
            ::GetDlgItem(dialog, command == L"post-save-as" ? IDC_BN_SAVEAS : IDC_BN_SAVESD),
            BM_CLICK, 0, 0);
        PrintPosted();
    } else if (command == L"post-close") {
        PostClose(dialog);
        PrintPosted();
    } else if (command == L"close") {
        return CloseAndWait(dialog) ? 0 : 1;
    } else {
        Print(L"error: unknown command " + command);
        return 2;
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc < 2) return 2;
    const std::wstring command = argv[1];
    const int code = Run(command, argc > 2 ? argv[2] : L"", argc > 3 ? argv[3] : L"");
    Print(code == 0 ? std::wstring(L"done") : L"error: " + command + L" failed");
    std::fflush(stdout);
    return code;
}
