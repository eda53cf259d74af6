#include "exchange/ldraw/LDrawColourMatch.h"

#include "base/LDrawColours.h"
#include "model/BlockList.h"

#include <gtest/gtest.h>

TEST(LDrawColourMatch, EveryBrickTakesTheNearestTableColour) {
    const TLDrawColour& first = LDrawColourTable[0];
    const TLDrawColour& second = LDrawColourTable[1];
    int32_t nearFirst = first.Colour() ^ 0x000001; // one step away in red
    TBlockList model;
    for (int32_t colour : {nearFirst, second.Colour()}) {
        auto b = std::make_unique<TBlock>();
        b->Create(0, 0, 0, 1, 1, 3, colour, true, false, false, "");
        model.Add(std::move(b));
    }
    MatchLDrawColours(model);
    EXPECT_EQ(model[0].Colour, first.Colour());
    EXPECT_EQ(model[1].Colour, second.Colour());
}

TEST(LDrawColourMatch, TableColoursStayAsTheyAre) {
    for (const TLDrawColour& c : LDrawColourTable)
        EXPECT_EQ(NearestLDrawTableColour(c.Colour()), c.Colour()) << c.Name;
}
