#pragma once

#include <algorithm>
#include <string>
#include <vector>

namespace tilora::testing {

// The platform calls the fakes saw, in order, so tests can check sequences across fakes.
class CallJournal {
  public:
    void Add(std::string call) { calls_.push_back(std::move(call)); }
    const std::vector<std::string>& calls() const { return calls_; }
    // Position of the first call equal to the text, or -1.
    int IndexOf(const std::string& call) const {
        const auto found = std::find(calls_.begin(), calls_.end(), call);
        return found == calls_.end() ? -1 : static_cast<int>(found - calls_.begin());
    }
    bool Contains(const std::string& call) const { return IndexOf(call) >= 0; }
    int Count(const std::string& call) const {
        return static_cast<int>(std::count(calls_.begin(), calls_.end(), call));
    }
    void Clear() { calls_.clear(); }

  private:
    std::vector<std::string> calls_;
};

}  // namespace tilora::testing
