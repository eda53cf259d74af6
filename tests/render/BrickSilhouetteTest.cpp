// The row-by-row outline of a plain box brick against what its drawing really writes: drawn
// alone front to back, the cover mask holds exactly its pixels, and every one must lie in the
// outline's columns of its row, for every octant, tilt, scale, size and drawing mode.

#include "render/BrickSilhouette.h"

#include "CityScene.h"
#include "RenderTestSupport.h"
#include "raster/DrawObject.h"
#include "raster/DrawRecording.h"
#include "render/BrickScreenBox.h"
#include "render/FirstWriteScene.h"
#include "render/Scene.h"
#include "render/bricks/DrawBrick.h"
#include "support/Bricks.h"
#include "support/ShippedAppDir.h"

#include <cmath>
#include <gtest/gtest.h>
#include <iterator>
#include <limits>
#include <numbers>
#include <random>
#include <string>

namespace {

constexpr int Width = 400, Height = 300;

struct TBrickCase {
    int X, Y, Z, SX, SY, SZ;
    bool Studs, Baseplate, Selected;
};

// Plates, bricks, a column and a baseplate; studs off and on; one selected, one with its size
// given backwards.
const TBrickCase Bricks[] = {
    {0, 0, 0, 20, 20, 8, true, false, false},      {0, 0, 0, 40, 80, 24, true, false, true},
    {20, -40, 16, 20, 20, 96, true, false, false}, {0, 0, 0, 120, 20, 8, false, false, false},
    {0, 0, 0, 160, 160, 8, true, true, false},     {60, 40, 0, -40, -20, 24, true, false, false},
};

// Pixels per model unit: a few pixels a brick up to bricks filling the bitmap.
const float Scales[] = {0.08f, 0.35f, 1.0f, 2.7f};

const TMode Modes[] = {Shaded, Plain, FullStuds, WireFrame, SeeThrough};

// Where the brick's centre goes: the middle, and near a corner and an edge, where rounding
// goes the other way.
const TPoint Centres[] = {{Width / 2, Height / 2}, {37, 41}, {Width - 52, Height / 3}};

// Draws the brick alone front to back with its centre at the given point, in pixels from the
// bitmap's corner.
void DrawAlone(TCity& city, float tilt, float azimuth, float scale, double centreX, double centreY,
               TBitmap& frame) {
    TViewState& view = city.Context.View;
    view.TiltA = tilt;
    view.AzimuthC = azimuth;
    ComputeViewMatrix(view);
    view.ViewScale = scale;
    view.OriginX = view.OriginY = 0;
    const TBlock& brick = city.Model.Items(0);
    const TPoint at = ProjectPoint(view, brick.X + brick.SX / 2.0, brick.Y + brick.SY / 2.0,
                                   brick.Z + brick.SZ / 2.0);
    view.OriginX = float(centreX - at.X);
    view.OriginY = float(centreY - at.Y);
    city.Context.ComputeStudMetrics();
    city.Model.Sort(view.Octant);
    city.Model.CurrentOctant = view.Octant;
    ASSERT_TRUE(
        DrawSceneFirstWriteWins(city.Model, frame, city.Context, TBackground{0xF0F0F0, nullptr}));
}

bool Written(TCoverMask& mask, int x, int y) {
    const size_t bit = size_t(y - mask.Top()) * size_t(mask.Pitch()) + size_t(x);
    return (mask.Words()[bit / 64] >> (bit % 64) & 1) != 0;
}

// The pixels of the last drawing, all inside the box, that lie outside the brick's outline.
int PixelsOutsideOutline(TCity& city, const TRect& box) {
    TCoverMask& mask = city.Context.Buffers.FirstWrite().Masks[0];
    const TSilhouetteView outlines(city.Context.View, StudRaise(city.Context));
    TBrickSilhouette silhouette;
    if (!silhouette.Set(city.Model.Items(0), outlines))
        return -1;
    int outside = 0;
    for (int y = box.Top; y <= box.Bottom; ++y) {
        const TColumns row = silhouette.Row(y, box.Left, box.Right);
        for (int x = box.Left; x <= box.Right; ++x)
            outside += Written(mask, x, y) && (x < row.Left || x > row.Right);
    }
    return outside;
}

// Only boxes inside the drawing's clip rectangle (column 0, row 0 and the bottom row left out)
// are asked about: lines clipped at its corners may stray.
bool InsideClip(const TRect& box) {
    return box.Left >= 1 && box.Top >= 1 && box.Right <= Width - 1 && box.Bottom <= Height - 2;
}

// The case's brick alone; the city's own studs and selection are set over.
TBrickVector BrickOf(const TBrickCase& b) {
    TBrickVector one;
    one.push_back(MakeBrick('B', b.X, b.Y, b.Z, b.SX, b.SY, b.SZ));
    return one;
}

void SetFlags(TCity& city, const TBrickCase& b) {
    TBlock& brick = city.Model.Items(0);
    brick.Studs = b.Studs;
    brick.Baseplate = b.Baseplate;
    brick.Selected = b.Selected;
}

// Uniform in [0, 1), the same on every platform.
double Uniform(std::mt19937_64& random) {
    return double(random() >> 11) * 0x1p-53;
}

} // namespace

