#include "exchange/ldraw/LDrawColourMatch.h"

#include "base/LDrawColours.h"
#include "model/BlockList.h"
#include "raster/Colour.h"
#include "support/Bricks.h"

#include <gtest/gtest.h>

TEST(LDrawColourMatch, EveryBrickTakesTheNearestTableColour) {
    const int32_t first = LDrawColourTable[0].Colour(), second = LDrawColourTable[1].Colour();
    TBlockList model;
    model.Add(MakeBrick('B', 0, 0, 0, 20, 20, 24, first ^ 0x000001)); // one step away in red
    model.Add(MakeBrick('B', 0, 0, 0, 20, 20, 24, second));
    MatchLDrawColours(model);
    EXPECT_EQ(std::pair(model[0].Colour, model[1].Colour), std::pair(first, second));
    for (const TLDrawColour& c : LDrawColourTable)
        EXPECT_EQ(NearestLDrawTableColour(c.Colour()), c.Colour()) << c.Name;
}

// Colours halfway between two table entries: black before dark cyan, light red before orange.
TEST(LDrawColourMatch, ATieGoesToTheEarlierEntry) {
    EXPECT_EQ(NearestLDrawTableColour(RGB(33, 85, 59)), LDrawColourTable[0].Colour());
    EXPECT_EQ(NearestLDrawTableColour(RGB(175, 105, 93)), LDrawColourTable[12].Colour());
}
