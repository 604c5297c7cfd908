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

std::uint32_t Win32Shell::MoveToRecycleBin(const std::wstring& path) {
    // One file a call: a call for many reports one result for all of them.
    std::wstring from = path;
    from.push_back(L'\0');  // the list of names ends with an empty one
    SHFILEOPSTRUCTW operation{};
    // A box, if Windows shows one, belongs in front of the dialog the user works in.
    operation.hwnd = ::GetActiveWindow();
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    // On a drive without a Recycle Bin the file would be destroyed for good: Windows asks first.
    operation.fFlags =
        FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI | FOF_WANTNUKEWARNING;
    const int result = ::SHFileOperationW(&operation);
    if (result != 0) return static_cast<std::uint32_t>(result);
    return operation.fAnyOperationsAborted ? ERROR_CANCELLED : 0;
}

}  // namespace tilora::win32
