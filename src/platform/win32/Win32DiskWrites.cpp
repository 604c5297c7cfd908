// The Windows steps behind DiskWrites.h: the new file's data is flushed with FlushFileBuffers
// before the rename, and MoveFileExW with MOVEFILE_WRITE_THROUGH returns only once the rename is
// on the disk, so the rename can never reach the disk before the data it points to.
#include <windows.h>

#include <algorithm>

#include "files/DiskWrites.h"
#include "platform/win32/Win32Handles.h"

namespace tilora {
namespace {

// WriteFile takes at most this many bytes a call.
constexpr std::size_t kMaxWriteBytes = std::size_t{1} << 30;

int LastError() {
    const DWORD error = ::GetLastError();
    // Never 0: the caller has a failure to report.
    return error == 0 ? ERROR_GEN_FAILURE : static_cast<int>(error);
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min(bytes.size(), kMaxWriteBytes));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

}  // namespace

int WriteNewFileToDisk(const std::wstring& path, std::string_view bytes) {
    win32::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                         FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return LastError();
    if (WriteAll(file.Get(), bytes) && ::FlushFileBuffers(file.Get())) return 0;
    const int code = LastError();
    file.Reset();
    ::DeleteFileW(path.c_str());
    return code;
}

int RenameOnDisk(const std::wstring& from, const std::wstring& to) {
    if (::MoveFileExW(from.c_str(), to.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return 0;
    }
    return LastError();
}

}  // namespace tilora
