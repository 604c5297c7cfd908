#pragma once

#include "platform/Clock.h"

namespace tilora::testing {

class FakeClock : public Clock {
  public:
    std::uint64_t TickCount() const override { return tick_; }
    LocalDateTime LocalTime() const override { return localTime_; }

    void SetTick(std::uint64_t tick) { tick_ = tick; }
    void Advance(std::uint64_t ms) { tick_ += ms; }
    void SetLocalTime(LocalDateTime time) { localTime_ = time; }

  private:
    std::uint64_t tick_ = 100000;
    LocalDateTime localTime_{2024, 3, 7, 9, 5, 3};
};

}  // namespace tilora::testing
