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
};

// Starting programs and opening documents and folders.
class Shell {
  public:
    virtual ~Shell() = default;
    // ShellExecuteW with no owner and the default verb; empty texts are passed as null.
    virtual ShellExecuteResult Execute(const std::wstring& file, const std::wstring& parameters,
                                       const std::wstring& directory, int showCommand) = 0;
};

}  // namespace tilora
