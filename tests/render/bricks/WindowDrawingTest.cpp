#include "render/RenderTestSupport.h"
#include "model/BlockKinds.h"
#include "render/Shading.h"
#include "render/bricks/DrawBrick.h"
#include "render/bricks/WindowPaint.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t Colour = 0x3C78C8;
constexpr TColour Black = 0x000000;
constexpr TColour HalfWhite = 0x7F7F7F; // white blended onto black

// Seen from the front, slightly from above: azimuth 0, the front (+Y) towards the viewer.
struct FrontViewTest : ::testing::Test {
    TDrawContext context;
    void SetUp() override { SetView(context, 85, 0, 1.0f, 80.3f, 80.3f); }
    TPoint At(double x, double y, double z) const { return ProjectPoint(context.View, x, y, z); }
};

TEST_F(FrontViewTest, GlassIsAlwaysBlendedInTheGlassColour) {
    for (bool wireframe : {false, true}) {
        context.SetWireFrame(wireframe);
        TTestCanvas canvas(160, 160, context, Black);
        auto window = MakeBrick('W', -30, -10, -36, 60, 20, 72, Colour, true);
        DrawBrick(*window, canvas.Target);
        // The middle of the pane, with nothing but the background behind it.
        EXPECT_EQ(canvas.At(At(0, 8, 0)), HalfWhite) << wireframe;
        const TCanvas& c = canvas.Target.Canvas();
        EXPECT_EQ(c.Brush.Style, TBrushStyle::bsSolid);
        EXPECT_EQ(c.Brush.Colour, 0xC0C0C0u);
    }
}

TEST_F(FrontViewTest, DoorHasLeavesWithANotchButNoSillOrGlass) {
    TTestCanvas window(160, 160, context, Black), door(160, 160, context, Black);
    DrawBrick(*MakeBrick('W', -40, -10, -48, 80, 20, 96, Colour, true), window.Target);
    DrawBrick(*MakeBrick('D', -40, -10, -48, 80, 20, 96, Colour, true), door.Target);
    // Where the window shows glass, the door shows a leaf.
    EXPECT_EQ(window.At(At(-20, 10, -20)), HalfWhite);
    EXPECT_EQ(door.At(At(-20, 10, -20)), TColour(Colour));
    // The window's sill stands out in front of the frame; the door's threshold does not.
    EXPECT_EQ(window.At(At(0, 10, -45)), TColour(Colour));
    // The notch: a gap 12 units deep each side of the middle, from SZ - 28 up to SZ - 8.
    EXPECT_EQ(door.At(At(-3, 10, 30)), Black);
    EXPECT_EQ(door.At(At(3, 10, 30)), Black);
    EXPECT_EQ(door.At(At(-3, 10, 0)), TColour(Colour));
    EXPECT_EQ(door.At(At(-3, 10, 44)), TColour(Colour));
    EXPECT_EQ(PixelsOfColour(door.Bitmap, HalfWhite), 0);
}

TEST_F(FrontViewTest, WheelDisksInTheirFixedColours) {
    context.Shading = true;
    TTestCanvas canvas(160, 160, context, Black);
    // SX 80: rim radius 30, hub radius 19.5, centre 28 above the bottom.
    DrawBrick(*MakeBrick('O', -40, -20, -28, 80, 40, 56, Colour, true), canvas.Target);
    EXPECT_EQ(canvas.At(At(-8, 20, 4)), TColour(Colour));     // hub: brick colour, unshaded
    EXPECT_EQ(canvas.At(At(-24, 20, 4)), RGB(128, 128, 128)); // tyre
    // The tread shows above the front disk's rim when seen from slightly above.
    TPoint rimTop = At(0, 20, 30);
    EXPECT_EQ(canvas.At(rimTop.X, rimTop.Y - 2), RGB(96, 96, 96));
}

TEST(WindowFamily, WheelsNeverShowStudsOrTubes) {
    for (int octant : {0, 5}) {
        TDrawContext context;
        SetView(context, octant < 4 ? 60 : 120, 40 + 90 * (octant & 3), 1.5f, 80, 80);
        TTestCanvas with(160, 160, context), without(160, 160, context);
        DrawBrick(*MakeBrick('O', -40, -40, -28, 80, 80, 56, Colour, true), with.Target);
        DrawBrick(*MakeBrick('O', -40, -40, -28, 80, 80, 56, Colour, false), without.Target);
        EXPECT_EQ(DifferingPixels(with.Bitmap, without.Bitmap), 0) << octant;
    }
}

TEST(WindowFamily, FaceColoursFollowTheWorldWhateverTheTurn) {
    TDrawContext context;
    context.Shading = true;
    SetView(context, 60, 40, 1.5f, 80, 80);
    TTestCanvas canvas(160, 160, context);
    const auto& f = context.LightFactor;
    auto scaled = [](int32_t colour, float factor) { return TColour(ScaleColour(colour, factor)); };
    for (int turn = 0; turn < 4; ++turn) {
        auto window = MakeBrick('W', -30, -10, -36, 60, 20, 72, Colour, true);
        window->Turn = turn;
        DrawBrick(*window, canvas.Target);
        const TWindowPaint& paint = WindowPaint();
        bool odd = turn % 2 != 0;
        EXPECT_EQ(paint.Class1, scaled(Colour, odd ? f[0] : f[1])) << turn;
        EXPECT_EQ(paint.Class2, scaled(Colour, odd ? f[1] : f[0])) << turn;
        EXPECT_EQ(paint.Class3, scaled(Colour, f[2])) << turn;
        EXPECT_EQ(paint.Class5, scaled(Colour, odd ? f[4] : f[3])) << turn;
        EXPECT_EQ(paint.Glass, scaled(0xFFFFFF, odd ? f[0] : f[1])) << turn;
    }
}

} // namespace
