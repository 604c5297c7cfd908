#pragma once

#include <string>

namespace tilora {

// Libraries loaded at run time; the Win32 side keeps the modules and entry points.
class SystemLibraries {
  public:
    virtual ~SystemLibraries() = default;
    // LoadLibraryW; true when the library is loaded.
    virtual bool Load(const std::wstring& library) = 0;
    // GetProcAddress on a loaded library; true when the entry point exists.
    virtual bool ResolveEntryPoint(const std::wstring& library, const char* entryPoint) = 0;
    // FreeLibrary; nothing happens for a library that is not loaded.
    virtual void Release(const std::wstring& library) = 0;
};

}  // namespace tilora
