// Hand-worked rules of brick drawing; whole frames of every kind and style are compared with
// references elsewhere.

#include "render/RenderTestSupport.h"
#include "render/bricks/DrawBrick.h"

#include <gtest/gtest.h>

namespace {

constexpr TColour White = 0xFFFFFF;
constexpr int32_t Blueish = 0x0000FF; // RGB(255, 0, 0) as stored: red in the low byte

// Top view, azimuth 0, a quarter pixel per unit, origin (3, 2): x -> x/4 + 3, y -> y/4 + 2.
struct TopViewTest : ::testing::Test {
    TDrawContext Context;
    void SetUp() override { SetView(Context, 0, 0, 0.25f, 3, 2); }
};

TEST_F(TopViewTest, HiddenStudsAndZeroWidthDrawNothingExtra) {
    TTestCanvas plain(20, 16, Context), hidden(20, 16, Context), empty(20, 16, Context);
    DrawBrick(*MakeBrick('B', 0, 0, 0, 40, 20, 24, Blueish), plain.Target);
    Context.StudsHidden = true;
    DrawBrick(*MakeBrick('B', 0, 0, 0, 40, 20, 24, Blueish, true), hidden.Target);
    DrawBrick(*MakeBrick('B', 0, 0, 0, 0, 20, 24, Blueish, true), empty.Target);
    EXPECT_EQ(DifferingPixels(hidden.Bitmap, plain.Bitmap), 0);
    EXPECT_EQ(PixelsOfColour(empty.Bitmap, White), 20 * 16);
}

TEST_F(TopViewTest, HitTestFollowsTheSilhouette) {
    auto brick = MakeBrick('B', 0, 0, 0, 40, 20, 24, Blueish);
    // The left and top edges belong to the region.
    for (auto [x, y, hit] :
         {std::tuple{8, 5, true}, {3, 2, true}, {13, 5, false}, {8, 7, false}, {2, 5, false}})
        EXPECT_EQ(BrickHitTest(*brick, Context, x, y), hit) << x << "," << y;
    auto flat = MakeBrick('B', 0, 0, 0, 40, 0, 24, Blueish);
    EXPECT_FALSE(BrickHitTest(*flat, Context, 3, 2));
}

TEST(SlopedHitTest, UsesTheBoundingBox) {
    TDrawContext context;
    SetView(context, 0, 0, 1.0f, 60, 60);
    for (int turn = 0; turn < 4; ++turn) {
        auto roof = MakeBrick('T', -30, -20, -12, 60, 40, 24, 0x30A050, false, turn);
        // Over the low end of the slope, whichever side the turn puts it on: air, but boxed.
        EXPECT_TRUE(BrickHitTest(*roof, context, 60 - 28, 60 + 18)) << turn;
        EXPECT_TRUE(BrickHitTest(*roof, context, 60 + 28, 60 - 18)) << turn;
        EXPECT_FALSE(BrickHitTest(*roof, context, 60, 60 + 25)) << turn;
    }
}

// From octant 0 at 1.5 pixels per unit: the middle of the top face and its nearest corner.
struct StyleTest : ::testing::Test {
    TDrawContext Context;
    void SetUp() override { SetView(Context, 60, 40, 1.5f, 40, 40); }
    TPoint TopMiddle() const { return ProjectPoint(Context.View, 0, 0, 12); }
    TPoint NearCornerPixel() const { return ProjectPoint(Context.View, -20, 20, 12); }
};

// Glass halves each channel, dropping its low bit, and yellow is always glass; edges are red
// when selected (white on a red brick), grey on black, orange on blue, else 0.6 of the colour
// shaded.
TEST_F(StyleTest, GlassSelectionAndEdgeColours) {
    const TDrawColours& colours = Context.Colours;
    struct TCase {
        int32_t Colour;
        bool Transparent, Selected, Shading;
        TColour Background, Seen; // on the middle of the top, or else at the near corner
    } cases[] = {
        {0x8040C0, true, false, false, 0x000000, 0x402060},
        {0xFFFF00, false, false, false, 0x000000, 0x7F7F00},
        {0x8040C0, false, true, false, 0xFFFFFF, TColour(colours.ColourRed)},
        {colours.ColourRed, false, true, false, 0xFFFFFF, 0xFFFFFF},
        {0x8040C0, false, true, true, 0xFFFFFF, TColour(colours.ColourRed)},
        {colours.ColourBlack, false, false, false, 0xFFFFFF, 0x808080},
        {colours.ColourBlack, false, false, true, 0xFFFFFF, 0x4C4C4D}, // RGB(77, 76, 76)
        {colours.ColourBlue, false, false, false, 0xFFFFFF, 0xFFB21E},
        {0x8040C0, false, false, true, 0xFFFFFF, 0x4C2673}, // RGB(115, 38, 76)
    };
    for (const TCase& c : cases) {
        Context.Shading = c.Shading;
        TTestCanvas canvas(80, 80, Context, c.Background);
        auto brick = MakeBrick('B', -20, -20, -12, 40, 40, 24, c.Colour);
        brick->Transparent = c.Transparent;
        brick->Selected = c.Selected;
        DrawBrick(*brick, canvas.Target);
        const bool glass = c.Background == 0x000000;
        EXPECT_EQ(canvas.At(glass ? TopMiddle() : NearCornerPixel()), c.Seen)
            << std::hex << c.Colour;
    }
}

// Boxes at the ends of the number range, negative sizes and odd turns must draw without fault
// and without drawing stud by stud across the whole plane.
TEST(ExtremeBricks, DrawWithoutFault) {
    TDrawContext context;
    SetView(context, 60, 40, 1.5f, 60, 60);
    TTestCanvas canvas(120, 120, context);
    for (char kind : {'B', 'R', 'T', 'N', 'C', 'E', 'I'})
        for (int turn : {0, 1, 2, 3, 5, -1}) {
            DrawBrick(*MakeBrick(kind, 2147483000, -2147483000, 0, 2000000000, 40, 24, 0x30A050,
                                 true, turn),
                      canvas.Target);
            DrawBrick(*MakeBrick(kind, 0, 0, 0, -60, 10, -24, 0x30A050, true, turn), canvas.Target);
            DrawBrick(*MakeBrick(kind, -30, -30, 0, 2000000000, 2000000000, 2000000000, 0x30A050,
                                 true, turn),
                      canvas.Target);
        }
    auto plate =
        MakeBrick('B', -1000000000, -1000000000, -8, 2000000000, 2000000000, 8, 0x808080, true);
    for (int tilt : {70, 110}) {
        SetView(context, tilt, 30, 1, 30, 20);
        TTestCanvas view(60, 40, context);
        DrawBrick(*plate, view.Target);
        EXPECT_NE(view.At(30, 20), 0xFFFFFFu);
    }
}

} // namespace
