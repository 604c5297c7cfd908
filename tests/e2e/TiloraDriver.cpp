#include "TiloraDriver.h"

#include <fstream>
#include <thread>

#include "platform/ControlIds.h"

namespace tilora::e2e {
namespace {

constexpr UINT kSendTimeoutMs = 5000;

BOOL CALLBACK CollectStatics(HWND window, LPARAM parameter) {
    if (ClassOf(window) == L"Static") {
        reinterpret_cast<std::vector<HWND>*>(parameter)->push_back(window);
    }
    return TRUE;
}

LRESULT SendTimed(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs, &result);
    return static_cast<LRESULT>(result);
}

// The folder as the Unix side of Wine names it; empty where that is unknown.
std::wstring UnixPathOf(const std::filesystem::path& path) {
    using UnixFileName = char* (*)(const wchar_t*);
    const auto function = reinterpret_cast<UnixFileName>(reinterpret_cast<void (*)()>(
        ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char* unix = function != nullptr ? function(path.wstring().c_str()) : nullptr;
    if (unix == nullptr) return std::wstring();
    std::wstring wide(
        static_cast<std::size_t>(::MultiByteToWideChar(CP_UTF8, 0, unix, -1, nullptr, 0)), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, unix, -1, wide.data(), static_cast<int>(wide.size()));
    ::HeapFree(::GetProcessHeap(), 0, unix);
    wide.resize(wide.size() - 1);  // the terminating NUL
    return wide;
}

void SendMouseButton(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    ::SendInput(1, &input, sizeof(input));
}

}  // namespace

std::wstring ClassOf(HWND window) {
    wchar_t className[32] = {};
    ::GetClassNameW(window, className, 32);
    return className;
}

HWND VisibleWindowOfProcess(DWORD processId, const std::function<bool(HWND)>& matches) {
    struct Search {
        DWORD processId;
        const std::function<bool(HWND)>& matches;
        HWND found;
    } search{processId, matches, nullptr};
    ::EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto* state = reinterpret_cast<Search*>(parameter);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            if (owner != state->processId || !::IsWindowVisible(window) || !state->matches(window))
                return TRUE;
            state->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::filesystem::path ProgramFolder() {
    std::vector<wchar_t> buffer(32768);
    const DWORD length =
        ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    return std::filesystem::path(std::wstring(buffer.data(), length)).parent_path();
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

void PressKey(WORD key) {
    INPUT inputs[2]{};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, inputs, sizeof(INPUT));
}

bool ChangeMonitors(const std::wstring& xrandrArguments, int monitors) {
    // Wine starts a Unix program, but hands back no process that could be waited for: the
    // change is awaited through what Wine reports.
    std::wstring xrandr = L"Z:\\usr\\bin\\xrandr " + xrandrArguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, xrandr.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process)) {
        return false;
    }
    if (process.hThread != nullptr) ::CloseHandle(process.hThread);
    if (process.hProcess != nullptr) ::CloseHandle(process.hProcess);
    return WaitFor(
        [&] {
            std::wstring command =
                L"\"" + (ProgramFolder() / L"tilora_display_change.exe").wstring() + L"\"";
            PROCESS_INFORMATION change{};
            if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  nullptr, &startup, &change)) {
                return false;
            }
            ::WaitForSingleObject(change.hProcess, 10000);
            DWORD seen = 0;
            ::GetExitCodeProcess(change.hProcess, &seen);
            ::CloseHandle(change.hThread);
            ::CloseHandle(change.hProcess);
            return seen == static_cast<DWORD>(monitors);
        },
        std::chrono::seconds(15));
}

ScratchFolder::ScratchFolder(const std::wstring& name) {
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            (name + L"-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
             std::to_wstring(counter++));
    std::error_code error;
    std::filesystem::remove_all(path_, error);
    std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}

TiloraProcess::TiloraProcess(const std::filesystem::path& folder,
                             std::chrono::milliseconds startWait)
    : TiloraProcess(folder, ProgramFolder() / L"Tilora.exe", Await::Dialog, startWait) {}

