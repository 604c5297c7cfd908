#pragma once

#include "commands/CommandContext.h"

namespace tilora {

// Reads Settings.txt once at start-up: sets the catalogue's language, checks or unchecks 'Top'
// and 'Min' (without running their click handlers), keeps the values in the context and reports
// what it read. A file that cannot be read is reported and changes nothing. A file that is there
// but could not be read, or of which nothing was recognised, is marked to be kept before the
// settings are written, and the log says where it will be.
void LoadSettings(CommandContext& context);

struct SettingsWriteOutcome {
    // 0, or the Windows error code of the file named by path.
    int error = 0;
    std::wstring path;
};

// Writes the settings as they are at closing: the language in effect, the dialog's position,
// the check boxes' states and the exclusion list as read, or, when the file was changed since it
// was read, as the changed file has it (with a line in the log). A file marked at start-up is
// first moved to Settings.txt.bak; when that fails, nothing is written. After a failed write the
// previous file is kept.
SettingsWriteOutcome StoreSettings(CommandContext& context, Point dialogPosition);

// The text of the box that tells of a failed write at closing.
std::wstring SettingsNotSavedText(const CommandContext& context,
                                  const SettingsWriteOutcome& outcome);

}  // namespace tilora
