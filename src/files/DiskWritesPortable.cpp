// The standard C++ and POSIX steps behind DiskWrites.h, for the builds that are not Windows.
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <memory>
#include <system_error>

#include "files/DiskWrites.h"
#include "files/FileAccess.h"
#include "files/PathText.h"

namespace tilora {
namespace {

namespace fs = std::filesystem;

struct FileCloser {
    void operator()(FILE* file) const { fclose(file); }
};
using FileHandle = std::unique_ptr<FILE, FileCloser>;

// A rename is an entry of the folder: it is on the disk once the folder is.
void SyncFolderOf(const fs::path& path) {
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (descriptor < 0) return;
    fsync(descriptor);
    close(descriptor);
}

}  // namespace

int WriteNewFileToDisk(const std::wstring& path, std::string_view bytes) {
    const fs::path target = ToPath(path);
    errno = 0;
    FileHandle file(fopen(target.c_str(), "wb"));
    if (!file) return LastFileError(target);
    const bool written =
        bytes.empty() || fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    int code = 0;
    if (!written || fflush(file.get()) != 0 || fsync(fileno(file.get())) != 0) {
        code = LastFileError(target);
    }
    if (fclose(file.release()) != 0 && code == 0) code = LastFileError(target);
    if (code != 0) {
        std::error_code ignored;
        fs::remove(target, ignored);
    }
    return code;
}

int RenameOnDisk(const std::wstring& from, const std::wstring& to) {
    const fs::path target = ToPath(to);
    std::error_code error;
    fs::rename(ToPath(from), target, error);
    if (error) return WindowsErrorOfErrno(error.value(), target);
    SyncFolderOf(target);
    return 0;
}

}  // namespace tilora
