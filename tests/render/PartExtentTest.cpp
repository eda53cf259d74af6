// The block of space a general block's drawing keeps within: every point of its part, turned as
// the drawing turns it and moved to the block, lies inside it at every turn, and the room kept
// around studs and tubes is there too.

#include "render/PartExtent.h"

#include "model/GeneralBlock.h"
#include "parts/DrawClass.h"

#include <gtest/gtest.h>

TEST(PartExtent, HoldsEveryTurnedPointOfThePartAtEveryTurn) {
    TDrawClass part;
    part.BBX = 40, part.BBY = 20;
    part.Polygons.push_back({{{0, 0, 0}, {40, 0, 0}, {37, 5, 24}}});
    part.Polygons.push_back({{{3, 20, 8}, {-2, 17, 30}}});
    part.TopStuds = {{10, 10, 24}};
    const TPartExtent extent = PartExtentOf(part);
    ASSERT_TRUE(extent.Known);
    EXPECT_EQ(extent.Low.Y, 0);   // the stud's room reaches no further than the points
    EXPECT_EQ(extent.High.Z, 30); // a stud keeps its height
    TGeneralBlock block;
    block.Definition = &part;
    block.X = 100, block.Y = -60, block.Z = 48;
    for (int turn = -1; turn <= 4; ++turn) {
        block.Turn = turn;
        TExtent3 low, high;
        ASSERT_TRUE(PlacedExtent(block, extent, low, high));
        for (const TPolygon& polygon : part.Polygons)
            for (const TPoint3& point : polygon.Points) {
                const TPoint3 t = TurnPartPoint(point, turn, part.BBX, part.BBY);
                EXPECT_TRUE(t.X + 100 >= low.X && t.X + 100 <= high.X && t.Y - 60 >= low.Y &&
                            t.Y - 60 <= high.Y && t.Z + 48 >= low.Z && t.Z + 48 <= high.Z)
                    << "turn " << turn << " point " << point.X << "," << point.Y;
            }
    }

    // Nothing to draw, or too far out to turn without wrapping: the drawing has to tell.
    EXPECT_FALSE(PartExtentOf(TDrawClass()).Known);
    part.Polygons[0].Points[0].X = 2'000'000'000;
    EXPECT_FALSE(PartExtentOf(part).Known);
}

TEST(PartExtent, KeptExtentFollowsEveryEditOfThePart) {
    TDrawClass part;
    part.BBX = part.BBY = 20;
    part.AddPolygon({{0, 0, 0}, {20, 20, 24}});
    TPartExtents kept;
    EXPECT_EQ(KeptExtentOf(part, kept).High.Z, 24);
    part.SetPoint(0, 1, {20, 20, 72}); // the part editor's way
    EXPECT_EQ(KeptExtentOf(part, kept).High.Z, 72);
    TDrawClass stored = part;
    stored.SetPoint(0, 0, {-8, 0, 0});
    part.Assign(stored); // a stored part replacing the cached one
    EXPECT_EQ(KeptExtentOf(part, kept).Low.X, -8);
    EXPECT_EQ(kept.size(), 1u);
}
