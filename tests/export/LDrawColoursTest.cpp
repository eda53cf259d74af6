#include "base/LDrawColours.h"

#include <gtest/gtest.h>

namespace {
int32_t Rgb(int r, int g, int b) {
    return r | g << 8 | b << 16;
}
} // namespace

TEST(LDrawColours, SwatchesCarryTheTableColoursOfTheirNumbers) {
    const int numbers[14] = {4, 15, 7, 8, 0, 14, 25, 23, 19, 6, 2, 17, 9, 11};
    for (size_t i = 0; i < ColourSwatches.size(); ++i)
        EXPECT_EQ(ColourSwatches[i].LDrawNumber, numbers[i]) << ColourSwatches[i].Name;
    EXPECT_STREQ(ColourSwatches[0].Name, "Red");
    EXPECT_STREQ(ColourSwatches[13].Name, "Cyan");
    EXPECT_EQ(ColourSwatches[4].Colour(), Rgb(27, 42, 52)); // black is entry 0, not entry 16
}

TEST(LDrawColours, SwatchesWinOverTheNearestEntry) {
    // Blue and Purple Blue share a colour; the swatch makes it 23, the table alone would say 1.
    EXPECT_EQ(LDrawColourOf(Rgb(35, 71, 139)), 23);
    EXPECT_EQ(LDrawColourOf(Rgb(196, 40, 27)), 4);
    EXPECT_EQ(LDrawColourOf(Rgb(242, 243, 242)), 15);
}

TEST(LDrawColours, OtherColoursTakeTheNearestEntryEarlierOnATie) {
    EXPECT_EQ(LDrawColourOf(Rgb(255, 255, 255)), 0); // entry 16, "???"
    EXPECT_EQ(LDrawColourOf(Rgb(204, 204, 204)), 383);
    EXPECT_EQ(LDrawColourOf(Rgb(200, 40, 27)), 4);
    EXPECT_EQ(LDrawColourOf(Rgb(122, 37, 143)), 22);
    EXPECT_EQ(LDrawColourOf(0), 0);
    // The high byte of a colour value is not part of the colour.
    EXPECT_EQ(LDrawColourOf(int32_t(0xFF000000u) | Rgb(218, 133, 64)), 25);
}

TEST(LDrawColours, NumbersGiveTheFirstEntryOrWhite) {
    EXPECT_EQ(ColourOfLDraw(0), Rgb(27, 42, 52));
    EXPECT_EQ(ColourOfLDraw(23), Rgb(35, 71, 139));
    EXPECT_EQ(ColourOfLDraw(383), Rgb(204, 204, 204));
    EXPECT_EQ(ColourOfLDraw(16), 0xFFFFFF);
    EXPECT_EQ(ColourOfLDraw(72), 0xFFFFFF);
    EXPECT_EQ(ColourOfLDraw(-1), 0xFFFFFF);
}