TEST(BrickSilhouette, HoldsEveryPixelTheBrickWrites) {
    TShippedAppDir shipped;
    int checked = 0;
    for (const TBrickCase& b : Bricks) {
        TCity city(BrickOf(b), Width, Height);
        SetFlags(city, b);
        const TBlock& brick = city.Model.Items(0);
        TBitmap frame(Width, Height, TPixelFormat::pf32bit);
        for (TMode mode : Modes) {
            city.SetMode(mode);
            for (int tilt : {0, 15, 45, 70, 90, 100, 135, 170, 180})
                for (int azimuth : {0, 30, 45, 90, 135, 200, 270, 330})
                    for (float scale : Scales)
                        for (TPoint centre : Centres) {
                            DrawAlone(city, DegreesToAngle(tilt), DegreesToAngle(azimuth), scale,
                                      centre.X, centre.Y, frame);
                            TRect box;
                            ASSERT_TRUE(PlainBoxScreenBox(brick, city.Context, box));
                            if (!InsideClip(box))
                                continue;
                            ++checked;
                            ASSERT_EQ(PixelsOutsideOutline(city, box), 0)
                                << "brick " << &b - Bricks << " mode " << int(mode) << " tilt "
                                << tilt << " azimuth " << azimuth << " scale " << scale
                                << " centre " << centre.X << "," << centre.Y;
                        }
        }
    }
    EXPECT_GT(checked, 5000) << "most cases lie inside the bitmap";
}

