#include "files/FileAccess.h"

#include <errno.h>
#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <memory>
#include <new>
#include <system_error>

#include "files/DiskWrites.h"
#include "files/PathText.h"

namespace tilora {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kReadChunkBytes = std::size_t{1} << 20;

struct FileCloser {
    void operator()(FILE* file) const { fclose(file); }
};
using FileHandle = std::unique_ptr<FILE, FileCloser>;

// The error state is cleared first so that LastFileError sees this open's outcome only.
#ifdef _WIN32
FILE* OpenForReading(const fs::path& path) {
    _doserrno = 0;
    errno = 0;
    return _wfopen(path.c_str(), L"rb");
}
#else
FILE* OpenForReading(const fs::path& path) {
    errno = 0;
    return fopen(path.c_str(), "rb");
}
#endif

bool FolderExists(const fs::path& path) {
    const fs::path folder = path.parent_path();
    if (folder.empty()) return true;
    std::error_code error;
    return fs::is_directory(folder, error);
}

int ReadOpenFile(FILE* file, const fs::path& path, std::string& content) {
    std::error_code sizeError;
    const std::uintmax_t size = fs::file_size(path, sizeError);
    if (!sizeError) {
        if (size > kMaxReadBytes) return kErrorFileTooLarge;
        // One chunk more, so that the read that finds the end needs no new buffer.
        content.reserve(static_cast<std::size_t>(size) + kReadChunkBytes);
    }
    // Read to the end rather than trusting the size, which may change under us.
    for (;;) {
        const std::size_t used = content.size();
        if (used > kMaxReadBytes) return kErrorFileTooLarge;
        content.resize(used + kReadChunkBytes);
        const std::size_t got = fread(content.data() + used, 1, kReadChunkBytes, file);
        content.resize(used + got);
        if (got < kReadChunkBytes) break;
    }
    return ferror(file) ? LastFileError(path) : 0;
}

}  // namespace

int WindowsErrorOfErrno(int errorNumber, const fs::path& path) {
    switch (errorNumber) {
        case ENOENT:
            return FolderExists(path) ? kErrorFileNotFound : kErrorPathNotFound;
        case ENOTDIR:
            return kErrorPathNotFound;
        case EACCES:
        case EPERM:
        case EISDIR:
            return kErrorAccessDenied;
        case EROFS:
            return kErrorWriteProtect;
        case EMFILE:
        case ENFILE:
            return kErrorTooManyOpenFiles;
        case ENOMEM:
            return kErrorNotEnoughMemory;
        case ENOSPC:
            return kErrorDiskFull;
        case ENAMETOOLONG:
            return kErrorFilenameTooLong;
        case EEXIST:
            return kErrorFileExists;
        case EINVAL:
            return kErrorInvalidParameter;
        case EBUSY:
            return kErrorSharingViolation;
        case EFBIG:
            return kErrorFileTooLarge;
        default:
            // Never 0: the caller has a failure to report.
            return kErrorGenFailure;
    }
}

int LastFileError(const fs::path& path) {
    const int errorNumber = errno;
#ifdef _WIN32
    const unsigned long systemError = _doserrno;
    if (systemError != 0) return static_cast<int>(systemError);
#endif
    return WindowsErrorOfErrno(errorNumber, path);
}

int ReadFileBytes(const std::wstring& path, std::string& bytes) {
    if (path.empty()) return kErrorPathNotFound;
    const fs::path filePath = ToPath(path);
    FileHandle file(OpenForReading(filePath));
    if (!file) return LastFileError(filePath);
    try {
        std::string content;
        const int code = ReadOpenFile(file.get(), filePath, content);
        if (code != 0) return code;
        bytes = std::move(content);
        return 0;
    } catch (const std::bad_alloc&) {
        return kErrorNotEnoughMemory;
    }
}

namespace {

constexpr std::wstring_view kReplacementSuffix = L".~tmp";
// Short and of one length, so that it fits wherever the file's own name does.
constexpr std::wstring_view kReplacementName = L"~tilora.~tmp";
// The longest file name Windows takes, in UTF-16 code units.
constexpr std::size_t kMaxFileNameLength = 255;

std::size_t FileNameStart(const std::wstring& path) {
    const std::size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? 0 : separator + 1;
}

}  // namespace

std::wstring ReplacementPathFor(const std::wstring& path) {
    return path.substr(0, FileNameStart(path)) + std::wstring(kReplacementName);
}

bool IsReplacementName(std::wstring_view fileName) {
    return fileName.size() > kReplacementSuffix.size() && fileName.ends_with(kReplacementSuffix);
}

std::vector<std::wstring> RemoveLeftOverReplacements(const std::wstring& folder) {
    std::vector<std::wstring> names;
    std::error_code error;
    fs::directory_iterator entry(ToPath(folder), error);
    for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
        const std::wstring name = FromPath(entry->path().filename());
        if (!IsReplacementName(name)) continue;
        // The program only ever writes plain files under these names.
        std::error_code statusError;
        if (!fs::is_regular_file(entry->symlink_status(statusError))) continue;
        names.push_back(name);
    }
    std::sort(names.begin(), names.end());

    std::vector<std::wstring> removed;
    for (const std::wstring& name : names) {
        // A file another program holds open stays, and is tried again at the next start.
        const std::wstring path = folder + name;
        std::error_code removeError;
        if (fs::remove(ToPath(path), removeError)) removed.push_back(path);
    }
    return removed;
}

int ReplaceFileContents(const std::wstring& path, std::string_view bytes) {
    if (path.empty()) return kErrorPathNotFound;
    if (path.size() - FileNameStart(path) > kMaxFileNameLength) return kErrorFilenameTooLong;
    const std::wstring temporary = ReplacementPathFor(path);
    const int code = WriteNewFileToDisk(temporary, bytes);
    if (code != 0) return code;
    // The new file is on the disk before its name replaces the old one, so neither a kill nor a
    // power cut can leave the name pointing at a file without its data.
    const int renameCode = RenameOnDisk(temporary, path);
    if (renameCode == 0) return 0;
    std::error_code ignored;
    fs::remove(ToPath(temporary), ignored);
    return renameCode;
}

int MoveFileReplacing(const std::wstring& from, const std::wstring& to) {
    if (from.empty() || to.empty()) return kErrorPathNotFound;
    const fs::path source = ToPath(from);
    std::error_code error;
    if (!fs::is_regular_file(source, error)) {
        return error ? WindowsErrorOfErrno(error.value(), source) : kErrorFileNotFound;
    }
    return RenameOnDisk(from, to);
}

}  // namespace tilora
