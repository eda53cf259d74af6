#include "render/RenderTestSupport.h"
#include "render/bricks/DrawBrick.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t Orange = 0x2080F0;

// Straight down at one pixel per unit, the model origin at the bitmap's centre.
struct RoundBrickTest : ::testing::Test {
    TDrawContext context;
    void SetUp() override { SetView(context, 0, 0, 1.0f, 100, 100); }

    // Stud positions (1-based i, j) whose neighbourhood changes when studs are switched on.
    std::vector<std::pair<int, int>> StudsDrawn(int studsAcross) {
        int size = 20 * studsAcross, low = -size / 2;
        TTestCanvas with(200, 200, context), without(200, 200, context);
        DrawBrick(*MakeBrick('R', low, low, 0, size, size, 24, Orange, true), with.Target);
        DrawBrick(*MakeBrick('R', low, low, 0, size, size, 24, Orange, false), without.Target);
        std::vector<std::pair<int, int>> drawn;
        for (int i = 1; i <= studsAcross; ++i)
            for (int j = 1; j <= studsAcross; ++j) {
                TPoint centre =
                    ProjectPoint(context.View, low + 20 * i - 10, low + 20 * j - 10, 24);
                if (DifferingPixelsNear(with.Bitmap, without.Bitmap, centre, 6) > 0)
                    drawn.emplace_back(i, j);
            }
        return drawn;
    }
};

TEST_F(RoundBrickTest, StudsFollowTheDiameterTable) {
    EXPECT_EQ(StudsDrawn(2).size(), 4u);
    auto three = StudsDrawn(3);
    EXPECT_EQ(three, (std::vector<std::pair<int, int>>{{1, 2}, {2, 1}, {2, 2}, {2, 3}, {3, 2}}));
    auto four = StudsDrawn(4);
    EXPECT_EQ(four.size(), 12u);
    for (auto corner : {std::pair{1, 1}, {1, 4}, {4, 1}, {4, 4}})
        EXPECT_EQ(std::count(four.begin(), four.end(), corner), 0);
    EXPECT_EQ(StudsDrawn(6).size(), 24u); // rows and columns 3 and 4, and (2|5, 2|5)
    EXPECT_EQ(StudsDrawn(8).size(), 44u);
    EXPECT_TRUE(StudsDrawn(9).empty());
}

TEST_F(RoundBrickTest, SeenFromAboveItIsADiscWithItsOutline) {
    TTestCanvas canvas(200, 200, context);
    DrawBrick(*MakeBrick('R', -40, -40, 0, 80, 80, 24, Orange), canvas.Target);
    EXPECT_EQ(canvas.At(100, 100), TColour(Orange));
    EXPECT_EQ(canvas.At(100 + 30, 100 + 20), TColour(Orange)); // inside the circle
    EXPECT_EQ(canvas.At(100 + 38, 100 + 38), 0xFFFFFFu);       // the box corner lies outside
    EXPECT_EQ(canvas.At(100 + 40, 100), 0x464646u);            // the rim
}

TEST_F(RoundBrickTest, FromBelowOneTubeRingWhetherOrNotStudsAreShown) {
    SetView(context, 120, 30, 1.0f, 100, 100);
    context.StudsHidden = true;
    TTestCanvas plain(200, 200, context);
    auto round = MakeBrick('R', -40, -40, 0, 80, 80, 24, Orange);
    DrawBrick(*round, plain.Target);
    // The ring O1 .. O8 has its left side at the stud radius left of the bottom centre.
    TPoint centre = ProjectPoint(context.View, 0, 0, 0);
    EXPECT_EQ(plain.At(centre.X - context.Studs.StudRX, centre.Y), 0x464646u);
    EXPECT_EQ(plain.At(centre), TColour(Orange));
}

TEST_F(RoundBrickTest, StyleRulesOfThePlainBrick) {
    SetView(context, 60, 30, 1.0f, 100, 100);
    // Off the centre line, which the side's top edge draws across a hollow top.
    TPoint middle = ProjectPoint(context.View, 0, 20, 24);
    auto round = MakeBrick('R', -40, -40, 0, 80, 80, 24, 0x8040C0);
    round->Transparent = true;
    TTestCanvas glass(200, 200, context, 0x000000);
    DrawBrick(*round, glass.Target);
    // The top is blended over the side and the bottom, each blended in turn: C0 60 90 A8 B4.
    EXPECT_EQ(RedOf(glass.At(middle)), 0xB4);

    // Shading changes the edge only; a wireframe is hollow and outlined in the brick colour.
    round->Transparent = false;
    context.Shading = true;
    TTestCanvas shaded(200, 200, context);
    DrawBrick(*round, shaded.Target);
    EXPECT_EQ(shaded.At(middle), 0x8040C0u);
    context.SetWireFrame(true);
    TTestCanvas wire(200, 200, context);
    DrawBrick(*round, wire.Target);
    EXPECT_EQ(wire.At(middle), 0xFFFFFFu);
    TPoint rim = ProjectPoint(context.View, -40, 0, 24);
    int brickColoured = 0;
    for (int dx = -1; dx <= 1; ++dx)
        brickColoured += wire.At(rim.X + dx, rim.Y) == 0x8040C0u;
    EXPECT_GT(brickColoured, 0);
}

TEST_F(RoundBrickTest, HugeRoundBricksStayInsideTheBitmap) {
    SetView(context, 60, 30, 10.0f, 100, 100);
    TTestCanvas canvas(200, 200, context);
    DrawBrick(*MakeBrick('R', -2000000000, -40, 0, 40, 2000000000, 2000000000, Orange, true),
              canvas.Target);
    DrawBrick(*MakeBrick('R', 0, 0, 0, -80, 80, -24, Orange, true), canvas.Target);
    SUCCEED();
}

} // namespace
