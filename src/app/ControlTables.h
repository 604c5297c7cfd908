// Which control carries which button index, caption and tooltip.
#pragma once

#include <array>

#include "platform/ControlIds.h"

namespace tilora {

inline constexpr int kButtonCount = 14;

// Button index 1 to 14 -> control ID; index 0 is unused.
inline constexpr std::array<int, kButtonCount + 1> kButtonControlIds = {
    0,
    IDC_BN_APPLY,
    IDC_BN_EXECUTE,
    IDC_BN_SAVEAS,
    IDC_BN_COPYSIZE,
    IDC_BN_STARTARRANG,
    IDC_BN_OPENHELP,
    IDC_BN_SHOWMONRES,
    IDC_BN_PASTESIZE,
    IDC_BN_MINIMIZEALL,
    IDC_BN_MAXIMIZEALL,
    IDC_BN_TILEALL,
    IDC_BN_SAVESD,
    IDC_BN_APPLYSD,
    IDC_BN_LANGUAGE,
};

// The check box each check-box caption entry 0 to 4 labels.
inline constexpr std::array<int, 5> kCheckBoxCaptionControls = {
    IDC_CK_STOP, IDC_CK_CLEAR, IDC_CK_TOP, IDC_CK_MIN, IDC_CK_MOUSE};

// The check box each check-box tooltip entry 0 to 4 belongs to (a different order).
inline constexpr std::array<int, 5> kCheckBoxTooltipControls = {
    IDC_CK_TOP, IDC_CK_STOP, IDC_CK_CLEAR, IDC_CK_MIN, IDC_CK_MOUSE};

// The label each label caption entry 0 to 4 sets.
inline constexpr std::array<int, 5> kLabelControls = {
    IDC_ST_COMMAND, IDC_ST_SCRIPT, IDC_ST_ARRANGEMENT, IDC_ST_USERINPUT, IDC_ST_INFO};

// Button index of a control ID, or 0 when the control is not one of the fourteen buttons.
constexpr int ButtonIndexOf(int controlId) {
    for (int index = 1; index <= kButtonCount; ++index) {
        if (kButtonControlIds[index] == controlId) return index;
    }
    return 0;
}

}  // namespace tilora
