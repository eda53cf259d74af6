// A plain box's screen box, worked out before drawing, against what its drawing writes: it must
// hold every point, or a frame drawn front to back would skip a brick still in view.

#include "render/BrickScreenBox.h"

#include "CityScene.h"
#include "raster/DrawObject.h"
#include "raster/DrawRecording.h"
#include "render/bricks/DrawBrick.h"

#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

constexpr int Width = 160, Height = 120;

std::unique_ptr<TBlock> Box(int32_t x, int32_t y, int32_t z, int32_t sx, int32_t sy, int32_t sz) {
    auto brick = std::make_unique<TBlock>();
    brick->Kind = 'B';
    brick->Create(0, 0, 0, 1, 1, 1, 0, true, false, false, "");
    brick->X = x;
    brick->Y = y;
    brick->Z = z;
    brick->SX = sx;
    brick->SY = sy;
    brick->SZ = sz;
    return brick;
}

TRect DrawingBounds(const TBlock& brick, TBitmap& bitmap, TDrawContext& context) {
    TCanvas canvas(bitmap);
    TDrawRecording recording;
    TDrawObject target = TDrawObject::Recording(bitmap, canvas, recording);
    target.Context = &context;
    recording.Begin(&target.FastSurface()->ClipRect);
    DrawBrick(brick, target);
    return recording.Bounds();
}

TEST(BrickScreenBox, HoldsTheDrawingOfEveryPlainBoxInEveryOctant) {
    TBrickVector bricks;
    bricks.push_back(Box(0, 0, 0, 40, 80, 24));        // a 2 x 4 brick
    bricks.push_back(Box(100, 20, 24, 20, 20, 8));     // a 1 x 1 plate on top
    bricks.push_back(Box(-60, 0, 0, 20, 40, 96));      // a tall pillar
    bricks.push_back(Box(60, 140, 32, -40, -20, -24)); // sizes below zero
    bricks.push_back(Box(0, -100, 0, 160, 60, 0));     // no height
    TCity city(std::move(bricks), Width, Height);
    city.SetMode(FullStuds);
    TBitmap bitmap(Width, Height);
    const TLook looks[] = {{70, 30, 0.9f},  {70, 120, 0.9f},  {60, 210, 2.5f},  {80, 300, 0.9f},
                           {110, 30, 0.9f}, {130, 120, 2.5f}, {130, 250, 0.9f}, {100, 300, 0.9f}};
    for (const TLook& look : looks) {
        city.Look(look);
        // Close enough that studs stand out from the rounding.
        city.Context.View.ViewScale *= 8;
        city.Context.ComputeStudMetrics();
        const TBoxProjection projection(city.Context.View);
        // Stud tops and the rounding margin are all the box may add to the drawing.
        const int slack = 3 + int(std::ceil(3 * std::fabs(city.Context.View.ViewScale)));
        for (int i = 0; i < city.Model.Count(); ++i) {
            const TBlock& brick = city.Model.Items(i);
            TRect box;
            ASSERT_TRUE(projection.PlainBoxScreenBox(brick, box));
            const TRect drawn = DrawingBounds(brick, bitmap, city.Context);
            ASSERT_LE(drawn.Left, drawn.Right);
            const std::string where = "look " + std::to_string(look.Tilt) + "/" +
                                      std::to_string(look.Azimuth) + " brick " + std::to_string(i);
            EXPECT_LE(box.Left, drawn.Left) << where;
            EXPECT_LE(box.Top, drawn.Top) << where;
            EXPECT_GE(box.Right, drawn.Right) << where;
            EXPECT_GE(box.Bottom, drawn.Bottom) << where;
            EXPECT_GE(box.Left, drawn.Left - slack) << where;
            EXPECT_GE(box.Top, drawn.Top - slack) << where;
            EXPECT_LE(box.Right, drawn.Right + slack) << where;
            EXPECT_LE(box.Bottom, drawn.Bottom + slack) << where;
        }
    }
}