// Views between the grid's: any tilt and turn, with edge-on ones and those from straight above
// and below often, scales from a twentieth of a pixel a unit up, origins with fractions (half
// pixels often, where rounding ties), studs shown and hidden, for bricks far out, thin, flat,
// tall and of odd sizes. The screen rectangle must hold every point the drawing records too,
// also where it reaches past the bitmap, or the frame could not be drawn front to back.
TEST(BrickSilhouette, AndScreenBoxHoldTheDrawingInManyMoreViews) {
    TShippedAppDir shipped;
    const TBrickCase bricks[] = {
        {0, 0, 0, 20, 20, 8, true, false, false},
        {0, 0, 0, 40, 80, 24, true, false, true},
        {20, -40, 16, 20, 20, 96, true, false, false},
        {0, 0, 0, 160, 160, 8, true, true, false},
        {60, 40, 0, -40, -20, 24, true, false, false},
        {-1013, -2417, -333, 60, 40, 1, true, false, false},
        {-77, 31, 5, 20, 60, 0, true, false, false},
        {5, 5, 5, 40, 40, -2, true, false, false},
        {7, -3, -1, 40, 20, 480, true, false, false},
        {3, 5, 9, 30, 50, 24, true, false, false},
        {100000, -90000, 4000, 80, 80, 24, true, false, false},
    };
    const double edgeOnTilts[] = {0, 0.3, 1, 89, 89.7, 90, 90.3, 91, 179, 179.7, 180};
    const double squareAzimuths[] = {0, 0.2, 45, 89.9, 90, 180, 270, 315};
    const double roundingScales[] = {0.05, 0.08, 0.1, 0.1001, 0.3, 1, 2.7};
    std::mt19937_64 random(17);
    const auto pick = [&](const auto& table) {
        return table[size_t(Uniform(random) * double(std::size(table)))];
    };
    const auto fraction = [&] {
        const double kind = Uniform(random);
        return kind < 0.5 ? Uniform(random) : kind < 0.75 ? 0.5 : 0.0;
    };
    constexpr double Degree = std::numbers::pi / 180;
    int checked = 0;
    for (const TBrickCase& b : bricks) {
        TCity city(BrickOf(b), Width, Height);
        SetFlags(city, b);
        const TBlock& brick = city.Model.Items(0);
        TBitmap frame(Width, Height, TPixelFormat::pf32bit),
            recordedOn(Width, Height, TPixelFormat::pf32bit);
        for (int n = 0; n < 3000; ++n) {
            const TMode mode = pick(Modes);
            city.SetMode(mode);
            if (mode != WireFrame)
                city.Context.StudsHidden = Uniform(random) < 0.2;
            const double tilt = Uniform(random) < 0.5 ? 180 * Uniform(random) : pick(edgeOnTilts);
            const double azimuth =
                Uniform(random) < 0.5 ? 360 * Uniform(random) : pick(squareAzimuths);
            const double scale = Uniform(random) < 0.3 ? pick(roundingScales)
                                                       : 0.03 * std::pow(200.0, Uniform(random));
            const double centreX = 20 + std::floor(Uniform(random) * (Width - 40)) + fraction();
            const double centreY = 20 + std::floor(Uniform(random) * (Height - 40)) + fraction();
            DrawAlone(city, float(tilt * Degree), float(azimuth * Degree), float(scale), centreX,
                      centreY, frame);
            TRect box;
            ASSERT_TRUE(PlainBoxScreenBox(brick, city.Context, box));
            const TRect drawn = RecordedDrawingBounds(brick, recordedOn, city.Context);
            const std::string at = "brick " + std::to_string(&b - bricks) + " mode " +
                                   std::to_string(int(mode)) + " tilt " + std::to_string(tilt) +
                                   " azimuth " + std::to_string(azimuth) + " scale " +
                                   std::to_string(scale) + " centre " + std::to_string(centreX) +
                                   "," + std::to_string(centreY);
            ASSERT_TRUE(drawn.Left > drawn.Right ||
                        (box.Left <= drawn.Left && box.Top <= drawn.Top &&
                         box.Right >= drawn.Right && box.Bottom >= drawn.Bottom))
                << at;
            if (!InsideClip(box))
                continue;
            ++checked;
            ASSERT_EQ(PixelsOutsideOutline(city, box), 0) << at;
        }
    }
    EXPECT_GT(checked, 25000) << "most cases lie inside the bitmap";
}

