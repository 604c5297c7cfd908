// Times Apply of an arrangement of 3, 10 and 30 real windows under Wine or Windows: the file is
// read, the windows captured and matched, and each window placed, shown and activated in turn.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <vector>

#include "CoreWithoutDialog.h"
#include "DesktopPrograms.h"
#include "files/ArrangementFormat.h"
#include "files/TextFile.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32SystemLibraries.h"
#include "platform/win32/Win32WindowManager.h"

namespace {

using namespace tilora;
using win32::testing::DesktopProgram;

// The core without a dialog, with its folders below the test folder.
struct Core : win32::testing::CoreWithoutDialog {
    explicit Core(const std::filesystem::path& folder) {
        context.paths = AppPaths::Build(folder.wstring());
    }
};

RECT Slot(int i) {
    const int x = 20 + (i % 6) * 150;
    const int y = 20 + (i / 6) * 90;
    return {x, y, x + 500, y + 300};
}

}  // namespace

int main() {
    win32::testing::TestFolder folder;
    Core core(folder.path());
    std::vector<std::unique_ptr<DesktopProgram>> programs;
    for (int count : {3, 10, 30}) {
        while (static_cast<int>(programs.size()) < count) {
            const std::wstring name = L"doc" + std::to_wstring(programs.size()) + L".txt";
            std::ofstream(folder.path() / name) << "x";
            programs.push_back(
                std::make_unique<DesktopProgram>(L"notepad.exe " + name, name, folder.path()));
        }
        for (int i = 0; i < count; ++i) programs[static_cast<std::size_t>(i)]->PlaceAt(Slot(i));
        core.model.CaptureWindows();
        const std::wstring path = folder.path().wstring() + L"\\arrangement.txt";
        WriteTextFile(path, FormatArrangement(core.model.currentSnapshot(),
                                              core.catalogue.Message(Msg::ArrangementTrailer)));
        for (int i = 0; i < count; ++i)
            programs[static_cast<std::size_t>(i)]->PlaceAt(Slot(count - 1 - i));

        const auto start = std::chrono::steady_clock::now();
        core.arrangements.ApplyArrangementFile(path);
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();

        int misplaced = 0;
        for (int i = 0; i < count; ++i) {
            const RECT want = Slot(i);
            const RECT now =
                win32::testing::WindowRect(programs[static_cast<std::size_t>(i)]->window());
            if (now.left != want.left || now.top != want.top || now.right != want.right ||
                now.bottom != want.bottom) {
                ++misplaced;
            }
        }
        std::printf(
            "Apply of %d notepad windows: %.1f ms in all, %.1f ms per window; %d not at their "
            "place\n",
            count, ms, ms / count, misplaced);
    }
    return 0;
}
