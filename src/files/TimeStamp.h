#pragma once

#include <string>

#include "platform/Clock.h"

namespace tilora {

enum class StampKind {
    Date,            // 2024-03-07
    Time,            // 09.05.03
    DateTime,        // 2024-03-07_09.05.03
    TimeWithColons,  // 09:05:03
};

// The local date, time or both of one clock reading, zero-padded. The file-name kinds separate
// the time with dots, which Windows allows in a name where it refuses colons.
std::wstring TimeStamp(const Clock& clock, StampKind kind);

}  // namespace tilora
