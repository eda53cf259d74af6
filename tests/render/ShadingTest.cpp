#include "render/Shading.h"

#include "render/DrawContext.h"

#include <array>
#include <gtest/gtest.h>

TEST(LightFactors, DefaultLightGivesTheKnownFactors) {
    TDrawContext context;
    const float expected[7] = {0.8f, 0.943f, 1.0f, 0.945f, 1.0f, 0.945f, 0.843f};
    for (int i = 0; i < 7; ++i)
        EXPECT_NEAR(context.LightFactor[i], expected[i], 0.0006) << "class " << i + 1;
    EXPECT_EQ(context.LightFactor[0], 0.8f);
    EXPECT_EQ(context.LightFactor[2], 1.0f);
}

TEST(LightFactors, NullLightGivesTheAmbientLevel) {
    TDrawContext context;
    context.Light = {0, 0, 0};
    context.ComputeLightFactors();
    for (float f : context.LightFactor)
        EXPECT_EQ(f, 0.8f);
    context.Light = {0, 5, 0};
    context.ComputeLightFactors();
    EXPECT_EQ(context.LightFactor[0], 1.0f);
    EXPECT_EQ(context.LightFactor[1], 0.8f);
}

TEST(ScaleColour, RoundsRedToNearestAndTruncatesGreenAndBlue) {
    EXPECT_EQ(ScaleColour(0x010101, 0.6f), 0x000001);
    EXPECT_EQ(ScaleColour(0x000005, 0.5f), 0x000002); // 2.5 to even
    EXPECT_EQ(ScaleColour(0x000007, 0.5f), 0x000004); // 3.5 to even
    EXPECT_EQ(ScaleColour(0xFFFFFF, 1.0f), 0xFFFFFF);
    EXPECT_EQ(ScaleColour(0x808080, 0.6f), 0x4C4C4D); // RGB(77, 76, 76)
    EXPECT_EQ(ScaleColour(0xC8C8C8, 2.0f), 0x909090); // wraps instead of saturating
}

TEST(EdgeColourOf, BlackAndBlueHaveTheirOwnEdges) {
    TDrawColours colours;
    EXPECT_EQ(colours.ColourBlack, 0x342A1B);
    EXPECT_EQ(colours.ColourRed, 0x1B28C4);
    EXPECT_EQ(EdgeColourOf(colours.ColourBlack, colours), 0x808080);
    EXPECT_EQ(EdgeColourOf(colours.ColourBlue, colours), 0xFFB21E);
    EXPECT_EQ(EdgeColourOf(0xFFFFFF, colours), 0x464646);
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

TEST(WireFrame, HidesStudsDetailAndShadingUntilSwitchedOff) {
    TDrawContext context;
    context.Shading = true;
    context.DetailLevel = 2;
    context.SetWireFrame(true);
    EXPECT_TRUE(context.StudsHidden);
    EXPECT_EQ(context.DetailLevel, 0);
    EXPECT_FALSE(context.Shading);
    context.SetWireFrame(false);
    EXPECT_FALSE(context.StudsHidden);
    EXPECT_EQ(context.DetailLevel, 2);
    EXPECT_TRUE(context.Shading);
}

TEST(DisplayMenus, StudAndDetailEntries) {
    TDrawContext context;
    context.ChooseStuds(3);
    EXPECT_TRUE(context.StudsHidden);
    EXPECT_EQ(context.GetStudStyle(), StudOutline);
    context.ChooseStuds(2);
    EXPECT_FALSE(context.StudsHidden);
    EXPECT_EQ(context.GetStudStyle(), StudEllipse);
    context.SetWireFrame(true);
    context.ChooseDetail(1);
    EXPECT_FALSE(context.WireFrame);
    EXPECT_EQ(context.DetailLevel, 1);
    EXPECT_TRUE(context.StudsHidden); // left as the wireframe set it
}
