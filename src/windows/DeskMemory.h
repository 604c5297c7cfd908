#pragma once

#include <cstdint>
#include <optional>

#include "platform/WindowRecord.h"
#include "windows/MonitorLayout.h"

namespace tilora {

// The desk of one monitor layout: the windows as a capture found them.
struct Desk {
    MonitorLayout layout;
    WindowSnapshot windows;
};

// Follows the monitor layout and keeps the desk of the layout in use. A layout counts as settled
// once no change has come for kSettleMs; only captures taken while it is settled are kept, since
// Windows moves windows when monitors come and go. The kept desk is due for writing at most once
// every kWriteIntervalMs, at once when its layout is left, and at closing, each time only when it
// changed since it was last handed out. Times are the clock's tick counts.
class DeskMemory {
  public:
    static constexpr std::uint64_t kSettleMs = 2000;
    static constexpr std::uint64_t kWriteIntervalMs = 30000;

    // The layout found at start-up. It counts as settled: no change was seen.
    void Start(const MonitorLayout& layout, std::uint64_t now);
    bool started() const { return started_; }
    const MonitorLayout& layout() const { return current_; }

    struct Notice {
        bool changed = false;
        // The desk of the settled layout just left, when it changed since it was last written.
        std::optional<Desk> leftDesk;
    };
    // A new reading of the monitors.
    Notice NoticeLayout(const MonitorLayout& layout, std::uint64_t now);

    // Once per tick: the layout that has just settled after a change away from the one before,
    // whose desk is to be restored. A layout that came back within kSettleMs settles silently.
    std::optional<MonitorLayout> TakeSettledLayout(std::uint64_t now);

    // A capture, numbered so that the same capture is never taken twice; kept when the layout is
    // settled.
    void Remember(const WindowSnapshot& windows, std::uint64_t captureNumber);
    // The desk now on the screen was put there from the layout's file: nothing new to write, and
    // the captures up to this number (taken before the windows moved) are passed over.
    void Restored(std::uint64_t captureNumber);

    // The kept desk when the interval has passed since the last periodic write.
    std::optional<Desk> TakeDueDesk(std::uint64_t now);
    // The kept desk at closing, regardless of the interval.
    std::optional<Desk> TakeClosingDesk();

  private:
    std::optional<Desk> TakeKeptDesk();

    bool started_ = false;
    MonitorLayout current_;
    // The layout last settled: the one whose desk is kept.
    MonitorLayout settled_;
    std::uint64_t settleDue_ = NEVER_DUE;
    WindowSnapshot kept_;
    bool keptChanged_ = false;
    std::uint64_t lastCapture_ = 0;
    std::uint64_t writeDue_ = NEVER_DUE;
};

}  // namespace tilora
