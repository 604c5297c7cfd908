// Which control carries which label caption and check-box tooltip. The buttons' and check boxes'
// captions come with their rows in the command table.
#pragma once

#include <array>

#include "platform/ControlIds.h"

namespace tilora {

inline constexpr int kButtonCount = 14;

// The check box each check-box tooltip entry 0 to 4 belongs to (not the order of the captions).
inline constexpr std::array<int, 5> kCheckBoxTooltipControls = {
    IDC_CK_TOP, IDC_CK_STOP, IDC_CK_CLEAR, IDC_CK_MIN, IDC_CK_MOUSE};

// The label each label caption entry 0 to 4 sets.
inline constexpr std::array<int, 5> kLabelControls = {
    IDC_ST_COMMAND, IDC_ST_SCRIPT, IDC_ST_ARRANGEMENT, IDC_ST_USERINPUT, IDC_ST_INFO};

}  // namespace tilora
