#include "base/LDrawColours.h"

#include <gtest/gtest.h>

namespace {
int32_t Rgb(int r, int g, int b) {
    return r | g << 8 | b << 16;
}
} // namespace

TEST(LDrawColours, ColoursTakeTheirSwatchElseTheNearestEntryEarlierOnATie) {
    const struct {
        int32_t Colour;
        int Number;
    } cases[] = {
        // Blue and Purple Blue share a colour; the swatch makes it 23, the table alone would say 1.
        {Rgb(35, 71, 139), 23},
        {Rgb(196, 40, 27), 4},
        {Rgb(242, 243, 242), 15},
        {Rgb(255, 255, 255), 0}, // entry 16, "???"
        {Rgb(204, 204, 204), 383},
        {Rgb(200, 40, 27), 4},
        {Rgb(122, 37, 143), 22},
        {0, 0},
        // The high byte of a colour value is not part of the colour.
        {int32_t(0xFF000000u) | Rgb(218, 133, 64), 25},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LDrawColourOf(c.Colour), c.Number) << std::hex << c.Colour;
    EXPECT_EQ(ColourSwatches[4].Colour(), Rgb(27, 42, 52)); // black is entry 0, not entry 16
}

TEST(LDrawColours, NumbersGiveTheFirstEntryOrWhite) {
    const struct {
        int Number;
        int32_t Colour;
    } cases[] = {{0, Rgb(27, 42, 52)}, {23, Rgb(35, 71, 139)}, {383, Rgb(204, 204, 204)},
                 {16, 0xFFFFFF},       {72, 0xFFFFFF},         {-1, 0xFFFFFF}};
    for (const auto& c : cases)
        EXPECT_EQ(ColourOfLDraw(c.Number), c.Colour) << c.Number;
}
