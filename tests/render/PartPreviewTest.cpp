// The part editor's preview: its angles and a brick drawn without disturbing the shared view.
#include "render/PartPreview.h"

#include "model/Block.h"
#include "raster/Bitmap.h"
#include "render/DrawContext.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace {
constexpr float Degree = float(std::numbers::pi / 180);
}

TEST(PartPreview, AnglesWrapClampAndFollowTheOctantPresets) {
    // Turns wrap, tilts and zooms stop at their ends.
    TPreviewAngles angles;
    angles.Turn = 5 * Degree, angles.Tilt = 175 * Degree, angles.Zoom = 0.3f;
    angles.TurnBy(-10), angles.TiltBy(10);
    for (int i = 0; i < 5; ++i)
        angles.ZoomBy(-1);
    EXPECT_EQ((std::array{angles.Turn, angles.Tilt, angles.Zoom}),
              (std::array{float(2 * std::numbers::pi), float(std::numbers::pi), MinPreviewZoom}));
    angles.Tilt = 5 * Degree;
    angles.TurnBy(10), angles.TiltBy(-10);
    EXPECT_EQ((std::array{angles.Turn, angles.Tilt}), (std::array{0.0f, 0.0f}));

    TDrawContext context;
    TBitmap bitmap(120, 100);
    std::unique_ptr<TBlock> brick = CreateBrickFromKey("B 2x4x3");
    // The presets look from 60 degrees above or below, between the axes.
    const int presetDegrees[8][2] = {{60, 30},  {60, 150},  {60, 210},  {60, 330},
                                     {120, 30}, {120, 150}, {120, 210}, {120, 330}};
    for (int octant = 0; octant < 8; ++octant) {
        angles.ShowOctant(octant);
        EXPECT_FLOAT_EQ(angles.Tilt, float(presetDegrees[octant][0]) * Degree) << octant;
        EXPECT_FLOAT_EQ(angles.Turn, float(presetDegrees[octant][1]) * Degree) << octant;
        EXPECT_EQ(DrawPartPreview(bitmap, context, *brick, angles, clBtnFace), octant);
    }
}

TEST(PartPreview, DrawsTheBrickCentredAndLeavesTheViewAlone) {
    TDrawContext context;
    context.View.ViewScale = 3.5f;
    context.View.OriginX = 17;
    ComputeViewMatrix(context.View);
    TStudMetrics studs = context.Studs;
    TBitmap bitmap(120, 100);
    std::unique_ptr<TBlock> brick = CreateBrickFromKey("B 1x1x1");
    brick->Colour = RGB(200, 0, 0);
    DrawPartPreview(bitmap, context, *brick, TPreviewAngles(), RGB(1, 2, 3));
    EXPECT_EQ(std::tuple(context.View.ViewScale, context.View.OriginX, context.Studs.StudRX,
                         bitmap.Pixel(0, 0)),
              std::tuple(3.5f, 17.0f, studs.StudRX, RGB(1, 2, 3)));
    EXPECT_NE(bitmap.Pixel(60, 50), RGB(1, 2, 3));
}