TiloraProcess::TiloraProcess(const std::filesystem::path& folder,
                             const std::filesystem::path& exePath, Await await,
                             std::chrono::milliseconds startWait) {
    trashHome_ = folder / L"_TrashHome";
    std::error_code error;
    std::filesystem::create_directories(trashHome_, error);
    // Tilora.exe inherits it.
    const std::wstring unixTrashHome = UnixPathOf(trashHome_);
    if (!unixTrashHome.empty()) ::SetEnvironmentVariableW(L"XDG_DATA_HOME", unixTrashHome.c_str());
    const std::wstring exe = exePath.wstring();
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    // Wine under load now and then refuses to start a process (error 1359); a moment later it
    // starts it.
    bool started = false;
    for (int attempt = 0; attempt < 5 && !started; ++attempt) {
        if (attempt > 0) ::Sleep(300);
        started = ::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                                   nullptr, folder.wstring().c_str(), &startup, &process_) != FALSE;
    }
    if (!started || await == Await::Nothing) return;
    WaitFor(
        [&] {
            dialog_ = VisibleWindowOfProcess(process_.dwProcessId, [](HWND window) {
                wchar_t title[64] = {};
                ::GetWindowTextW(window, title, 64);
                return std::wstring(title) == kDialogTitle;
            });
            return dialog_ != nullptr;
        },
        startWait);
    // The first paint labels the dialog; wait until the command list is filled.
    WaitFor([&] { return dialog_ != nullptr && ComboCount(1010) > 0; }, startWait);
}

TiloraProcess::~TiloraProcess() {
    if (process_.hProcess != nullptr) {
        if (running()) {
            ::TerminateProcess(process_.hProcess, 1);
            ::WaitForSingleObject(process_.hProcess, 5000);
        }
        ::CloseHandle(process_.hThread);
        ::CloseHandle(process_.hProcess);
    }
}

bool TiloraProcess::running() const {
    return process_.hProcess != nullptr &&
           ::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

bool TiloraProcess::WaitForExit(std::chrono::milliseconds timeout) {
    return process_.hProcess != nullptr &&
           ::WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeout.count())) ==
               WAIT_OBJECT_0;
}

HWND TiloraProcess::Control(int controlId) const {
    return ::GetDlgItem(dialog_, controlId);
}

void TiloraProcess::Click(int controlId) const {
    SendTimed(Control(controlId), BM_CLICK);
}

void TiloraProcess::ChooseCommandEntry(int entry) const {
    const HWND combo = Control(IDC_CB_COMMAND);
    // A minimised dialog takes no keys: the user restores it first.
    if (::IsIconic(dialog_)) {
        ::ShowWindow(dialog_, SW_RESTORE);
        WaitFor([&] { return !::IsIconic(dialog_); });
    }
    SelectCommandEntry(entry);
    SendTimed(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(combo), TRUE);
    // The keys go to the box's edit field, which has the focus; the dialog's message loop turns
    // Enter into the dialog's OK command.
    const HWND edit = ::FindWindowExW(combo, nullptr, L"Edit", nullptr);
    ::PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    ::PostMessageW(edit, WM_KEYUP, VK_RETURN, static_cast<LPARAM>(0xC01C0001u));
}

void TiloraProcess::SelectCommandEntry(int entry) const {
    SendTimed(Control(IDC_CB_COMMAND), CB_SETCURSEL, static_cast<WPARAM>(entry));
}

bool TiloraProcess::FocusCommandBox() const {
    const bool inFront = WaitFor([&] {
        ::SetForegroundWindow(dialog_);
        return ::GetForegroundWindow() == dialog_;
    });
    SendTimed(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(IDC_CB_COMMAND)), TRUE);
    return inFront;
}

bool TiloraProcess::CommandListOpen() const {
    return SendTimed(Control(IDC_CB_COMMAND), CB_GETDROPPEDSTATE) != FALSE;
}

bool TiloraProcess::OpenCommandList() const {
    SendTimed(Control(IDC_CB_COMMAND), CB_SHOWDROPDOWN, TRUE);
    return WaitFor([&] { return CommandListOpen(); });
}

