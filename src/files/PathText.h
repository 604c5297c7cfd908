#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tilora {

// Wide text <-> file-system paths. On Windows a path is wide already; elsewhere paths are UTF-8
// bytes, converted here without depending on the process locale.
std::filesystem::path ToPath(const std::wstring& text);
std::wstring FromPath(const std::filesystem::path& path);

// Whether a name typed by the user names a file in the folder it is joined to: no folder
// separator, no drive, no "..", and none of the characters Windows refuses in file names.
bool IsPlainFileName(std::wstring_view name);

}  // namespace tilora
