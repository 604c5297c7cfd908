#include "platform/win32/Win32Shell.h"

#include <windows.h>

#include <shellapi.h>
#include <shlwapi.h>

#include <cstdint>

namespace tilora::win32 {
namespace {

const wchar_t* OrNull(const std::wstring& text) {
    return text.empty() ? nullptr : text.c_str();
}

}  // namespace

ShellExecuteResult Win32Shell::Execute(const std::wstring& file, const std::wstring& parameters,
                                       const std::wstring& directory, int showCommand) {
    const HINSTANCE instance = ::ShellExecuteW(nullptr, nullptr, OrNull(file), OrNull(parameters),
                                               OrNull(directory), showCommand);
    const DWORD lastError = ::GetLastError();
    return {static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(instance)), lastError};
}

bool Win32Shell::PathExists(const std::wstring& path) const {
    return ::PathFileExistsW(path.c_str()) != FALSE;
}

}  // namespace tilora::win32
