#include "platform/win32/Win32NamedObjects.h"

namespace tilora::win32 {

Win32NamedObjects::~Win32NamedObjects() {
    if (ownsMutex_) ::ReleaseMutex(mutex_.Get());
}

std::wstring Win32NamedObjects::UpperCaseInvariant(const std::wstring& text) const {
    if (text.empty()) return text;
    const int length = static_cast<int>(text.size());
    const int needed = ::LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, text.data(), length,
                                       nullptr, 0, nullptr, nullptr, 0);
    if (needed <= 0) return text;
    std::wstring upper(static_cast<std::size_t>(needed), L'\0');
    ::LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, text.data(), length, upper.data(),
                    needed, nullptr, nullptr, 0);
    return upper;
}

MutexClaim Win32NamedObjects::ClaimMutex(const std::wstring& name, unsigned waitMs) {
    if (!mutex_) mutex_.Reset(::CreateMutexW(nullptr, FALSE, name.c_str()));
    if (!mutex_) return MutexClaim::Unavailable;
    switch (::WaitForSingleObject(mutex_.Get(), waitMs)) {
        case WAIT_OBJECT_0:
        case WAIT_ABANDONED:  // its owner was killed
            ownsMutex_ = true;
            return MutexClaim::Owned;
        case WAIT_TIMEOUT:
            return MutexClaim::HeldElsewhere;
        default:
            return MutexClaim::Unavailable;
    }
}

bool Win32NamedObjects::PublishProcessId(const std::wstring& name) {
    mapping_.Reset(::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                        sizeof(LONG), name.c_str()));
    if (!mapping_) return false;
    view_.Reset(::MapViewOfFile(mapping_.Get(), FILE_MAP_WRITE, 0, 0, sizeof(LONG)));
    if (!view_) return false;
    ::InterlockedExchange(static_cast<volatile LONG*>(view_.Get()),
                          static_cast<LONG>(::GetCurrentProcessId()));
    return true;
}

std::optional<unsigned> Win32NamedObjects::PublishedProcessId(const std::wstring& name) const {
    const UniqueKernelHandle mapping(::OpenFileMappingW(FILE_MAP_READ, FALSE, name.c_str()));
    if (!mapping) return std::nullopt;
    const UniqueMappedView view(::MapViewOfFile(mapping.Get(), FILE_MAP_READ, 0, 0, sizeof(LONG)));
    if (!view) return std::nullopt;
    const LONG processId = *static_cast<const volatile LONG*>(view.Get());
    if (processId == 0) return std::nullopt;
    return static_cast<unsigned>(processId);
}

}  // namespace tilora::win32
