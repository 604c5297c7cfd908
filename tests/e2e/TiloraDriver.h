// Starts the real Tilora.exe and works its dialog from outside, as a user would.
#pragma once

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tilora::e2e {

inline constexpr wchar_t kDialogTitle[] = L"Tilora v1.09 (b)";

// Polls the condition until it holds or the time is up; true when it held.
bool WaitFor(const std::function<bool()>& condition,
             std::chrono::milliseconds timeout = std::chrono::seconds(10));

// The window's class name.
std::wstring ClassOf(HWND window);
// The first visible top-level window of the process that matches; null when there is none.
HWND VisibleWindowOfProcess(DWORD processId, const std::function<bool(HWND)>& matches);

// A key pressed and released on the real keyboard (SendInput): it goes to the foreground window.
void PressKey(WORD key);

// The folder of the running test program, where the build puts Tilora.exe and its helpers.
std::filesystem::path ProgramFolder();

// Changes the monitors of the X server under Wine with the arguments for xrandr, then has Wine
// take the change in and tell every window; true once Wine reports that many monitors.
bool ChangeMonitors(const std::wstring& xrandrArguments, int monitors);

// A folder of its own for one run, removed afterwards.
class ScratchFolder {
  public:
    explicit ScratchFolder(const std::wstring& name);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// One running Tilora.exe with its dialog.
class TiloraProcess {
  public:
    // Starts Tilora.exe (found beside this test program) with the folder as current directory
    // and waits for its dialog, at most startWait.
    explicit TiloraProcess(const std::filesystem::path& folder,
                           std::chrono::milliseconds startWait = std::chrono::seconds(10));
    // Whether the start waits for the dialog; a start that is to end at once shows none.
    enum class Await { Dialog, Nothing };
    // Starts the given Tilora.exe, for example one unpacked from the release zip.
    TiloraProcess(const std::filesystem::path& folder, const std::filesystem::path& exe,
                  Await await = Await::Dialog,
                  std::chrono::milliseconds startWait = std::chrono::seconds(10));
    ~TiloraProcess();
    TiloraProcess(const TiloraProcess&) = delete;
    TiloraProcess& operator=(const TiloraProcess&) = delete;

    HWND dialog() const { return dialog_; }
    bool running() const;
    // Waits for the process to end; true when it ended in time.
    bool WaitForExit(std::chrono::milliseconds timeout = std::chrono::seconds(10));

    // Working the dialog.
    void Click(int controlId) const;
    // A click that does not wait for its handler, for actions that may open a box of their own.
    void PostClick(int controlId) const;
    // Chooses the entry of the command box as a keyboard user does: the dialog restored when it is
    // minimised, the entry selected, the focus on the box and Enter, through the dialog's own
    // message loop. Returns before the command has run: wait for what it does.
    void ChooseCommandEntry(int entry) const;
    // Selects the entry of the command box as the program would, without telling the dialog.
    void SelectCommandEntry(int entry) const;
    // Brings the dialog to the front with the focus on the command box, for real keys; false when
    // it did not come to the front in time.
    bool FocusCommandBox() const;
    // Opens the command box's list; false when it did not open.
    bool OpenCommandList() const;
    bool CommandListOpen() const;
    // Opens the command box's list and clicks the entry with the real mouse; false when the list
    // or the entry could not be found on the screen.
    bool ClickCommandListEntry(int entry) const;
    // Where the desktop's trash keeps the files this Tilora.exe moved to the Recycle Bin.
    std::filesystem::path TrashFiles() const { return trashHome_ / L"Trash" / L"files"; }
    void PressEscape() const;
    void CloseBox() const;
    std::wstring WindowText(HWND window) const;
    std::wstring Text(int controlId) const;
    void SetText(int controlId, const std::wstring& text) const;
    bool IsChecked(int controlId) const;
    std::vector<std::wstring> LogLines() const;
    // A full log holds 100,000 lines: these read a few of them.
    int LogCount() const;
    std::wstring LogLine(int index) const;
    int ComboCount(int controlId) const;
    int ComboSelection(int controlId) const;
    std::wstring ComboItem(int controlId, int index) const;
    // Waits for a message box of the process (a #32770 window other than the dialog); null when
    // none appeared in time.
    HWND WaitForMessageBox() const;
    // The text of the box: its one Static child that has any.
    std::wstring MessageBoxText(HWND box) const;
    // Presses a button of the box by its command id (IDOK, IDCANCEL).
    void AnswerMessageBox(HWND box, int commandId) const;
    // Waits for the first timer tick's report, which ends with the automatic save's line.
    bool WaitForStartUpReport() const;
    // Waits until the log has at least that many lines; the lines then.
    std::vector<std::wstring> WaitForLogLines(std::size_t count) const;

    // Applies an arrangement of lines that name no open window, so that the log grows to exactly
    // count lines: the button's line and one line for each file line. folder is the one Tilora
    // was started in.
    void FillLogTo(const std::filesystem::path& folder, int count) const;

  private:
    HWND Control(int controlId) const;

    // A trash of its own for each Tilora.exe (Wine keeps it below XDG_DATA_HOME), so that no test
    // fills the user's.
    std::filesystem::path trashHome_;
    PROCESS_INFORMATION process_{};
    HWND dialog_ = nullptr;
};

}  // namespace tilora::e2e
