#include "platform/win32/Win32SystemLibraries.h"

namespace tilora::win32 {

bool Win32SystemLibraries::Load(const std::wstring& library) {
    if (modules_.count(library) != 0) return true;
    UniqueModule module(::LoadLibraryW(library.c_str()));
    if (!module) return false;
    modules_.emplace(library, std::move(module));
    return true;
}

bool Win32SystemLibraries::ResolveEntryPoint(const std::wstring& library, const char* entryPoint) {
    const auto found = modules_.find(library);
    if (found == modules_.end()) return false;
    const FARPROC address = ::GetProcAddress(found->second.Get(), entryPoint);
    if (address == nullptr) return false;
    entryPoints_[{library, entryPoint}] = address;
    return true;
}

void Win32SystemLibraries::Release(const std::wstring& library) {
    for (auto it = entryPoints_.begin(); it != entryPoints_.end();) {
        it = it->first.first == library ? entryPoints_.erase(it) : std::next(it);
    }
    modules_.erase(library);
}

FARPROC Win32SystemLibraries::EntryPoint(const std::wstring& library,
                                         const std::string& entryPoint) const {
    const auto found = entryPoints_.find({library, entryPoint});
    return found == entryPoints_.end() ? nullptr : found->second;
}

}  // namespace tilora::win32
