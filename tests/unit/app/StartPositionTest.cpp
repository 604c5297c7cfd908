#include <gtest/gtest.h>

#include "app/StartPosition.h"

namespace tilora {
namespace {

struct Case {
    Point stored;
    Size window;
    Point expected;
};

TEST(StartPosition, PositionsBeyondTheAllowedEdgesBecomeTheOrigin) {
    const Rect screen{0, 0, 1920, 1080};
    const Size dialog{449, 405};  // half: 224 x 202
    const Case cases[] = {
        {{0, 0}, dialog, {0, 0}},
        {{120, 45}, dialog, {120, 45}},
        {{100, -1}, dialog, {0, 0}},       // above the top edge
        {{-224, 10}, dialog, {-224, 10}},  // exactly half beyond the left edge
        {{-225, 10}, dialog, {0, 0}},
        {{1920 - 224, 10}, dialog, {1696, 10}},  // exactly half beyond the right edge
        {{1920 - 223, 10}, dialog, {0, 0}},
        {{10, 1080 - 202}, dialog, {10, 878}},  // exactly half below the bottom edge
        {{10, 1080 - 201}, dialog, {0, 0}},
        {{-32000, -32000}, dialog, {0, 0}},    // closed while minimised
        {{-225, 10}, {451, 405}, {-225, 10}},  // half of an odd width is truncated
        {{-226, 10}, {451, 405}, {0, 0}},
    };
    for (const Case& c : cases) {
        const Point result = CheckStartPosition(c.stored, c.window, screen);
        EXPECT_EQ(result, c.expected) << c.stored.x << "," << c.stored.y;
    }
}

TEST(StartPosition, MonitorsLeftOfOrAboveThePrimaryOneAreOnScreen) {
    const Size dialog{449, 405};  // half: 224 x 202
    const Rect leftDesk{-1920, 0, 1920, 1080};
    const Rect upperDesk{0, -1080, 1920, 1080};
    struct DeskCase {
        Rect screen;
        Point stored;
        Point expected;
    };
    const DeskCase cases[] = {
        {leftDesk, {-1500, 100}, {-1500, 100}},   {leftDesk, {-1920 - 224, 10}, {-2144, 10}},
        {leftDesk, {-1920 - 225, 10}, {0, 0}},    {leftDesk, {1920 - 224, 10}, {1696, 10}},
        {leftDesk, {1920 - 223, 10}, {0, 0}},     {leftDesk, {-1500, -1}, {0, 0}},
        {leftDesk, {-32000, -32000}, {0, 0}},     {upperDesk, {100, -800}, {100, -800}},
        {upperDesk, {100, -1080}, {100, -1080}},  {upperDesk, {100, -1081}, {0, 0}},
        {upperDesk, {10, 1080 - 202}, {10, 878}}, {upperDesk, {10, 1080 - 201}, {0, 0}},
    };
    for (const DeskCase& c : cases) {
        EXPECT_EQ(CheckStartPosition(c.stored, dialog, c.screen), c.expected)
            << c.stored.x << "," << c.stored.y;
    }
}

}  // namespace
}  // namespace tilora
