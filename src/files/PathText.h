#pragma once

#include <filesystem>
#include <string>

namespace tilora {

// Wide text <-> file-system paths. On Windows a path is wide already; elsewhere paths are UTF-8
// bytes, converted here without depending on the process locale.
std::filesystem::path ToPath(const std::wstring& text);
std::wstring FromPath(const std::filesystem::path& path);

}  // namespace tilora
