#include "render/RenderTestSupport.h"
#include "render/Shading.h"
#include "render/bricks/DrawBrick.h"

#include <gtest/gtest.h>

namespace {

constexpr TColour White = 0xFFFFFF;
constexpr int32_t Blueish = 0x0000FF; // RGB(255, 0, 0) as stored: red in the low byte
constexpr TColour Dark = 0x464646;

// Top view, azimuth 0, a quarter pixel per unit, origin (3, 2): x -> x/4 + 3, y -> y/4 + 2.
struct TopViewTest : ::testing::Test {
    TDrawContext context;
    void SetUp() override { SetView(context, 0, 0, 0.25f, 3, 2); }
};

TEST_F(TopViewTest, PlainBrickIsItsOutlinedRectangle) {
    TTestCanvas canvas(20, 16, context);
    DrawBrick(*MakeBrick('B', 0, 0, 0, 40, 20, 24, Blueish), canvas.Target);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 20; ++x) {
            bool inside = x >= 3 && x <= 13 && y >= 2 && y <= 7;
            bool border = inside && (x == 3 || x == 13 || y == 2 || y == 7);
            TColour expected = border ? Dark : inside ? TColour(Blueish) : White;
            ASSERT_EQ(canvas.At(x, y), expected) << x << "," << y;
        }
}

TEST_F(TopViewTest, FastStudsAreDiamondsAtTheStudCentres) {
    TTestCanvas canvas(20, 16, context);
    DrawBrick(*MakeBrick('B', 0, 0, 0, 40, 20, 24, Blueish, true), canvas.Target);
    // Stud radius 1 and half radius 0: each outline is a diamond around (6, 4) and (10, 4).
    for (int cx : {6, 10}) {
        EXPECT_EQ(canvas.At(cx - 1, 4), Dark);
        EXPECT_EQ(canvas.At(cx + 1, 4), Dark);
        EXPECT_EQ(canvas.At(cx, 3), Dark);
        EXPECT_EQ(canvas.At(cx, 5), Dark);
        EXPECT_EQ(canvas.At(cx, 4), TColour(Blueish));
    }
    EXPECT_EQ(canvas.At(8, 4), TColour(Blueish));
    EXPECT_EQ(canvas.At(4, 4), TColour(Blueish));
}

TEST_F(TopViewTest, HiddenStudsAndZeroWidthDrawNothingExtra) {
    TTestCanvas plain(20, 16, context), hidden(20, 16, context), empty(20, 16, context);
    DrawBrick(*MakeBrick('B', 0, 0, 0, 40, 20, 24, Blueish), plain.Target);
    context.StudsHidden = true;
    DrawBrick(*MakeBrick('B', 0, 0, 0, 40, 20, 24, Blueish, true), hidden.Target);
    DrawBrick(*MakeBrick('B', 0, 0, 0, 0, 20, 24, Blueish, true), empty.Target);
    EXPECT_EQ(DifferingPixels(hidden.Bitmap, plain.Bitmap), 0);
    EXPECT_EQ(PixelsOfColour(empty.Bitmap, White), 20 * 16);
}

TEST_F(TopViewTest, HitTestFollowsTheSilhouette) {
    auto brick = MakeBrick('B', 0, 0, 0, 40, 20, 24, Blueish);
    EXPECT_TRUE(BrickHitTest(*brick, context, 8, 5));
    EXPECT_TRUE(BrickHitTest(*brick, context, 3, 2)); // left and top edges belong to the region
    EXPECT_FALSE(BrickHitTest(*brick, context, 13, 5));
    EXPECT_FALSE(BrickHitTest(*brick, context, 8, 7));
    EXPECT_FALSE(BrickHitTest(*brick, context, 2, 5));
    auto flat = MakeBrick('B', 0, 0, 0, 40, 0, 24, Blueish);
    EXPECT_FALSE(BrickHitTest(*flat, context, 3, 2));
}

// The nearest corner per quarter of the view, as the drawing order assumes it.
struct TNear {
    bool HighX, HighY;
};
constexpr TNear NearCorner[4] = {{false, true}, {false, false}, {true, false}, {true, true}};

// A general view per octant: tilt 60 from above or 120 from below, azimuth inside the quarter.
void SetOctantView(TDrawContext& context, int octant) {
    SetView(context, octant < 4 ? 60 : 120, 40 + 90 * (octant & 3), 1.5f, 40, 40);
    ASSERT_EQ(context.View.Octant, octant);
}

struct TCorners {
    TPoint C, Cx, Cy, Cz, Cxy, Cxz, Cyz;
};

