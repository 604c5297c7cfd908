#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/Shell.h"

namespace tilora::testing {

// Opens what exists; anything else fails with the error a missing file gives.
class FakeShell : public Shell {
  public:
    struct Call {
        std::wstring file;
        std::wstring parameters;
        std::wstring directory;
        int showCommand;
    };

    ShellExecuteResult Execute(const std::wstring& file, const std::wstring& parameters,
                               const std::wstring& directory, int showCommand) override {
        calls_.push_back({file, parameters, directory, showCommand});
        if (existing_.count(file) != 0) return {42, 0};
        return {2, 2};
    }

    void AddPath(const std::wstring& path) { existing_.insert(path); }
    const std::vector<Call>& calls() const { return calls_; }

  private:
    std::set<std::wstring> existing_;
    std::vector<Call> calls_;
};

}  // namespace tilora::testing
