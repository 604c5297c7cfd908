#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "platform/SystemLibraries.h"
#include "platform/win32/Win32Handles.h"

namespace tilora::win32 {

class Win32SystemLibraries : public SystemLibraries {
  public:
    bool Load(const std::wstring& library) override;
    bool ResolveEntryPoint(const std::wstring& library, const char* entryPoint) override;
    void Release(const std::wstring& library) override;

    // An entry point resolved earlier, or null.
    FARPROC EntryPoint(const std::wstring& library, const std::string& entryPoint) const;

  private:
    std::map<std::wstring, UniqueModule> modules_;
    std::map<std::pair<std::wstring, std::string>, FARPROC> entryPoints_;
};

}  // namespace tilora::win32
