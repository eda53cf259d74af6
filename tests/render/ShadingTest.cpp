#include "render/Shading.h"

#include "render/DrawContext.h"
#include "render/ScaleMemo.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

// The default light, none at all (the ambient level everywhere) and one straight along a side.
TEST(LightFactors, FollowTheLight) {
    TDrawContext context;
    const float expected[7] = {0.8f, 0.943f, 1.0f, 0.945f, 1.0f, 0.945f, 0.843f};
    for (int i = 0; i < 7; ++i)
        EXPECT_NEAR(context.LightFactor[i], expected[i], 0.0006) << "class " << i + 1;
    EXPECT_EQ(std::pair(context.LightFactor[0], context.LightFactor[2]), std::pair(0.8f, 1.0f));
    context.Light = {0, 0, 0};
    context.ComputeLightFactors();
    for (float f : context.LightFactor)
        EXPECT_EQ(f, 0.8f);
    context.Light = {0, 5, 0};
    context.ComputeLightFactors();
    EXPECT_EQ(std::pair(context.LightFactor[0], context.LightFactor[1]), std::pair(1.0f, 0.8f));
}

TEST(ScaleColour, RoundsRedToNearestAndTruncatesGreenAndBlue) {
    EXPECT_EQ(ScaleColour(0x010101, 0.6f), 0x000001);
    EXPECT_EQ(ScaleColour(0x000005, 0.5f), 0x000002); // 2.5 to even
    EXPECT_EQ(ScaleColour(0x000007, 0.5f), 0x000004); // 3.5 to even
    EXPECT_EQ(ScaleColour(0xFFFFFF, 1.0f), 0xFFFFFF);
    EXPECT_EQ(ScaleColour(0x808080, 0.6f), 0x4C4C4D); // RGB(77, 76, 76)
    EXPECT_EQ(ScaleColour(0xC8C8C8, 2.0f), 0x909090); // wraps instead of saturating
}

TEST(StudMetrics, FollowScaleAndTilt) {
    TDrawContext context;
    context.View.TiltA = DegreesToAngle(60);
    context.View.ViewScale = 2.5f;
    ComputeViewMatrix(context.View);
    context.ComputeStudMetrics();
    // Radii 12.5 to even and 6.2499..., their halves; up by 3 * 2.5 * sin 60 = 6.495 and 51.96.
    const TStudMetrics& s = context.Studs;
    EXPECT_EQ((std::array{s.StudRX, s.StudRY, s.HalfRX, s.HalfRY}), (std::array{12, 6, 6, 3}));
    EXPECT_EQ((std::array{s.StudUp, s.BrickUp}), (std::array{TPoint{0, -6}, TPoint{0, -52}}));
}

// Wireframe hides studs, detail and shading and puts them back; a detail entry ends it and
// leaves the studs as it set them.
TEST(WireFrame, HidesStudsDetailAndShadingUntilSwitchedOff) {
    TDrawContext context;
    context.Shading = true;
    context.DetailLevel = 2;
    context.SetWireFrame(true);
    EXPECT_EQ((std::array{context.StudsHidden, context.DetailLevel == 0, context.Shading}),
              (std::array{true, true, false}));
    context.SetWireFrame(false);
    EXPECT_EQ((std::array{context.StudsHidden, context.DetailLevel == 2, context.Shading}),
              (std::array{false, true, true}));
    context.ChooseStuds(3);
    EXPECT_TRUE(context.StudsHidden && context.GetStudStyle() == StudOutline);
    context.ChooseStuds(2);
    EXPECT_TRUE(!context.StudsHidden && context.GetStudStyle() == StudEllipse);
    context.SetWireFrame(true);
    context.ChooseDetail(1);
    EXPECT_TRUE(!context.WireFrame && context.DetailLevel == 1 && context.StudsHidden);
}

// Brick colours and edges in more pairs than either memo holds, under a light that changes now
// and then by a last bit, and at the start one face's factor at a time: every answer is the one
// ScaleColour gives for the light of the moment, the edge by its own fixed factor.
TEST(ScaleMemo, ShadesFollowTheCurrentLightFaceByFace) {
    const std::array<std::array<float, 3>, 7> lights = {{{1.0f, 0.8f, 0.6f},
                                                         {0.5f, 0.8f, 0.6f},
                                                         {0.5f, 0.9f, 0.6f},
                                                         {0.5f, 0.9f, 0.7f},
                                                         {0.8f, 0.9f, 1.0f},
                                                         {0.8f, 0.9f, std::nextafter(1.0f, 0.0f)},
                                                         {1.0f, 0.9f, 0.8f}}};
    std::mt19937 random(7);
    TScaleMemo memo;
    for (int round = 0; round < 20000; ++round) {
        const std::array<float, 3>& light =
            round < 4 ? lights[size_t(round)] : lights[4 + size_t(round / 500) % 3];
        const int32_t colour = round < 4 ? 0x4080C0 : int32_t(random() % 200) * 0x010203;
        const int32_t edge = round < 4 || random() % 2 == 0 ? 0x102030 : colour;
        const TScaleMemo::TShades& shades = memo.Shades(colour, edge, light);
        ASSERT_EQ(shades.Edge, ScaleColour(edge, 0.6f)) << round;
        for (size_t i = 0; i < 3; ++i)
            ASSERT_EQ(shades.Faces[i], ScaleColour(colour, light[i])) << round << " face " << i;
    }
}
