#pragma once

#include <cstdint>
#include <string>

#include "platform/Clock.h"
#include "platform/DialogControls.h"

namespace tilora {

// The information list box: the program's message log with its 'Stop' and 'Lösche' check boxes.
class InfoLog {
  public:
    // Older lines are dropped once the log holds this many, so it cannot grow without end.
    static constexpr int kMaxLines = 100000;
    static constexpr std::uint64_t kClearCheckedMs = 2000;

    InfoLog(DialogControls& controls, const Clock& clock);

    // Adds the line at the end and scrolls it into view; dropped while 'Stop' is checked.
    void AppendInfo(const std::wstring& line);

    void OnStopClicked();
    void OnClearClicked();
    // Unchecks 'Lösche' once its two seconds have passed; run on every timer tick.
    void ClearCheckTick();

    bool outputStopped() const { return outputStopped_; }
    std::uint64_t clearUncheckAt() const { return clearUncheckAt_; }

  private:
    DialogControls& controls_;
    const Clock& clock_;
    bool outputStopped_ = false;
    std::uint64_t clearUncheckAt_ = NEVER_DUE;
};

}  // namespace tilora
