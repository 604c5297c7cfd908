#pragma once

#include <set>
#include <string>

#include "CallJournal.h"
#include "platform/SystemLibraries.h"

namespace tilora::testing {

// Libraries and entry points that exist unless a test removes them.
class FakeSystemLibraries : public SystemLibraries {
  public:
    explicit FakeSystemLibraries(CallJournal& journal) : journal_(journal) {}

    bool Load(const std::wstring& library) override {
        journal_.Add("Load " + Narrow(library));
        if (missingLibraries_.count(library) != 0) return false;
        loaded_.insert(library);
        return true;
    }
    bool ResolveEntryPoint(const std::wstring& library, const char* entryPoint) override {
        journal_.Add("Resolve " + Narrow(library) + " " + entryPoint);
        return loaded_.count(library) != 0 && missingEntryPoints_.count(entryPoint) == 0;
    }
    void Release(const std::wstring& library) override {
        journal_.Add("Release " + Narrow(library));
        loaded_.erase(library);
    }

    void RemoveLibrary(const std::wstring& library) { missingLibraries_.insert(library); }
    void RemoveEntryPoint(const std::string& entryPoint) { missingEntryPoints_.insert(entryPoint); }
    bool IsLoaded(const std::wstring& library) const { return loaded_.count(library) != 0; }

  private:
    static std::string Narrow(const std::wstring& text) {
        return std::string(text.begin(), text.end());
    }

    CallJournal& journal_;
    std::set<std::wstring> missingLibraries_;
    std::set<std::string> missingEntryPoints_;
    std::set<std::wstring> loaded_;
};

}  // namespace tilora::testing
