#include <gtest/gtest.h>

#include "windows/MonitorLayout.h"

namespace tilora {
namespace {

TEST(DeskFileName, CountAndSpanAloneOnlyForEqualMonitorsInARowFromTheOrigin) {
    const Rect hd{0, 0, 1920, 1080};
    const struct {
        std::vector<Rect> monitors;
        const wchar_t* name;
    } cases[] = {
        {{hd}, L"Desk_1_1920x1080.txt"},
        {{{1920, 0, 3840, 1080}, hd}, L"Desk_2_3840x1080.txt"},
        // Two layouts of the same number and span: the hash of the rectangles (FNV-1a of their
        // coordinates as 32-bit little-endian numbers) tells them apart.
        {{hd, {1920, 0, 3200, 1024}}, L"Desk_2_3200x1080_dde82779.txt"},
        {{{0, 0, 1280, 1024}, {1280, 0, 3200, 1080}}, L"Desk_2_3200x1080_8096fa69.txt"},
        // Equal monitors, but the primary one on the right.
        {{{-1920, 0, 0, 1080}, hd}, L"Desk_2_3840x1080_3cb5e02a.txt"},
        {{hd, {0, 1080, 1920, 2160}}, L"Desk_2_1920x2160_34cf628d.txt"},
        {{}, L"Desk_0_0x0.txt"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DeskFileName(MonitorLayout::Of(c.monitors)), c.name);
    }
}

}  // namespace
}  // namespace tilora
