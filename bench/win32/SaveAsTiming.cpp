// Times SaveAs under Wine or Windows with 250, 500 and 1,000 extra windows of one program open:
// the capture, the file written and the file list refreshed, through the core's handler on the
// real Win32 layer. Beside it, in the same rounds, the bare loop of the calls any capture makes
// (BareCapture.h); SaveAs should stay a small multiple of it as the windows double. The extra
// windows come from a second copy of this program, started with --windows N. Run it by hand:
//   tests/wine/run-in-desktop.sh build/mingw/wineprefix build/mingw/tilora_saveas_timing.exe
// With --save-sd it times Save SD with 300 extra windows instead, and beside it the file write
// alone three ways: as the program writes (flushed to the disk, renamed with write-through), as
// it wrote before (C run-time write, _commit, rename), and a plain write and rename.
#include <windows.h>

#include <io.h>

#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <string>
#include <vector>

#include "BareCapture.h"
#include "DesktopPrograms.h"
#include "TimingCore.h"
#include "TimingFigures.h"
#include "files/ArrangementFormat.h"
#include "files/FileAccess.h"
#include "files/TextEncoding.h"
#include "files/TextHelpers.h"
#include "platform/ControlIds.h"
#include "platform/win32/Win32WindowManager.h"

namespace {

using namespace tilora;

constexpr int kRounds = 5;
constexpr int kExtraWindows[] = {250, 500, 1000};
constexpr wchar_t kWindowClass[] = L"TiloraTimingWindow";

// The helper: as many small top-level windows as asked, each with a title of its own, until it
// is ended.
int ShowWindows(int count) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kWindowClass;
    ::RegisterClassW(&windowClass);
    for (int i = 0; i < count; ++i) {
        const std::wstring title = L"Extra window " + std::to_wstring(i);
        ::CreateWindowExW(0, kWindowClass, title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                          (i % 40) * 20, (i / 40) * 20, 300, 200, nullptr, nullptr,
                          windowClass.hInstance, nullptr);
    }
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) ::DispatchMessageW(&message);
    return 0;
}

// A copy of this program showing count windows, ended again when this object goes.
class ExtraWindows {
  public:
    explicit ExtraWindows(int count) {
        wchar_t self[MAX_PATH] = {};
        ::GetModuleFileNameW(nullptr, self, MAX_PATH);
        std::wstring line = L"\"" + std::wstring(self) + L"\" --windows " + std::to_wstring(count);
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &process_)) {
            return;
        }
        win32::testing::WaitUntil(
            [&] {
                return static_cast<int>(timing::VisibleWindowsOf(process_.dwProcessId).size()) >=
                       count;
            },
            std::chrono::minutes(5));
        ::Sleep(2000);  // the window manager frames the new windows a while longer
    }
    ~ExtraWindows() {
        if (process_.hProcess == nullptr) return;
        ::TerminateProcess(process_.hProcess, 0);
        ::WaitForSingleObject(process_.hProcess, 10000);
        ::CloseHandle(process_.hThread);
        ::CloseHandle(process_.hProcess);
        ::Sleep(500);  // Wine removes the windows of an ended process a little later
    }
    ExtraWindows(const ExtraWindows&) = delete;
    ExtraWindows& operator=(const ExtraWindows&) = delete;

  private:
    PROCESS_INFORMATION process_{};
};

// The dialog's input field holds a file name; no other control matters to SaveAs.
class NamedInput : public win32::testing::NullDialogControls {
  public:
    std::wstring Text(int controlId) const override {
        return controlId == IDC_ED_USERINPUT ? L"Layout.txt" : std::wstring();
    }
};

using Core = timing::TimingCore<win32::Win32WindowManager, NamedInput>;

// The file written with the C run-time and renamed over the old one: with commit, the earlier
// way (_commit, then a rename as std::filesystem::rename does it); without, neither flushed nor
// written through, so what the disk has of it after a power cut is open.
void WriteWithRunTime(const std::wstring& path, const std::string& bytes, bool commit) {
    const std::wstring temporary = path + L".~tmp";
    FILE* file = _wfopen(temporary.c_str(), L"wb");
    if (file == nullptr) return;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    if (commit) {
        std::fflush(file);
        _commit(_fileno(file));
    }
    std::fclose(file);
    ::MoveFileExW(temporary.c_str(), path.c_str(),
                  MOVEFILE_REPLACE_EXISTING | (commit ? MOVEFILE_COPY_ALLOWED : 0));
}

int TimeSaveSessionDefault(Core& core) {
    constexpr int kWindows = 300;
    constexpr int kSaveRounds = 9;
    const ExtraWindows windows(kWindows);
    std::vector<double> saves, durable, before, plain;
    const std::wstring path = core.context.paths.arrangementsDir + L"Timing.txt";
    for (int round = 0; round < kSaveRounds; ++round) {
        saves.push_back(timing::MillisecondsOf([&] { core.arrangements.SaveSessionDefault(); }));
        const std::string bytes =
            "\xFF\xFE" +
            EncodeUtf16Le(WithCrLf(FormatArrangement(core.context.model.currentSnapshot(),
                                                     core.context.Text(Msg::ArrangementTrailer))));
        durable.push_back(timing::MillisecondsOf([&] { ReplaceFileContents(path, bytes); }));
        before.push_back(timing::MillisecondsOf([&] { WriteWithRunTime(path, bytes, true); }));
        plain.push_back(timing::MillisecondsOf([&] { WriteWithRunTime(path, bytes, false); }));
        if (round == 0) {
            std::printf("Save SD with %d extra windows: %zu lines, %zu bytes\n", kWindows,
                        core.context.model.currentSnapshot().size(), bytes.size());
        }
    }
    timing::PrintBeside("  Save SD beside its write alone", saves, durable);
    timing::PrintBeside("  the write, flushed and written through, beside a plain write", durable,
                        plain);
    timing::PrintBeside("  the write as before (_commit, rename), beside a plain write", before,
                        plain);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 3 && std::wcscmp(argv[1], L"--windows") == 0) {
        return ShowWindows(std::stoi(argv[2]));
    }
    win32::testing::TestFolder folder;
    Core core(folder.path());
    if (argc == 2 && std::wcscmp(argv[1], L"--save-sd") == 0) return TimeSaveSessionDefault(core);
    for (int extra : kExtraWindows) {
        const ExtraWindows windows(extra);
        std::vector<double> saves;
        std::vector<double> bares;
        int recorded = 0;
        for (int round = 0; round < kRounds; ++round) {
            saves.push_back(timing::MillisecondsOf([&] { core.arrangements.SaveAs(); }));
            bares.push_back(timing::MillisecondsOf([&] { recorded = timing::BareCapture(); }));
        }
        const std::size_t lines = core.context.model.currentSnapshot().size();
        std::printf("%d extra windows (%zu lines written, %d windows in the bare loop):\n", extra,
                    lines, recorded);
        timing::PrintBeside("  SaveAs beside the bare loop", saves, bares);
    }
    return 0;
}
