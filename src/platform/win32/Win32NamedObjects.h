#pragma once

#include <windows.h>

#include "platform/NamedObjects.h"
#include "platform/win32/Win32Handles.h"

namespace tilora::win32 {

class Win32NamedObjects : public NamedObjects {
  public:
    Win32NamedObjects() = default;
    ~Win32NamedObjects() override;
    Win32NamedObjects(const Win32NamedObjects&) = delete;
    Win32NamedObjects& operator=(const Win32NamedObjects&) = delete;

    std::wstring UpperCaseInvariant(const std::wstring& text) const override;
    MutexClaim ClaimMutex(const std::wstring& name, unsigned waitMs) override;
    bool PublishProcessId(const std::wstring& name) override;
    std::optional<unsigned> PublishedProcessId(const std::wstring& name) const override;

  private:
    UniqueKernelHandle mutex_;
    bool ownsMutex_ = false;
    UniqueKernelHandle mapping_;
    UniqueMappedView view_;
};

}  // namespace tilora::win32
