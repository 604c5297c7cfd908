#pragma once

#include <string>

#include "settings/SettingsFormat.h"

namespace tilora {

struct SettingsFileContent {
    // 0, or the Windows error code when the file could not be read (the values are then the
    // defaults and nothing was read).
    int error = 0;
    SettingsText text;
};

// Reads Settings.txt (8-bit text, or UTF-8 or UTF-16 with a mark).
SettingsFileContent ReadSettingsFile(const std::wstring& path);

// Writes the settings text as 8-bit text; see WriteTextFile8. Returns 0 or the Windows error
// code; after a failure the previous file is kept.
int WriteSettingsFile(const std::wstring& path, const std::wstring& text);

}  // namespace tilora
