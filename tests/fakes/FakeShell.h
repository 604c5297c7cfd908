#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "FakeClock.h"
#include "files/PathText.h"
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
        if (clock_ != nullptr) clock_->Advance(callMs_);
        if (const auto scripted = failures_.find(file); scripted != failures_.end())
            return scripted->second;
        if (existing_.count(file) != 0) return {42, 0};
        return {2, 2};
    }

    // The file leaves its folder unless a refusal is scripted for it.
    std::uint32_t MoveToRecycleBin(const std::wstring& path) override {
        if (const auto refused = refusals_.find(path); refused != refusals_.end())
            return refused->second;
        std::error_code error;
        if (!std::filesystem::remove(ToPath(path), error)) return 2;
        recycled_.push_back(path);
        return 0;
    }

    void AddPath(const std::wstring& path) { existing_.insert(path); }
    // Moving the file to the Recycle Bin fails with the code.
    void RefusesToRecycle(const std::wstring& path, std::uint32_t code) { refusals_[path] = code; }
    const std::vector<std::wstring>& recycled() const { return recycled_; }
    // Every call takes the shell this long on the clock, as starting a program does.
    void TakesTime(FakeClock& clock, std::uint64_t ms) {
        clock_ = &clock;
        callMs_ = ms;
    }
    // The shell fails for this file with the given result and last error.
    void Fails(const std::wstring& file, ShellExecuteResult result) { failures_[file] = result; }
    const std::vector<Call>& calls() const { return calls_; }

  private:
    std::set<std::wstring> existing_;
    std::map<std::wstring, ShellExecuteResult> failures_;
    std::vector<Call> calls_;
    std::map<std::wstring, std::uint32_t> refusals_;
    std::vector<std::wstring> recycled_;
    FakeClock* clock_ = nullptr;
    std::uint64_t callMs_ = 0;
};

}  // namespace tilora::testing
