#pragma once

#include <filesystem>
#include <string>

namespace tilora {

// Wide text <-> file-system paths. On Windows a path is wide already; elsewhere paths are UTF-8
// bytes, converted here without depending on the process locale.
std::filesystem::path ToPath(const std::wstring& text);
std::wstring FromPath(const std::filesystem::path& path);

// UTF-8 of the code points in a wide string (UTF-16 where wchar_t has 16 bits).
// Unpaired surrogates and invalid code points become U+FFFD.
std::string Utf8FromWide(const std::wstring& text);
// Wide text of UTF-8 bytes; invalid sequences become U+FFFD.
std::wstring WideFromUtf8(const std::string& bytes);

}  // namespace tilora