TCorners CornersFor(const TDrawContext& context, const TBlock& b, int octant) {
    TNear n = NearCorner[octant & 3];
    int x0 = n.HighX ? b.X + b.SX : b.X, x1 = n.HighX ? b.X : b.X + b.SX;
    int y0 = n.HighY ? b.Y + b.SY : b.Y, y1 = n.HighY ? b.Y : b.Y + b.SY;
    int z0 = octant < 4 ? b.Z + b.SZ : b.Z, z1 = octant < 4 ? b.Z : b.Z + b.SZ;
    auto p = [&](int x, int y, int z) { return ProjectPoint(context.View, x, y, z); };
    return {p(x0, y0, z0), p(x1, y0, z0), p(x0, y1, z0), p(x0, y0, z1),
            p(x1, y1, z0), p(x1, y0, z1), p(x0, y1, z1)};
}

TEST(BrickOctants, ShadedFacesTakeTheLightOfTheirSide) {
    // 0x3C78C8 under the default light (-7, 0, 10): the X sides at 0.9434 (red rounded, green
    // and blue cut), the Y sides at the ambient 0.8, tops and bottoms at full light, and the
    // edges at 0.6.
    const TColour sideX = 0x3871BD, sideY = 0x3060A0, flat = 0x3C78C8, edge = 0x244878;
    for (int octant = 0; octant < 8; ++octant) {
        TDrawContext context;
        context.Shading = true;
        SetOctantView(context, octant);
        TTestCanvas drawn(80, 80, context);
        DrawBrick(*MakeBrick('B', -20, -20, -12, 40, 40, 24, 0x3C78C8), drawn.Target);
        const TNear n = NearCorner[octant & 3];
        const int x = n.HighX ? 20 : -20, y = n.HighY ? 20 : -20, z = octant < 4 ? 12 : -12;
        auto at = [&](int px, int py, int pz) {
            return drawn.At(ProjectPoint(context.View, px, py, pz));
        };
        EXPECT_EQ(at(x, 0, 0), sideX) << octant;
        EXPECT_EQ(at(0, y, 0), sideY) << octant;
        EXPECT_EQ(at(0, 0, z), flat) << octant;
        EXPECT_EQ(at(x, y, 0), edge) << octant;
    }
}

TEST(BrickOctants, UnshadedSilhouetteWithItsVisibleEdges) {
    const int32_t colour = 0x3C78C8;
    for (int octant = 0; octant < 8; ++octant) {
        TDrawContext context;
        SetOctantView(context, octant);
        auto brick = MakeBrick('B', -20, -30, -12, 40, 60, 24, colour);
        TTestCanvas drawn(80, 80, context), expected(80, 80, context);
        DrawBrick(*brick, drawn.Target);

        TCorners c = CornersFor(context, *brick, octant);
        const TPoint outline[6] = {c.Cx, c.Cxy, c.Cy, c.Cyz, c.Cz, c.Cxz};
        const TPoint nearEdges[3] = {c.Cx, c.C, c.Cy};
        const TPoint vertical[2] = {c.C, c.Cz};
        TCanvas& canvas = expected.Target.Canvas();
        canvas.Pen.Colour = Dark;
        canvas.Brush.Colour = TColour(colour);
        expected.Target.Polygon(outline, 5);
        expected.Target.Polyline(nearEdges, 2);
        expected.Target.Polyline(vertical, 1);
        EXPECT_EQ(DifferingPixels(drawn.Bitmap, expected.Bitmap), 0) << "octant " << octant;
        EXPECT_TRUE(BrickHitTest(*brick, context, 40, 40)) << octant;
    }
}

struct StyleTest : ::testing::Test {
    TDrawContext context;
    void SetUp() override { SetView(context, 60, 40, 1.5f, 40, 40); }
    // The pixel at the middle of the top face and at the nearest top corner.
    TPoint TopMiddle() const { return ProjectPoint(context.View, 0, 0, 12); }
    TPoint NearCornerPixel() const { return ProjectPoint(context.View, -20, 20, 12); }
};

TEST_F(StyleTest, TransparentBricksBlendAndYellowIsAlwaysTransparent) {
    for (bool flag : {true, false}) {
        TTestCanvas canvas(80, 80, context, 0x000000);
        auto brick = MakeBrick('B', -20, -20, -12, 40, 40, 24, flag ? 0x8040C0 : 0xFFFF00);
        brick->Transparent = flag;
        DrawBrick(*brick, canvas.Target);
        TColour expected = flag ? 0x402060 : 0x7F7F00; // half of each channel, low bit dropped
        EXPECT_EQ(canvas.At(TopMiddle()), expected);
    }
}

