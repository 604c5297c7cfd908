#pragma once

#include "platform/Clock.h"
#include "platform/DialogControls.h"
#include "platform/Shell.h"
#include "platform/SystemLibraries.h"
#include "platform/WindowManager.h"

namespace tilora {

// The operating-system services the program works through.
struct Platform {
    WindowManager& windows;
    DialogControls& controls;
    const Clock& clock;
    SystemLibraries& libraries;
    Shell& shell;
};

}  // namespace tilora
