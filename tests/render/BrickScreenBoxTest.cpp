// A plain box's screen box, worked out before drawing: its rounding, the stud raise it takes and
// where it gives none. That it holds every point the drawing writes is the silhouette sweep's.

#include "render/BrickScreenBox.h"

#include "RenderTestSupport.h"
#include "support/Bricks.h"

#include <climits>
#include <gtest/gtest.h>
#include <limits>

namespace {

std::unique_ptr<TBlock> Box(int32_t x, int32_t y, int32_t z, int32_t sx, int32_t sy, int32_t sz) {
    return MakeBrick('B', x, y, z, sx, sy, sz, 0, true);
}

std::string Text(const TRect& r) {
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + " - " + std::to_string(r.Right) +
           "," + std::to_string(r.Bottom);
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
        TPoint Raise;
        TRect Box;
    };
    const TCase cases[] = {
        // Studs stand 3 above the top face, which this view turns down the screen unless its
        // scale is below zero.
        {1, -41, 20, 0, 24, {0, 3}, {-42, 0, -21, 28}},
        {1, -21, -20, 24, -24, {0, 3}, {-42, 0, -21, 28}},
        {1, 10, 40, 8, 8, {0, 3}, {9, 8, 50, 20}},
        {2, 10, 40, 8, 8, {0, 6}, {19, 16, 100, 39}},
        {-1, 10, 40, 8, 8, {0, -3}, {-51, -19, -10, -7}},
        // Studs hidden or seen from below; a raise sideways too.
        {1, 10, 40, 8, 8, {0, 0}, {9, 8, 50, 17}},
        {1, 10, 40, 8, 8, {-2, 3}, {7, 8, 50, 20}},
    };
    for (const TCase& c : cases) {
        view.ViewScale = c.Scale;
        TRect box;
        ASSERT_TRUE(TBoxProjection(view, c.Raise)
                        .PlainBoxScreenBox(*Box(c.X, 0, c.Z, c.SX, 20, c.SZ), box));
        EXPECT_EQ(Text(box), Text(c.Box)) << "scale " << c.Scale << ", x " << c.X;
    }
}

// Studs stand off the top faces only where they are drawn: not hidden, not seen from below.
TEST(BrickScreenBox, RaisesStudsOnlyWhereTheyAreDrawn) {
    TDrawContext context;
    SetView(context, 60, 30, 4, 0, 0);
    const TPoint up = context.Studs.StudUp;
    EXPECT_TRUE(up.X == 0 && up.Y < -5 && StudRaise(context) == up);
    context.StudsHidden = true;
    EXPECT_TRUE(StudRaise(context) == (TPoint{0, 0}));
    context.StudsHidden = false;
    SetView(context, 120, 30, 4, 0, 0);
    EXPECT_TRUE(context.View.Octant >= 4 && StudRaise(context) == (TPoint{0, 0}));
}

TEST(BrickScreenBox, GivesNoBoxWhereTheDrawingMustTellAndHoldsFarBricksAtTheEnds) {
    TViewState view;
    view.TiltA = DegreesToAngle(70);
    view.AzimuthC = DegreesToAngle(30);
    ComputeViewMatrix(view);
    view.ViewScale = 4;
    const TPoint raise{0, -10};
    TRect box;

    // No size, another kind, a view beyond all numbers.
    EXPECT_FALSE(TBoxProjection(view, raise).PlainBoxScreenBox(*Box(0, 0, 0, 0, 20, 8), box));
    std::unique_ptr<TBlock> round = NewBlockOfKind('R');
    round->SX = round->SY = 20;
    round->SZ = 24;
    EXPECT_FALSE(TBoxProjection(view, raise).PlainBoxScreenBox(*round, box));
    for (const float broken :
         {std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()}) {
        TViewState scaled = view, placed = view;
        scaled.ViewScale = broken;
        placed.OriginX = broken;
        EXPECT_FALSE(
            TBoxProjection(scaled, raise).PlainBoxScreenBox(*Box(0, 0, 0, 20, 20, 8), box));
        EXPECT_FALSE(
            TBoxProjection(placed, raise).PlainBoxScreenBox(*Box(0, 0, 0, 20, 20, 8), box));
    }

    // Bricks at the ends of the coordinates reach past int: the box stops at its ends instead
    // of wrapping round.
    struct TCase {
        int32_t X, Y, Z;
    };
    for (const TCase& c : {TCase{INT_MAX - 40, INT_MAX - 40, INT_MAX - 24},
                           TCase{INT_MIN, INT_MIN, INT_MIN}, TCase{INT_MAX - 40, INT_MIN, 0}}) {
        ASSERT_TRUE(
            TBoxProjection(view, raise).PlainBoxScreenBox(*Box(c.X, c.Y, c.Z, 40, 40, 24), box));
        EXPECT_TRUE(box.Left <= box.Right && box.Top <= box.Bottom &&
                    (box.Left == INT_MIN || box.Right == INT_MAX || box.Top == INT_MIN ||
                     box.Bottom == INT_MAX))
            << c.X << " " << c.Y << " " << c.Z << ": " << Text(box);
    }
}

} // namespace
