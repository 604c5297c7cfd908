#include "files/TimeStamp.h"

#include "files/TextHelpers.h"

namespace tilora {

std::wstring TimeStamp(const Clock& clock, StampKind kind) {
    // One reading, so that a stamp taken at a second's end cannot mix two seconds.
    const LocalDateTime now = clock.LocalTime();
    const std::wstring date = FormatZeroPadded(4, now.year) + L"-" +
                              FormatZeroPadded(2, now.month) + L"-" + FormatZeroPadded(2, now.day);
    const std::wstring hour = FormatZeroPadded(2, now.hour);
    const std::wstring minute = FormatZeroPadded(2, now.minute);
    const std::wstring second = FormatZeroPadded(2, now.second);
    switch (kind) {
        case StampKind::Date:
            return date;
        case StampKind::Time:
            return hour + L"." + minute + L"." + second;
        case StampKind::TimeWithColons:
            return hour + L":" + minute + L":" + second;
        case StampKind::DateTime:
            break;
    }
    // A value outside the enumeration still names a file unique to the second.
    return date + L"_" + hour + L"." + minute + L"." + second;
}

}  // namespace tilora
