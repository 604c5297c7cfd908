#pragma once

#include <windows.h>

#include "platform/Clock.h"

namespace tilora::win32 {

class Win32Clock : public Clock {
  public:
    std::uint64_t TickCount() const override { return ::GetTickCount64(); }
    LocalDateTime LocalTime() const override {
        SYSTEMTIME time{};
        ::GetLocalTime(&time);
        return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond};
    }
};

}  // namespace tilora::win32