TEST_F(StyleTest, WireframeDrawsOnlyEdgesInTheBrickColour) {
    context.Shading = true;
    context.SetWireFrame(true);
    TTestCanvas canvas(80, 80, context);
    auto brick = MakeBrick('B', -20, -20, -12, 40, 40, 24, 0x8040C0, true);
    brick->Transparent = true;
    DrawBrick(*brick, canvas.Target);
    EXPECT_EQ(canvas.At(TopMiddle()), White);
    EXPECT_EQ(canvas.At(NearCornerPixel()), 0x8040C0u);
}

TEST_F(StyleTest, SeeThroughBaseplateOnlyFromBelow) {
    context.SeeThroughBaseplate = true;
    auto plate = MakeBrick('B', -20, -20, -12, 40, 40, 24, 0x808080);
    plate->Baseplate = true;
    TTestCanvas above(80, 80, context);
    DrawBrick(*plate, above.Target);
    EXPECT_EQ(above.At(TopMiddle()), 0x808080u);

    SetView(context, 120, 40, 1.5f, 40, 40);
    TTestCanvas below(80, 80, context);
    DrawBrick(*plate, below.Target);
    EXPECT_EQ(below.At(ProjectPoint(context.View, 0, 0, -12)), White);
    EXPECT_EQ(below.At(ProjectPoint(context.View, -20, 20, -12)), 0x808080u);
}

TEST_F(StyleTest, SelectionAndEdgeColours) {
    const TDrawColours& colours = context.Colours;
    struct TCase {
        int32_t Colour;
        bool Selected, Shading;
        TColour Edge;
    } cases[] = {
        {0x8040C0, true, false, TColour(colours.ColourRed)},
        {colours.ColourRed, true, false, 0xFFFFFF},
        {0x8040C0, true, true, TColour(colours.ColourRed)},
        {colours.ColourBlack, false, false, 0x808080},
        {colours.ColourBlack, false, true, 0x4C4C4D}, // RGB(77, 76, 76)
        {colours.ColourBlue, false, false, 0xFFB21E},
        {0x8040C0, false, true, 0x4C2673}, // RGB(115, 38, 76): 0.6 of each channel
    };
    for (const TCase& c : cases) {
        context.Shading = c.Shading;
        TTestCanvas canvas(80, 80, context);
        auto brick = MakeBrick('B', -20, -20, -12, 40, 40, 24, c.Colour);
        brick->Selected = c.Selected;
        DrawBrick(*brick, canvas.Target);
        EXPECT_EQ(canvas.At(NearCornerPixel()), c.Edge) << std::hex << c.Colour;
    }
}

TEST_F(StyleTest, DrawLeavesTheTargetReset) {
    TTestCanvas canvas(80, 80, context);
    auto brick = MakeBrick('B', -20, -20, -12, 40, 40, 24, 0xFFFF00, true);
    brick->Selected = true;
    context.Shading = true;
    DrawBrick(*brick, canvas.Target);
    TCanvas& c = canvas.Target.Canvas();
    EXPECT_EQ(c.Brush.Colour, 0xC0C0C0u);
    EXPECT_EQ(c.Brush.Style, TBrushStyle::bsSolid);
    EXPECT_EQ(c.Pen.Colour, TColour(context.Colours.ColourBlack));
}

TEST_F(StyleTest, TubeRingsOnlyBetweenStuds) {
    SetView(context, 120, 40, 1.5f, 40, 40);
    auto differs = [&](int sx, int sy) {
        TTestCanvas with(80, 80, context), without(80, 80, context);
        DrawBrick(*MakeBrick('B', -20, -40, -12, sx, sy, 24, 0x8040C0, true), with.Target);
        DrawBrick(*MakeBrick('B', -20, -40, -12, sx, sy, 24, 0x8040C0, false), without.Target);
        return DifferingPixels(with.Bitmap, without.Bitmap) > 0;
    };
    EXPECT_FALSE(differs(20, 80)); // 1 x 4: no rings
    EXPECT_TRUE(differs(40, 40));  // 2 x 2: one ring
}

TEST_F(StyleTest, EveryStudStyleDrawsAboveTheTopFace) {
    for (int style : {0, 1, 2}) {
        context.SetStudStyle(style);
        context.ComputeStudMetrics();
        TTestCanvas with(80, 80, context), without(80, 80, context);
        DrawBrick(*MakeBrick('B', -20, -20, -12, 40, 40, 24, 0x8040C0, true), with.Target);
        DrawBrick(*MakeBrick('B', -20, -20, -12, 40, 40, 24, 0x8040C0, false), without.Target);
        TPoint stud = ProjectPoint(context.View, -10, 10, 12); // the front stud's base
        EXPECT_GT(DifferingPixels(with.Bitmap, without.Bitmap), 20) << style;
        EXPECT_NE(with.At(stud.X - context.Studs.StudRX, stud.Y), 0x8040C0u) << style;
    }
}

} // namespace
