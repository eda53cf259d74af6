#include "model/BlockKinds.h"
#include "render/RenderTestSupport.h"
#include "render/bricks/BrickDrawers.h"
#include "render/bricks/RoofFrame.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t Green = 0x30A050;

// The top group alone, and the faces it should consist of, drawn into two canvases.
struct TopGroupTest : ::testing::Test {
    TDrawContext context;

    void Prepare(TTestCanvas& canvas) {
        canvas.Target.Canvas().Brush.Colour = TColour(Green);
        canvas.Target.Canvas().Pen.Colour = 0x202020;
        context.Shaded = true;
    }
};

TEST_F(TopGroupTest, RidgeEndOrderFollowsTheAzimuthPlusTheTurnUnreduced) {
    const TFramePoint back[3] = {{0, 0, 6}, {60, 0, 6}, {60, 20, 24}};
    const TFramePoint left[3] = {{0, 0, 6}, {0, 40, 6}, {60, 20, 24}};
    const TFramePoint front[3] = {{0, 40, 6}, {60, 40, 6}, {60, 20, 24}};
    struct TCase {
        int RotZ, Turn;
        bool BackFirst;
    } cases[] = {{129, 1, false}, {130, 1, true}, {180, 1, true},  {190, 1, false},
                 {220, 1, true},  {300, 1, true}, {200, 0, false}, {300, 0, false}};
    for (const TCase& c : cases) {
        SetView(context, 50, c.RotZ, 1.5f, 60, 60);
        // Odd turns exchange the extents, so the frame is 60 x 40 either way.
        bool odd = c.Turn % 2 != 0;
        auto ridgeEnd =
            MakeBrick('E', -30, -30, -12, odd ? 40 : 60, odd ? 60 : 40, 24, Green, false, c.Turn);
        TTestCanvas drawn(120, 120, context), expected(120, 120, context);
        Prepare(drawn);
        TRoofFrame frame(*ridgeEnd, drawn.Target, context);
        TRoofTopEndDrawer(*ridgeEnd).DrawTopGroup(frame, false);
        Prepare(expected);
        TRoofFrame reference(*ridgeEnd, expected.Target, context);
        auto face = [&](TRoofColour colour, const TFramePoint(&p)[3]) {
            reference.Face(colour, {p[0], p[1], p[2]});
        };
        if (c.BackFirst) {
            face(SlopeFacingMinusY, back), face(SlopeFacingMinusX, left);
            face(SlopeFacingPlusY, front);
        } else {
            face(SlopeFacingPlusY, front), face(SlopeFacingMinusX, left);
            face(SlopeFacingMinusY, back);
        }
        EXPECT_EQ(DifferingPixels(drawn.Bitmap, expected.Bitmap), 0)
            << c.RotZ << " turn " << c.Turn;
    }
}

TEST_F(TopGroupTest, CornerDrawsItsLeftSlopeFirstFrom220On) {
    const TFramePoint front[4] = {{0, 60, 6}, {60, 60, 6}, {60, 20, 24}, {40, 20, 24}};
    const TFramePoint left[4] = {{0, 0, 6}, {0, 60, 6}, {40, 20, 24}, {40, 0, 24}};
    // A quarter turn counts as 90 degrees more azimuth: 130 with turn 1 is 220.
    struct TCase {
        int RotZ, Turn;
        bool LeftFirst;
    } cases[] = {{219, 0, false}, {220, 0, true}, {300, 0, true}, {129, 1, false}, {130, 1, true}};
    for (auto [rotZ, turn, leftFirst] : cases) {
        SetView(context, 50, rotZ, 1.5f, 60, 60);
        auto corner = MakeBrick('C', -30, -30, -12, 60, 60, 24, Green, false, turn);
        TTestCanvas drawn(120, 120, context), expected(120, 120, context);
        Prepare(drawn);
        TRoofFrame frame(*corner, drawn.Target, context);
        TRoofCornerDrawer(*corner).DrawTopGroup(frame, false);
        Prepare(expected);
        TRoofFrame reference(*corner, expected.Target, context);
        auto face = [&](TRoofColour colour, const TFramePoint(&p)[4]) {
            reference.Face(colour, {p[0], p[1], p[2], p[3]});
        };
        if (leftFirst)
            face(SlopeFacingMinusX, left), face(SlopeFacingPlusY, front);
        else
            face(SlopeFacingPlusY, front), face(SlopeFacingMinusX, left);
        reference.Face(FaceFlat, {{40, 0, 24}, {40, 20, 24}, {60, 20, 24}, {60, 0, 24}});
        EXPECT_EQ(DifferingPixels(drawn.Bitmap, expected.Bitmap), 0) << rotZ;
    }
}

} // namespace
