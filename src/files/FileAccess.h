#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tilora {

// Windows system error codes, the numbers the program reports for failed file operations.
inline constexpr int kErrorFileNotFound = 2;
inline constexpr int kErrorPathNotFound = 3;
inline constexpr int kErrorTooManyOpenFiles = 4;
inline constexpr int kErrorAccessDenied = 5;
inline constexpr int kErrorNotEnoughMemory = 8;
inline constexpr int kErrorInvalidData = 13;
inline constexpr int kErrorWriteProtect = 19;
inline constexpr int kErrorGenFailure = 31;
inline constexpr int kErrorSharingViolation = 32;
inline constexpr int kErrorFileExists = 80;
inline constexpr int kErrorInvalidParameter = 87;
inline constexpr int kErrorDiskFull = 112;
inline constexpr int kErrorFilenameTooLong = 206;
inline constexpr int kErrorFileTooLarge = 223;

// Larger files are refused rather than read: their text would not fit in memory comfortably, and
// none of the program's own files comes anywhere near this size.
inline constexpr std::uintmax_t kMaxReadBytes = std::uintmax_t{256} << 20;

// The Windows error code of the operation on path that has just failed in this thread; call it
// before anything else can touch errno. On Windows this is the system's own code, which the
// run-time library keeps in _doserrno; elsewhere errno is translated (a missing file gives 2, a
// missing folder 3, no permission or a folder in the file's place 5).
int LastFileError(const std::filesystem::path& path);
// The Windows error code for an errno value of a failed operation on path.
int WindowsErrorOfErrno(int errorNumber, const std::filesystem::path& path);

// Reads the whole file into bytes. Returns 0, or the Windows error code with bytes untouched.
int ReadFileBytes(const std::wstring& path, std::string& bytes);

// Replaces the file's contents so that it holds either its previous contents or the new ones,
// never a mixture or nothing, also after a power cut: the bytes go into a temporary file in the
// same folder and onto the disk, and then the temporary file takes the file's place in one step.
// Creates the file if it is missing (its folder must exist). Returns 0, or the Windows error code
// (206 for a file name longer than Windows takes); after a failure the previous file is as it was
// and the temporary file is gone.
int ReplaceFileContents(const std::wstring& path, std::string_view bytes);
// Gives the file the new name in the same folder, replacing a file of that name. Needs no right
// to read the file. Returns 0, or the Windows error code with both files as they were.
int MoveFileReplacing(const std::wstring& from, const std::wstring& to);
// The temporary file through which ReplaceFileContents writes path: a short name of its own in
// the same folder.
std::wstring ReplacementPathFor(const std::wstring& path);
// Whether a file name is one of the program's temporary files: a name followed by ".~tmp", as
// ReplacementPathFor makes and earlier versions made them.
bool IsReplacementName(std::wstring_view fileName);
// Deletes the temporary files that replacements in the folder (ending in a separator, as the
// program's folders do) left behind when the program was ended in the middle of one. Only files
// with a name IsReplacementName accepts are touched; a folder or link of such a name stays. Returns
// the paths deleted, in the order of their names.
std::vector<std::wstring> RemoveLeftOverReplacements(const std::wstring& folder);

}  // namespace tilora
