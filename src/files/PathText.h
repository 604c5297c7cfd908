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

// Whether Windows would not store a file under the name as given: a device name (CON, PRN, AUX,
// NUL, COM1 to COM9, LPT1 to LPT9, in any case, with or without an extension, blanks before the
// extension included) opens the device, and a dot or blank at the end of the name is dropped.
bool IsReservedFileName(std::wstring_view name);

}  // namespace tilora
