#pragma once

#include "platform/Shell.h"

namespace tilora::win32 {

class Win32Shell : public Shell {
  public:
    ShellExecuteResult Execute(const std::wstring& file, const std::wstring& parameters,
                               const std::wstring& directory, int showCommand) override;
    std::uint32_t MoveToRecycleBin(const std::wstring& path) override;
};

}  // namespace tilora::win32