TEST(BrickScreenBox, RoundsOutwardsOnBothSidesOfZero) {
    // A view that maps model x to screen x and model z to screen y, so the boxes are known.
    TViewState view;
    view.RowX[0] = {1, 0, 0};
    view.RowY[0] = {0, 0, -1};
    view.OriginX = -0.5f;
    view.OriginY = 0.25f;
    struct TCase {
        float Scale;
        int32_t X, SX, Z, SZ;
        TRect Box;
    };
    const TCase cases[] = {
        // Studs add 3 above the top face; 2 more on each side are for rounding.
        {1, -41, 20, 0, 24, {-44, -2, -19, 30}}, {1, -21, -20, 24, -24, {-44, -2, -19, 27}},
        {1, 10, 40, 8, 8, {7, 6, 52, 22}},       {2, 10, 40, 8, 8, {17, 14, 102, 41}},
        {-1, 10, 40, 8, 8, {-53, -21, -8, -5}},
    };
    for (const TCase& c : cases) {
        view.ViewScale = c.Scale;
        TRect box;
        ASSERT_TRUE(TBoxProjection(view).PlainBoxScreenBox(*Box(c.X, 0, c.Z, c.SX, 20, c.SZ), box));
        EXPECT_EQ(box.Left, c.Box.Left) << c.Scale << " " << c.X;
        EXPECT_EQ(box.Top, c.Box.Top) << c.Scale << " " << c.X;
        EXPECT_EQ(box.Right, c.Box.Right) << c.Scale << " " << c.X;
        EXPECT_EQ(box.Bottom, c.Box.Bottom) << c.Scale << " " << c.X;
    }
}

TEST(BrickScreenBox, GivesNoBoxWhereTheDrawingMustTellAndHoldsFarBricksAtTheEnds) {
    TViewState view;
    view.TiltA = DegreesToAngle(70);
    view.AzimuthC = DegreesToAngle(30);
    ComputeViewMatrix(view);
    view.ViewScale = 4;
    TRect box;

    // No size, another kind, a view beyond all numbers.
    EXPECT_FALSE(TBoxProjection(view).PlainBoxScreenBox(*Box(0, 0, 0, 0, 20, 8), box));
    std::unique_ptr<TBlock> round = NewBlockOfKind('R');
    round->SX = round->SY = 20;
    round->SZ = 24;
    EXPECT_FALSE(TBoxProjection(view).PlainBoxScreenBox(*round, box));
    for (const float broken :
         {std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()}) {
        TViewState far = view;
        far.ViewScale = broken;
        EXPECT_FALSE(TBoxProjection(far).PlainBoxScreenBox(*Box(0, 0, 0, 20, 20, 8), box));
        far = view;
        far.OriginX = broken;
        EXPECT_FALSE(TBoxProjection(far).PlainBoxScreenBox(*Box(0, 0, 0, 20, 20, 8), box));
    }

    // Bricks at the ends of the coordinates reach past int: the box stops at its ends instead
    // of wrapping round.
    struct TCase {
        int32_t X, Y, Z;
    };
    for (const TCase& c : {TCase{INT_MAX - 40, INT_MAX - 40, INT_MAX - 24},
                           TCase{INT_MIN, INT_MIN, INT_MIN}, TCase{INT_MAX - 40, INT_MIN, 0}}) {
        ASSERT_TRUE(TBoxProjection(view).PlainBoxScreenBox(*Box(c.X, c.Y, c.Z, 40, 40, 24), box));
        EXPECT_LE(box.Left, box.Right) << c.X << " " << c.Y << " " << c.Z;
        EXPECT_LE(box.Top, box.Bottom) << c.X << " " << c.Y << " " << c.Z;
        EXPECT_TRUE(box.Left == INT_MIN || box.Right == INT_MAX || box.Top == INT_MIN ||
                    box.Bottom == INT_MAX)
            << c.X << " " << c.Y << " " << c.Z;
    }
}

} // namespace
