#pragma once

#include <optional>
#include <string>

#include "settings/SettingsFormat.h"

namespace tilora {

struct SettingsFileContent {
    // 0, or the Windows error code when the file could not be read (the values are then the
    // defaults and nothing was read).
    int error = 0;
    SettingsText text;
    // The file is there, but the program could make nothing of it: it could not be read, or not
    // one of its lines set anything. Writing the settings over it would lose what the user had.
    bool notUnderstood = false;
    // The file's bytes; nothing when they could not be read.
    std::optional<std::string> bytes;
};

// Reads Settings.txt (8-bit text, or UTF-8 or UTF-16 with a mark).
SettingsFileContent ReadSettingsFile(const std::wstring& path);

// Writes the settings text as 8-bit text; see WriteTextFile8. Returns 0 or the Windows error
// code; after a failure the previous file is kept. bytes, when given, receives what was written.
int WriteSettingsFile(const std::wstring& path, const std::wstring& text,
                      std::string* bytes = nullptr);

// Where a settings file that was not understood is kept: beside it, with ".bak" added.
std::wstring KeptSettingsPathFor(const std::wstring& path);
// Moves the settings file to KeptSettingsPathFor(path), replacing an older one. Returns 0, or
// the Windows error code with the file still in its place.
int KeepSettingsFile(const std::wstring& path);

}  // namespace tilora