bool TiloraProcess::ClickCommandListEntry(int entry) const {
    if (!OpenCommandList()) return false;
    const HWND list = VisibleWindowOfProcess(
        process_.dwProcessId, [](HWND window) { return ClassOf(window) == L"ComboLBox"; });
    if (list == nullptr) return false;
    SendTimed(list, LB_SETTOPINDEX, static_cast<WPARAM>(entry));
    RECT item{};
    if (SendTimed(list, LB_GETITEMRECT, static_cast<WPARAM>(entry),
                  reinterpret_cast<LPARAM>(&item)) == LB_ERR) {
        return false;
    }
    POINT centre{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    ::MapWindowPoints(list, nullptr, &centre, 1);
    ::SetCursorPos(centre.x, centre.y);
    SendMouseButton(MOUSEEVENTF_LEFTDOWN);
    SendMouseButton(MOUSEEVENTF_LEFTUP);
    return true;
}

void TiloraProcess::PostClick(int controlId) const {
    ::PostMessageW(Control(controlId), BM_CLICK, 0, 0);
}

void TiloraProcess::PressEscape() const {
    // The dialog's message loop turns Esc into the cancel command.
    const HWND target = Control(1005);
    ::PostMessageW(target, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    ::PostMessageW(target, WM_KEYUP, VK_ESCAPE, static_cast<LPARAM>(0xC0010001u));
}

void TiloraProcess::CloseBox() const {
    ::PostMessageW(dialog_, WM_SYSCOMMAND, SC_CLOSE, 0);
}

std::wstring TiloraProcess::WindowText(HWND window) const {
    const LRESULT length = SendTimed(window, WM_GETTEXTLENGTH);
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
    SendTimed(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return std::wstring(buffer.data());
}

std::wstring TiloraProcess::Text(int controlId) const {
    return WindowText(Control(controlId));
}

void TiloraProcess::SetText(int controlId, const std::wstring& text) const {
    SendTimed(Control(controlId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool TiloraProcess::IsChecked(int controlId) const {
    return SendTimed(Control(controlId), BM_GETCHECK) == BST_CHECKED;
}

std::vector<std::wstring> TiloraProcess::LogLines() const {
    std::vector<std::wstring> lines;
    const int count = LogCount();
    for (int index = 0; index < count; ++index) lines.push_back(LogLine(index));
    return lines;
}

int TiloraProcess::LogCount() const {
    return static_cast<int>(SendTimed(Control(1005), LB_GETCOUNT));
}

std::wstring TiloraProcess::LogLine(int index) const {
    const HWND list = Control(1005);
    const LRESULT length = SendTimed(list, LB_GETTEXTLEN, static_cast<WPARAM>(index));
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length > 0 ? length : 0) + 1);
    SendTimed(list, LB_GETTEXT, static_cast<WPARAM>(index),
              reinterpret_cast<LPARAM>(buffer.data()));
    return buffer.data();
}

void TiloraProcess::FillLogTo(const std::filesystem::path& folder, int count) const {
    static int files = 0;
    const int lines = count - LogCount() - 1;
    if (lines < 0) return;
    std::string bytes = "\xFF\xFE";
    for (int i = 0; i < lines; ++i) {
        const std::wstring line =
            L"ltrb: 10/20/410/320; winName: Absent window " + std::to_wstring(i) + L";\r\n";
        for (const wchar_t c : line)
            bytes += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    }
    const std::wstring name = L"Fill" + std::to_wstring(files++) + L".txt";
    std::filesystem::create_directories(folder / L"_Arrangements");
    std::ofstream(folder / L"_Arrangements" / name, std::ios::binary) << bytes;
    // The arrangement box lists the folder as it was at the start: the file is put into it.
    const HWND combo = Control(IDC_CB_ARRANGEMENT);
    SendTimed(combo, CB_RESETCONTENT);
    SendTimed(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    SendTimed(combo, CB_SETCURSEL, 0);
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(Control(IDC_BN_APPLY), BM_CLICK, 0, 0, SMTO_NORMAL, 10 * 60 * 1000,
                          &result);
}

HWND TiloraProcess::WaitForMessageBox() const {
    HWND box = nullptr;
    WaitFor([&] {
        box = VisibleWindowOfProcess(process_.dwProcessId, [&](HWND window) {
            return window != dialog_ && ClassOf(window) == L"#32770";
        });
        return box != nullptr;
    });
    return box;
}

std::wstring TiloraProcess::MessageBoxText(HWND box) const {
    std::vector<HWND> statics;
    ::EnumChildWindows(box, CollectStatics, reinterpret_cast<LPARAM>(&statics));
    // The icon is a Static child too, without text.
    for (HWND control : statics) {
        std::wstring text = WindowText(control);
        if (!text.empty()) return text;
    }
    return std::wstring();
}

void TiloraProcess::AnswerMessageBox(HWND box, int commandId) const {
    ::PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(commandId), 0);
}

bool TiloraProcess::WaitForStartUpReport() const {
    return WaitFor([&] {
        for (const std::wstring& line : LogLines()) {
            if (line.rfind(L"The following file with all window sizes", 0) == 0) return true;
        }
        return false;
    });
}

std::vector<std::wstring> TiloraProcess::WaitForLogLines(std::size_t count) const {
    std::vector<std::wstring> lines;
    WaitFor([&] {
        lines = LogLines();
        return lines.size() >= count;
    });
    return lines;
}

int TiloraProcess::ComboCount(int controlId) const {
    return static_cast<int>(SendTimed(Control(controlId), CB_GETCOUNT));
}

int TiloraProcess::ComboSelection(int controlId) const {
    return static_cast<int>(SendTimed(Control(controlId), CB_GETCURSEL));
}

std::wstring TiloraProcess::ComboItem(int controlId, int index) const {
    const HWND combo = Control(controlId);
    const LRESULT length = SendTimed(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length == CB_ERR) return std::wstring();
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
    SendTimed(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
              reinterpret_cast<LPARAM>(buffer.data()));
    return std::wstring(buffer.data());
}

}  // namespace tilora::e2e
