#include "windows/MonitorLayout.h"

#include <algorithm>
#include <cstdint>
#include <tuple>

#include "files/TextHelpers.h"

namespace tilora {
namespace {

// FNV-1a over the coordinates as 32-bit little-endian numbers: the same on every build and
// system, which std::hash does not promise.
std::uint32_t HashOf(const std::vector<Rect>& monitors) {
    std::uint32_t hash = 2166136261u;
    const auto add = [&hash](std::int32_t value) {
        const auto bits = static_cast<std::uint32_t>(value);
        for (int shift = 0; shift < 32; shift += 8) {
            hash ^= (bits >> shift) & 0xFFu;
            hash *= 16777619u;
        }
    };
    for (const Rect& monitor : monitors) {
        add(monitor.left);
        add(monitor.top);
        add(monitor.right);
        add(monitor.bottom);
    }
    return hash;
}

std::wstring Hex8(std::uint32_t value) {
    static constexpr wchar_t kDigits[] = L"0123456789abcdef";
    std::wstring text(8, L'0');
    for (int digit = 7; digit >= 0; --digit, value >>= 4) text[digit] = kDigits[value & 0xFu];
    return text;
}

Rect Span(const std::vector<Rect>& monitors) {
    Rect span = monitors.front();
    for (const Rect& monitor : monitors) {
        span.left = std::min(span.left, monitor.left);
        span.top = std::min(span.top, monitor.top);
        span.right = std::max(span.right, monitor.right);
        span.bottom = std::max(span.bottom, monitor.bottom);
    }
    return span;
}

// Equal monitors in one row from the origin, top edges at 0: the only layouts that the number
// of monitors and their span describe completely.
bool IsPlainRow(const std::vector<Rect>& sorted) {
    const std::int32_t width = sorted.front().Width();
    const std::int32_t height = sorted.front().Height();
    std::int64_t left = 0;
    for (const Rect& monitor : sorted) {
        if (monitor != Rect{static_cast<std::int32_t>(left), 0,
                            static_cast<std::int32_t>(left + width), height}) {
            return false;
        }
        left += width;
    }
    return true;
}

}  // namespace

MonitorLayout MonitorLayout::Of(std::vector<Rect> monitors) {
    std::sort(monitors.begin(), monitors.end(), [](const Rect& a, const Rect& b) {
        return std::tie(a.left, a.top, a.right, a.bottom) <
               std::tie(b.left, b.top, b.right, b.bottom);
    });
    return {std::move(monitors)};
}

std::wstring DeskFileName(const MonitorLayout& layout) {
    const std::vector<Rect>& monitors = layout.monitors;
    std::wstring name = L"Desk_" + FormatInteger(static_cast<std::int64_t>(monitors.size()));
    if (monitors.empty()) return name + L"_0x0.txt";
    const Rect span = Span(monitors);
    name += L"_" + FormatInteger(span.Width()) + L"x" + FormatInteger(span.Height());
    if (!IsPlainRow(monitors)) name += L"_" + Hex8(HashOf(monitors));
    return name + L".txt";
}

}  // namespace tilora
