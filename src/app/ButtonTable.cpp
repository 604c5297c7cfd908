#include "app/ButtonTable.h"

#include <memory>
#include <random>

#include "app/CommandTable.h"

namespace tilora {
namespace {

// The faces of buttons 1 to 8; the others come from the palette.
constexpr std::array<Rgb, 9> kFixedFaces = {{
    {},
    {255, 239, 213},
    {240, 255, 240},
    {230, 230, 250},
    {255, 239, 213},
    {230, 230, 250},
    {240, 255, 240},
    {255, 255, 0},
    {255, 255, 255},
}};

bool Contains(const Rect& rect, Point point) {
    return rect.left <= point.x && point.x <= rect.right && rect.top <= point.y &&
           point.y <= rect.bottom;
}

}  // namespace

ButtonTable BuildButtonTable(const RandomDraw& draw) {
    ButtonTable table{};
    for (int index = 1; index <= kButtonCount; ++index) {
        ButtonEntry& entry = table[static_cast<std::size_t>(index)];
        entry.controlId = ButtonControlId(index);
        entry.faceColour = index < static_cast<int>(kFixedFaces.size())
                               ? kFixedFaces[static_cast<std::size_t>(index)]
                               : kRandomFacePalette[draw() % kRandomFacePalette.size()];
        entry.hoverColour = kHoverColour;
    }
    return table;
}

RandomDraw SeededDraw(std::uint32_t seed) {
    // Shared, so that copies of the function draw from one sequence.
    auto generator = std::make_shared<std::minstd_rand>(seed);
    return [generator] { return static_cast<std::uint32_t>((*generator)()); };
}

std::uint32_t SecondsSeed(const LocalDateTime& time) {
    const std::uint64_t days = static_cast<std::uint64_t>(time.year) * 372 +
                               static_cast<std::uint64_t>(time.month) * 31 +
                               static_cast<std::uint64_t>(time.day);
    const std::uint64_t seconds = ((days * 24 + static_cast<std::uint64_t>(time.hour)) * 60 +
                                   static_cast<std::uint64_t>(time.minute)) *
                                      60 +
                                  static_cast<std::uint64_t>(time.second);
    return static_cast<std::uint32_t>(seconds);
}

int ButtonAt(const ButtonTable& table, Point point) {
    for (int index = 1; index <= kButtonCount; ++index) {
        const auto& rect = table[static_cast<std::size_t>(index)].screenRect;
        if (rect && Contains(*rect, point)) return index;
    }
    return 0;
}

}  // namespace tilora
