// The row-by-row outline of a plain box brick against what its drawing really writes: drawn
// alone front to back, the cover mask holds exactly its pixels, and every one must lie in the
// outline's columns of its row, for every octant, tilt, scale, size and drawing mode.

#include "render/BrickSilhouette.h"

#include "CityScene.h"
#include "render/BrickScreenBox.h"
#include "render/FirstWriteScene.h"
#include "render/Scene.h"
#include "support/Bricks.h"
#include "support/ShippedAppDir.h"

#include <gtest/gtest.h>
#include <limits>
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

// Draws the brick alone front to back with its centre at the given pixel.
void DrawAlone(TCity& city, int tilt, int azimuth, float scale, TPoint centre, TBitmap& frame) {
    TViewState& view = city.Context.View;
    view.TiltA = DegreesToAngle(tilt);
    view.AzimuthC = DegreesToAngle(azimuth);
    ComputeViewMatrix(view);
    view.ViewScale = scale;
    view.OriginX = view.OriginY = 0;
    const TBlock& brick = city.Model.Items(0);
    const TPoint at = ProjectPoint(view, brick.X + brick.SX / 2.0, brick.Y + brick.SY / 2.0,
                                   brick.Z + brick.SZ / 2.0);
    view.OriginX = float(centre.X - at.X);
    view.OriginY = float(centre.Y - at.Y);
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

} // namespace

// Only boxes inside the drawing's clip rectangle (column 0, row 0 and the bottom row left out)
// are asked about: lines clipped at its corners may stray.
TEST(BrickSilhouette, HoldsEveryPixelTheBrickWrites) {
    TShippedAppDir shipped;
    const TRect clip{1, 1, Width - 1, Height - 2};
    int checked = 0;
    for (const TBrickCase& b : Bricks) {
        TBrickVector one;
        one.push_back(MakeBrick('B', b.X, b.Y, b.Z, b.SX, b.SY, b.SZ));
        TCity city(std::move(one), Width, Height);
        TBlock& brick = city.Model.Items(0);
        brick.Studs = b.Studs;
        brick.Baseplate = b.Baseplate;
        brick.Selected = b.Selected;
        TBitmap frame(Width, Height, TPixelFormat::pf32bit);
        for (TMode mode : Modes) {
            city.SetMode(mode);
            for (int tilt : {15, 45, 70, 90, 100, 135, 170})
                for (int azimuth : {0, 30, 45, 90, 135, 200, 270, 330})
                    for (float scale : Scales)
                        for (TPoint centre : Centres) {
                            DrawAlone(city, tilt, azimuth, scale, centre, frame);
                            TRect box;
                            ASSERT_TRUE(PlainBoxScreenBox(brick, city.Context, box));
                            if (box.Left < clip.Left || box.Right > clip.Right ||
                                box.Top < clip.Top || box.Bottom > clip.Bottom)
                                continue;
                            TCoverMask& mask = city.Context.Buffers.FirstWrite().Masks[0];
                            const TSilhouetteView outlines(city.Context.View);
                            TBrickSilhouette silhouette;
                            ASSERT_TRUE(silhouette.Set(brick, outlines));
                            int outside = 0;
                            for (int y = box.Top; y <= box.Bottom; ++y) {
                                const TColumns row = silhouette.Row(y, box.Left, box.Right);
                                for (int x = box.Left; x <= box.Right; ++x)
                                    outside +=
                                        Written(mask, x, y) && (x < row.Left || x > row.Right);
                            }
                            ++checked;
                            ASSERT_EQ(outside, 0)
                                << "brick " << &b - Bricks << " mode " << int(mode) << " tilt "
                                << tilt << " azimuth " << azimuth << " scale " << scale
                                << " centre " << centre.X << "," << centre.Y;
                        }
        }
    }
    EXPECT_GT(checked, 4000) << "most cases lie inside the bitmap";
}

// The outline is worth asking only where it is tighter than the screen rectangle, which it must
// never leave; bricks of other shapes and boxes of no size have none.
TEST(BrickSilhouette, CutsTheRectanglesCornersAndKnowsOnlyPlainBoxes) {
    TDrawContext context;
    TViewState& view = context.View;
    view.TiltA = DegreesToAngle(50);
    view.AzimuthC = DegreesToAngle(30);
    ComputeViewMatrix(view);
    view.ViewScale = 1.5f;
    view.OriginX = 200;
    view.OriginY = 150;
    const auto brick = MakeBrick('B', 0, 0, 0, 40, 80, 24);
    TRect box;
    ASSERT_TRUE(PlainBoxScreenBox(*brick, context, box));
    const TSilhouetteView outlines(view);
    TBrickSilhouette silhouette;
    ASSERT_TRUE(silhouette.Set(*brick, outlines));
    long inside = 0;
    for (int y = box.Top - 5; y <= box.Bottom + 5; ++y) {
        const TColumns row = silhouette.Row(y, box.Left - 10, box.Right + 10);
        if (row.Left > row.Right)
            continue;
        ASSERT_GE(row.Left, box.Left) << "row " << y;
        ASSERT_LE(row.Right, box.Right) << "row " << y;
        ASSERT_TRUE(y >= box.Top && y <= box.Bottom) << "row " << y;
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
    EXPECT_FALSE(silhouette.Set(*brick, TSilhouetteView(view)));
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
    view.OriginY = 152; // the raised top, 11 up, in row 141, widened to row 139
    const auto brick = MakeBrick('B', 0, 0, 0, 40, 20, 8);
    const TSilhouetteView outlines(view);
    TBrickSilhouette silhouette;
    ASSERT_TRUE(silhouette.Set(*brick, outlines));
    // From column 100 - 2 to 100 + 0.5 * 40 + 0.75 * 20 + 2, rows 141 - 2 to 152 + 2.
    for (int y : {139, 140, 146, 153, 154}) {
        const TColumns row = silhouette.Row(y, 0, 300);
        EXPECT_EQ(row.Left, 98) << "row " << y;
        EXPECT_EQ(row.Right, 137) << "row " << y;
    }
    EXPECT_GT(silhouette.Row(138, 0, 300).Left, silhouette.Row(138, 0, 300).Right);
    EXPECT_GT(silhouette.Row(155, 0, 300).Left, silhouette.Row(155, 0, 300).Right);
}
