// The test program whose window stops answering on request (HungWindowProgram.cpp).
#pragma once

#include <windows.h>

namespace tilora::win32::testing {

inline constexpr wchar_t kHungWindowProgram[] = L"tilora_hung_window.exe";
inline constexpr wchar_t kHungWindowTitle[] = L"Tilora hung window";
// Posted to the window: its program stops taking messages for good.
inline constexpr UINT kStopAnswering = WM_APP + 13;

}  // namespace tilora::win32::testing
