#include "platform/win32/Win32Shell.h"

#include <windows.h>

#include <shellapi.h>

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

}  // namespace tilora::win32
