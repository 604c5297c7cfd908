#pragma once

#include <cstdint>
#include <string>

namespace tilora {

struct ShellExecuteResult {
    // ShellExecuteW's result: greater than 32 on success.
    std::int64_t instance = 0;
    // GetLastError right after the call.
    std::uint32_t lastError = 0;

    bool Succeeded() const { return instance > 32; }
    // The error of a failed call, never 0, which would read as success: the last error, or where
    // the shell set none, its own result (an SE_ERR_ code; 0, out of memory, as SE_ERR_OOM).
    std::uint32_t FailureCode() const {
        constexpr std::uint32_t kSeErrOom = 8;
        if (lastError != 0) return lastError;
        if (instance > 0 && instance <= 32) return static_cast<std::uint32_t>(instance);
        return kSeErrOom;
    }
};

// Starting programs and opening documents and folders.
class Shell {
  public:
    virtual ~Shell() = default;
    // ShellExecuteW with no owner and the default verb; empty texts are passed as null.
    virtual ShellExecuteResult Execute(const std::wstring& file, const std::wstring& parameters,
                                       const std::wstring& directory, int showCommand) = 0;
    // Moves the one file to the Recycle Bin without asking (SHFileOperationW, FO_DELETE with
    // undo); where the file would be destroyed instead, Windows asks first. 0 once it is there,
    // otherwise the code Windows gave, ERROR_CANCELLED when the user declined.
    virtual std::uint32_t MoveToRecycleBin(const std::wstring& path) = 0;
};

}  // namespace tilora
