#pragma once

#include <cstdint>

#include "platform/PlatformTypes.h"

namespace tilora {

class Clock {
  public:
    virtual ~Clock() = default;
    // Milliseconds since system start (GetTickCount64).
    virtual std::uint64_t TickCount() const = 0;
    // The local date and time (GetLocalTime).
    virtual LocalDateTime LocalTime() const = 0;
};

}  // namespace tilora
