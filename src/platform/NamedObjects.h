#pragma once

#include <optional>
#include <string>

namespace tilora {

// How a claim on a named mutex ended.
enum class MutexClaim {
    // This process owns it now, also when its last owner ended without releasing it.
    Owned,
    // Another process owns it and did not release it in time.
    HeldElsewhere,
    // The mutex could not be made or waited for.
    Unavailable,
};

// Kernel objects named alike by every process of the user's session. One object of this class
// holds at most one mutex and one published process id, for as long as it lives.
class NamedObjects {
  public:
    virtual ~NamedObjects() = default;
    // LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE): the upper case in which Windows
    // compares names.
    virtual std::wstring UpperCaseInvariant(const std::wstring& text) const = 0;
    // CreateMutexW of that name (opening it when it exists), then WaitForSingleObject on it for
    // up to waitMs milliseconds. An owned mutex is released when this object is destroyed.
    virtual MutexClaim ClaimMutex(const std::wstring& name, unsigned waitMs) = 0;
    // CreateFileMappingW of that name, holding GetCurrentProcessId; false when it could not be
    // made.
    virtual bool PublishProcessId(const std::wstring& name) = 0;
    // OpenFileMappingW of that name: the process id published there; nothing when none is.
    virtual std::optional<unsigned> PublishedProcessId(const std::wstring& name) const = 0;
};

}  // namespace tilora
