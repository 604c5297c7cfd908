#pragma once

#include <string>
#include <string_view>

namespace tilora {

// The two steps of replacing a file that must reach the disk in order, so that a power cut leaves
// the old file or the new one. The build picks the system's implementation: the Win32 one in
// platform/win32 (FlushFileBuffers, MoveFileExW with MOVEFILE_WRITE_THROUGH), the portable one
// beside this header (fsync of the file and of its folder).

// Creates the file (or empties an existing one), writes the bytes and returns once they are on
// the disk. Returns 0, or the Windows error code with the file removed again.
int WriteNewFileToDisk(const std::wstring& path, std::string_view bytes);

// Gives the file from the name to in the same folder, replacing a file of that name, and returns
// once the rename is on the disk. Returns 0, or the Windows error code with both files as they
// were.
int RenameOnDisk(const std::wstring& from, const std::wstring& to);

}  // namespace tilora
