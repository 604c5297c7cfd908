// The fourteen colour buttons: their faces, their hover colour and where they are on the screen.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "app/ControlTables.h"
#include "platform/PlatformTypes.h"

namespace tilora {

struct ButtonEntry {
    int controlId = 0;
    Rgb faceColour;
    Rgb hoverColour;
    // The button's window rectangle in screen pixels; nothing while it could not be read.
    std::optional<Rect> screenRect;
};

// Button index 1 to 14 -> its entry; entry 0 is unused.
using ButtonTable = std::array<ButtonEntry, kButtonCount + 1>;

inline constexpr Rgb kHoverColour{255, 0, 0};

// The faces of buttons 9 to 14 are drawn from these at each start.
inline constexpr std::array<Rgb, 22> kRandomFacePalette = {{
    {138, 43, 226},  {127, 255, 212}, {0, 255, 255},   {255, 193, 193}, {245, 245, 220},
    {255, 211, 155}, {151, 255, 255}, {255, 255, 255}, {202, 255, 112}, {173, 255, 47},
    {0, 255, 0},     {255, 127, 0},   {240, 255, 240}, {255, 228, 225}, {255, 240, 245},
    {255, 187, 255}, {255, 222, 173}, {255, 255, 240}, {255, 245, 238}, {255, 250, 205},
    {255, 239, 213}, {255, 215, 0},
}};

// A source of non-negative pseudo-random numbers.
using RandomDraw = std::function<std::uint32_t()>;

// Control IDs and colours of the fourteen buttons; buttons 9 to 14 each take the palette colour
// of one fresh draw. The rectangles are left unread.
ButtonTable BuildButtonTable(const RandomDraw& draw);

// A generator seeded with the seed, for BuildButtonTable.
RandomDraw SeededDraw(std::uint32_t seed);

// The local time counted in seconds, so that each start in another second seeds anew.
std::uint32_t SecondsSeed(const LocalDateTime& time);

// Index of the first button whose rectangle holds the point, edges included; 0 for none.
int ButtonAt(const ButtonTable& table, Point point);

}  // namespace tilora
