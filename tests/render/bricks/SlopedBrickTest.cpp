#include "render/RenderTestSupport.h"
#include "render/Shading.h"
#include "render/bricks/DrawBrick.h"

#include <gtest/gtest.h>

namespace {

constexpr int32_t Green = 0x30A050;
constexpr TColour White = 0xFFFFFF;
const char SlopedKinds[] = {'T', 'N', 'C', 'E', 'I'};

// A general view per octant: tilt 60 from above or 120 from below, azimuth inside the quarter.
int OctantAzimuth(int octant) {
    return 40 + 90 * (octant & 3);
}
int OctantTilt(int octant) {
    return octant < 4 ? 60 : 120;
}

// Unshaded: with shading the faces take the light of the world side they face.
TEST(SlopedBricks, TurnTwoEqualsTheUnturnedBrickSeenFromTheOtherSide) {
    for (char kind : SlopedKinds)
        for (int octant = 0; octant < 8; ++octant) {
            TDrawContext context;
            context.SetStudStyle(StudFull);
            int tilt = OctantTilt(octant), azimuth = OctantAzimuth(octant);
            SetView(context, tilt, azimuth, 1.5f, 60, 60);
            TTestCanvas turned(120, 120, context);
            DrawBrick(*MakeBrick(kind, -30, -20, -12, 60, 40, 24, Green, true, 2), turned.Target);
            // Turn 2 puts the frame at (-X - SX, -Y - SY); the view goes half round instead.
            SetView(context, tilt, azimuth + 180, 1.5f, 60, 60);
            TTestCanvas unturned(120, 120, context);
            DrawBrick(*MakeBrick(kind, -30, -20, -12, 60, 40, 24, Green, true, 0), unturned.Target);
            EXPECT_EQ(DifferingPixels(turned.Bitmap, unturned.Bitmap), 0)
                << kind << " octant " << octant;
        }
}

TEST(SlopedBricks, QuarterTurnsKeepTheSideOrderOfTheView) {
    // The ridge corner is concave: its back walls overlap, so the order of the two sides shows.
    // A quarter-turned brick draws its sides in the order of the view's world sides, which is
    // not the order of the unturned brick seen a quarter further round.
    int differing = 0;
    for (int octant = 0; octant < 8; ++octant) {
        TDrawContext context;
        int tilt = OctantTilt(octant), azimuth = OctantAzimuth(octant);
        SetView(context, tilt, azimuth, 1.5f, 60, 60);
        TTestCanvas turned(120, 120, context);
        auto ridge = MakeBrick('I', -30, -30, -12, 60, 60, 24, Green, false, 1);
        ridge->Transparent = true;
        DrawBrick(*ridge, turned.Target);
        SetView(context, tilt, azimuth + 90, 1.5f, 60, 60);
        TTestCanvas unturned(120, 120, context);
        ridge->Turn = 0;
        DrawBrick(*ridge, unturned.Target);
        differing += DifferingPixels(turned.Bitmap, unturned.Bitmap) > 0;
    }
    EXPECT_GT(differing, 0);
}

// The world direction of a direction of the unturned shape: each turn takes +Y to +X.
std::array<int, 3> WorldNormal(int x, int y, int z, int turn) {
    for (int t = 0; t < turn; ++t) {
        int rotated = y;
        y = -x;
        x = rotated;
    }
    return {x, y, z};
}

TEST(SlopedBricks, FaceColoursFollowWorldDirections) {
    // A light that tells all four slopes apart.
    TDrawContext context;
    context.Light = {-3, 5, 10};
    context.ComputeLightFactors();
    context.Shading = true;
    SetView(context, 0, 0, 1.0f, 60, 60);
    for (int turn = 0; turn < 4; ++turn) {
        TTestCanvas canvas(120, 120, context);
        DrawBrick(*MakeBrick('T', -30, -30, 0, 60, 60, 24, Green, false, turn), canvas.Target);
        // The slope's middle lies 10 units from the centre on the side it faces.
        std::array<int, 3> up = WorldNormal(0, 1, 1, turn);
        TPoint slope = ProjectPoint(context.View, 10 * up[0], 10 * up[1], 15);
        EXPECT_EQ(canvas.At(slope), TColour(ScaleColour(Green, LightFactorOf(context.Light, up))))
            << "turn " << turn;
        std::array<int, 3> strip = WorldNormal(0, -1, 0, turn);
        TPoint top = ProjectPoint(context.View, 25 * strip[0], 25 * strip[1], 24);
        EXPECT_EQ(canvas.At(top), TColour(ScaleColour(Green, context.LightFactor[2])));
    }
    // The walls too: seen from octant 0, the brick of turn 1 shows its back wall to world -X.
    SetView(context, 60, 40, 1.5f, 60, 60);
    TTestCanvas canvas(120, 120, context);
    DrawBrick(*MakeBrick('T', -30, -30, -12, 60, 60, 24, Green, false, 1), canvas.Target);
    TPoint wall = ProjectPoint(context.View, -30, 0, 0);
    EXPECT_EQ(canvas.At(wall), TColour(ScaleColour(Green, context.LightFactor[1])));
}

TEST(SlopedBricks, StraightDownOnlyTheTopGroupIsDrawn) {
    // The side walls are lines from above; were they drawn, the transparent outline would be
    // blended twice.
    TDrawContext context;
    SetView(context, 0, 0, 1.0f, 60, 60);
    TTestCanvas drawn(120, 120, context, 0x000000), expected(120, 120, context, 0x000000);
    auto roof = MakeBrick('T', -30, -20, 0, 60, 40, 24, Green);
    roof->Transparent = true;
    DrawBrick(*roof, drawn.Target);
    auto p = [&](int x, int y) { return ProjectPoint(context.View, x, y, 0); };
    const TPoint slope[4] = {p(-30, 20), p(30, 20), p(30, 0), p(-30, 0)};
    const TPoint strip[4] = {p(-30, -20), p(-30, 0), p(30, 0), p(30, -20)};
    TCanvas& canvas = expected.Target.Canvas();
    canvas.Pen.Colour = 0x464646;
    canvas.Brush.Colour = TColour(Green);
    canvas.Brush.Style = TBrushStyle::bsDiagCross;
    expected.Target.Polygon(slope, 3);
    expected.Target.Polygon(strip, 3);
    EXPECT_EQ(DifferingPixels(drawn.Bitmap, expected.Bitmap), 0);
}

TEST(SlopedBricks, StudsOnSlopesAndCornersNeverOnRidges) {
    TDrawContext context;
    context.SetStudStyle(StudFull);
    for (int octant : {0, 2, 5}) {
        SetView(context, OctantTilt(octant), OctantAzimuth(octant), 1.5f, 60, 60);
        for (char kind : SlopedKinds)
            for (int turn = 0; turn < 4; ++turn) {
                TTestCanvas with(120, 120, context), without(120, 120, context);
                DrawBrick(*MakeBrick(kind, -30, -30, -12, 60, 60, 24, Green, true, turn),
                          with.Target);
                DrawBrick(*MakeBrick(kind, -30, -30, -12, 60, 60, 24, Green, false, turn),
                          without.Target);
                // From below every kind shows its tube rings; from above only T and C have studs.
                bool expectChange = octant >= 4 || kind == 'T' || kind == 'C';
                EXPECT_EQ(DifferingPixels(with.Bitmap, without.Bitmap) > 0, expectChange)
                    << kind << " turn " << turn << " octant " << octant;
            }
    }
}

TEST(SlopedBricks, StudRowLiesOnTheTopStripOfEveryTurn) {
    TDrawContext context;
    SetView(context, 0, 0, 1.0f, 60, 60);
    for (int turn = 0; turn < 4; ++turn) {
        TTestCanvas with(120, 120, context), without(120, 120, context);
        DrawBrick(*MakeBrick('T', -30, -30, 0, 60, 60, 24, Green, true, turn), with.Target);
        DrawBrick(*MakeBrick('T', -30, -30, 0, 60, 60, 24, Green, false, turn), without.Target);
        std::array<int, 3> strip = WorldNormal(0, -1, 0, turn);
        std::array<int, 3> along = WorldNormal(1, 0, 0, turn);
        for (int n = -1; n <= 1; ++n) {
            TPoint stud = ProjectPoint(context.View, 20 * strip[0] + 20 * n * along[0],
                                       20 * strip[1] + 20 * n * along[1], 24);
            EXPECT_GT(DifferingPixelsNear(with.Bitmap, without.Bitmap, stud, 6), 0)
                << turn << " " << n;
        }
        EXPECT_EQ(DifferingPixelsNear(with.Bitmap, without.Bitmap,
                                      ProjectPoint(context.View, 0, 0, 24), 6),
                  0);
    }
    // The corner's single stud sits on its top square, at the world corner the turn names.
    const TPoint corners[4] = {{20, -20}, {-20, -20}, {-20, 20}, {20, 20}};
    for (int turn = 0; turn < 4; ++turn) {
        TTestCanvas with(120, 120, context), without(120, 120, context);
        DrawBrick(*MakeBrick('C', -30, -30, 0, 60, 60, 24, Green, true, turn), with.Target);
        DrawBrick(*MakeBrick('C', -30, -30, 0, 60, 60, 24, Green, false, turn), without.Target);
        TPoint stud = ProjectPoint(context.View, corners[turn].X, corners[turn].Y, 24);
        EXPECT_GT(DifferingPixelsNear(with.Bitmap, without.Bitmap, stud, 6), 0) << turn;
        EXPECT_EQ(DifferingPixels(with.Bitmap, without.Bitmap),
                  DifferingPixelsNear(with.Bitmap, without.Bitmap, stud, 6));
    }
}

TEST(SlopedBricks, HitTestUsesTheBoundingBox) {
    TDrawContext context;
    SetView(context, 60, 40, 1.5f, 60, 60);
    for (int turn = 0; turn < 4; ++turn) {
        auto roof = MakeBrick('T', -30, -20, -12, 60, 40, 24, Green, false, turn);
        // Above the low end of the slope: air, but inside the box.
        std::array<int, 3> low = WorldNormal(0, 1, 0, turn);
        TPoint air = ProjectPoint(context.View, 18 * low[0], 18 * low[1], 10);
        EXPECT_TRUE(BrickHitTest(*roof, context, air.X, air.Y)) << turn;
        TPoint outside = ProjectPoint(context.View, 0, 60, 0);
        EXPECT_FALSE(BrickHitTest(*roof, context, outside.X, outside.Y)) << turn;
    }
}

struct SlopedStyleTest : ::testing::Test {
    TDrawContext context;
    void SetUp() override { SetView(context, 60, 40, 1.5f, 60, 60); }
    // The near corner of the front lip, and a point inside the lip, for every kind at turn 0.
    TPoint LipCorner() const { return ProjectPoint(context.View, -30, 30, -12); }
    TPoint Inside() const { return ProjectPoint(context.View, -15, 30, -9); }
};

TEST_F(SlopedStyleTest, SelectedWireframeAndTransparent) {
    const TDrawColours& colours = context.Colours;
    for (char kind : SlopedKinds) {
        auto brick = MakeBrick(kind, -30, -30, -12, 60, 60, 24, Green);
        brick->Selected = true;
        context.Shading = true;
        TTestCanvas selected(120, 120, context);
        DrawBrick(*brick, selected.Target);
        EXPECT_EQ(selected.At(LipCorner()), TColour(colours.ColourRed)) << kind;

        brick->Colour = colours.ColourRed;
        TTestCanvas red(120, 120, context);
        DrawBrick(*brick, red.Target);
        EXPECT_EQ(red.At(LipCorner()), White) << kind;

        brick->Selected = false;
        brick->Colour = Green;
        TTestCanvas shaded(120, 120, context);
        DrawBrick(*brick, shaded.Target);
        EXPECT_EQ(shaded.At(LipCorner()), TColour(ScaleColour(Green, 0.6f))) << kind;
        EXPECT_EQ(shaded.At(Inside()), TColour(ScaleColour(Green, context.LightFactor[0])));

        context.SetWireFrame(true);
        TTestCanvas wire(120, 120, context);
        DrawBrick(*brick, wire.Target);
        EXPECT_EQ(wire.At(LipCorner()), TColour(Green)) << kind;
        EXPECT_EQ(wire.At(Inside()), White) << kind;
        context.SetWireFrame(false);

        context.Shading = false;
        brick->Transparent = true;
        TTestCanvas glass(120, 120, context, 0x000000);
        DrawBrick(*brick, glass.Target);
        EXPECT_EQ(glass.At(Inside()), 0x185028u) << kind; // half of each channel
        TCanvas& canvas = glass.Target.Canvas();
        EXPECT_EQ(canvas.Brush.Style, TBrushStyle::bsSolid);
        EXPECT_EQ(canvas.Brush.Colour, 0xC0C0C0u);
    }
}

TEST_F(SlopedStyleTest, ExtremeBricksDrawWithoutFault) {
    TTestCanvas canvas(120, 120, context);
    for (char kind : SlopedKinds)
        for (int turn : {0, 1, 2, 3, 5, -1}) {
            DrawBrick(
                *MakeBrick(kind, 2147483000, -2147483000, 0, 2000000000, 40, 24, Green, true, turn),
                canvas.Target);
            DrawBrick(*MakeBrick(kind, 0, 0, 0, -60, 10, -24, Green, true, turn), canvas.Target);
            DrawBrick(*MakeBrick(kind, -30, -30, 0, 2000000000, 2000000000, 2000000000, Green, true,
                                 turn),
                      canvas.Target);
        }
    SUCCEED();
}

} // namespace
