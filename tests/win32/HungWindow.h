// The test program whose window stops answering, or refuses to be moved, on request
// (HungWindowProgram.cpp).
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

namespace tilora::win32::testing {

inline constexpr wchar_t kHungWindowProgram[] = L"tilora_hung_window.exe";
inline constexpr wchar_t kHungWindowTitle[] = L"Tilora hung window";
// Posted to the window: its program stops taking messages for good.
inline constexpr UINT kStopAnswering = WM_APP + 13;
// Sent to the window: from then on it vetoes every move and resize (WM_WINDOWPOSCHANGING), while
// the calls that ask for them still succeed.
inline constexpr UINT kRefuseMoves = WM_APP + 14;

// The command line that starts the program beside the running test program, with its window
// titled so.
inline std::wstring HungWindowCommandLine(const std::wstring& title) {
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::filesystem::path beside = std::filesystem::path(self).parent_path();
    return L"\"" + (beside / kHungWindowProgram).wstring() + L"\" " + title;
}

}  // namespace tilora::win32::testing
