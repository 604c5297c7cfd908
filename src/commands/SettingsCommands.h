#pragma once

#include "commands/CommandContext.h"

namespace tilora {

// Reads Settings.txt once at start-up: sets the catalogue's language, checks or unchecks 'Top'
// and 'Min' (without running their click handlers), keeps the values in the context and reports
// what it read. A file that cannot be read is reported and changes nothing.
void LoadSettings(CommandContext& context);

// Writes the settings as they are at closing: the language in effect, the dialog's position,
// the check boxes' states and the exclusion list as read. Returns 0, or the Windows error code
// when the file could not be written (the previous file is then kept).
int StoreSettings(CommandContext& context, Point dialogPosition);

}  // namespace tilora