// The outline is worth asking only where it is tighter than the screen rectangle: within the
// rectangle, which the frame asks it about, it cuts off the corners. Bricks of other shapes and
// boxes of no size have none.
TEST(BrickSilhouette, CutsTheRectanglesCornersAndKnowsOnlyPlainBoxes) {
    TDrawContext context;
    SetView(context, 50, 30, 1.5f, 200, 150);
    TViewState& view = context.View;
    const auto brick = MakeBrick('B', 0, 0, 0, 40, 80, 24);
    TRect box;
    ASSERT_TRUE(PlainBoxScreenBox(*brick, context, box));
    const TSilhouetteView outlines(view, StudRaise(context));
    TBrickSilhouette silhouette;
    ASSERT_TRUE(silhouette.Set(*brick, outlines));
    long inside = 0;
    for (int y = box.Top; y <= box.Bottom; ++y) {
        const TColumns row = silhouette.Row(y, box.Left, box.Right);
        if (row.Left <= row.Right)
            inside += row.Right - row.Left + 1;
    }
    const long area = long(box.Right - box.Left + 1) * (box.Bottom - box.Top + 1);
    EXPECT_LT(inside, area * 8 / 10);
    EXPECT_GT(inside, area / 3);

    // Columns asked for beyond the outline's own give an empty row, not a reversed one.
    const TColumns beside =
        silhouette.Row((box.Top + box.Bottom) / 2, box.Right + 1, box.Right + 9);
    EXPECT_GT(beside.Left, beside.Right);

    EXPECT_FALSE(silhouette.Set(*MakeBrick('R', 0, 0, 0, 40, 40, 24), outlines));
    EXPECT_FALSE(silhouette.Set(*MakeBrick('B', 0, 0, 0, 0, 40, 24), outlines));
    view.ViewScale = std::numeric_limits<float>::infinity();
    EXPECT_FALSE(silhouette.Set(*brick, TSilhouetteView(view, {0, -3})));
}

// Seen along the base plane both ground axes run level, one after the other along the top and
// the bottom of the outline: the rows there hold both edges whole, as every row of the upright
// rectangle the box then makes does.
TEST(BrickSilhouette, TakesLevelEdgesWhole) {
    TViewState view;
    view.RowX[0] = {0.5f, 0.75f, 0};
    view.RowY[0] = {0, 0, 1};
    view.ViewScale = 1;
    view.OriginX = 100;
    view.OriginY = 152; // the top, 8 up, in row 144
    const auto brick = MakeBrick('B', 0, 0, 0, 40, 20, 8);
    const TSilhouetteView outlines(view, {0, -3});
    TBrickSilhouette silhouette;
    ASSERT_TRUE(silhouette.Set(*brick, outlines));
    // From column 100 - 0.5 to 100 + 0.5 * 40 + 0.75 * 20 + 0.5, rows 144 - 3 - 1 to 152 + 1.
    for (int y : {140, 141, 146, 153}) {
        const TColumns row = silhouette.Row(y, 0, 300);
        EXPECT_EQ(row.Left, 99) << "row " << y;
        EXPECT_EQ(row.Right, 136) << "row " << y;
    }
    EXPECT_GT(silhouette.Row(139, 0, 300).Left, silhouette.Row(139, 0, 300).Right);
    EXPECT_GT(silhouette.Row(154, 0, 300).Left, silhouette.Row(154, 0, 300).Right);
}

// Seen from straight above the upright edges have no length; each side of the outline still
// turns at its outermost corner, the upper corners of both sides kept. The rotated square
// (100, 100), (130, 80), (150, 110), (120, 130), with no stud raise, widened by half a pixel
// sideways and one up and down.
TEST(BrickSilhouette, KeepsBothUpperCornersSeenFromStraightAbove) {
    TViewState view;
    view.RowX[0] = {0.75f, 0.5f, 0};
    view.RowY[0] = {0.5f, -0.75f, 0};
    view.ViewScale = 1;
    view.OriginX = view.OriginY = 100;
    const TSilhouetteView outlines(view, {0, 0});
    TBrickSilhouette silhouette;
    ASSERT_TRUE(silhouette.Set(*MakeBrick('B', 0, 0, 0, 40, 40, 24), outlines));
    struct TCase {
        int Y, Left, Right;
    };
    const TCase rows[] = {{78, 1, 0},      {79, 129, 131},  {80, 127, 132},  {85, 120, 135},
                          {95, 105, 142},  {100, 99, 145},  {105, 102, 148}, {111, 106, 151},
                          {115, 108, 145}, {125, 115, 130}, {131, 119, 121}, {132, 1, 0}};
    for (const TCase& c : rows) {
        TColumns row = silhouette.Row(c.Y, 0, 300);
        if (row.Left > row.Right)
            row = {1, 0};
        EXPECT_EQ(row.Left, c.Left) << "row " << c.Y;
        EXPECT_EQ(row.Right, c.Right) << "row " << c.Y;
    }
}
