#include "render/Scene.h"

#include "render/RenderTestSupport.h"
#include "model/BlockList.h"

#include <gtest/gtest.h>

namespace {

constexpr TColour Background = 0xF0F0F0;

// Top view, a quarter pixel per unit, origin (3, 2): x -> x/4 + 3, y -> y/4 + 2.
struct SceneTest : ::testing::Test {
    TDrawContext context;
    TBlockList model;
    TBackground background{Background, nullptr};

    void SetUp() override { SetView(context, 0, 0, 0.25f, 3, 2); }

    TBlock& Add(int x, int y, int z, int sx, int sy, int sz, int32_t colour) {
        return model.Add(MakeBrick('B', x, y, z, sx, sy, sz, colour));
    }
};

TEST_F(SceneTest, DrawAllHonoursBoundaryStepLimitAndForce) {
    Add(0, 0, 0, 20, 20, 24, 0x0000FF);
    Add(40, 0, 32, 20, 20, 24, 0x00FF00); // top at 56
    Add(0, 40, 0, 20, 20, 24, 0xFF0000).Step = 2;
    context.Boundary.ZHigh = 48;
    TTestCanvas canvas(40, 30, context, Background);
    DrawAll(model, canvas.Target, false);
    EXPECT_EQ(canvas.At(5, 4), 0x0000FFu);
    EXPECT_EQ(canvas.At(15, 4), Background); // above the cut
    EXPECT_EQ(canvas.At(5, 14), Background); // beyond the step limit

    TTestCanvas forced(40, 30, context, Background);
    DrawAll(model, forced.Target, true);
    EXPECT_EQ(forced.At(15, 4), 0x00FF00u);
    EXPECT_EQ(forced.At(5, 14), Background); // the step limit still applies
}

TEST_F(SceneTest, BoundaryShownTestsEveryAxisAndHiddenOnlyZ) {
    auto brick = MakeBrick('B', -30, 0, 24, 40, 20, 24, 0);
    TCuttingBox box;
    box.ZHigh = 48;
    EXPECT_TRUE(InsideCut(box, *brick));
    box.XLow = -20;
    EXPECT_TRUE(InsideCut(box, *brick)); // window hidden: X is not tested
    box.Shown = true;
    EXPECT_FALSE(InsideCut(box, *brick)); // partly outside is outside
    brick->Z = 32;
    box = {};
    box.ZHigh = 48;
    EXPECT_FALSE(InsideCut(box, *brick));
}

TEST_F(SceneTest, BrickAtFindsTheFrontmostInsideTheBoundary) {
    Add(0, 0, 0, 40, 40, 24, 0x0000FF);
    Add(0, 0, 24, 40, 40, 24, 0x00FF00).Step = 9;
    EXPECT_EQ(BrickAt(model, context, 5, 5), 1); // the step limit does not hide it
    context.Boundary.ZHigh = 30;
    EXPECT_EQ(BrickAt(model, context, 5, 5), 0);
    EXPECT_EQ(BrickAt(model, context, 30, 5), -1);
}

TEST_F(SceneTest, FrameSortsForANewOctantAndFillsTheBackground) {
    Add(0, 0, 24, 20, 20, 24, 0x0000FF);
    Add(0, 0, 0, 20, 20, 24, 0x00FF00);
    model.SortedOctant = -2;
    TBitmap view(40, 30);
    DrawScene(model, view, context, background);
    EXPECT_EQ(model.SortedOctant, 0);
    EXPECT_EQ(model.Items(0).Z, 0); // the lower brick is drawn first from above
    EXPECT_EQ(view.Pixel(5, 4), 0x0000FFu);
    EXPECT_EQ(view.Pixel(0, 0), Background);
    EXPECT_EQ(view.Pixel(39, 29), Background);
    EXPECT_EQ(context.Studs.StudRX, 1);
}

TEST_F(SceneTest, AntiAliasedFrameAveragesADoubleSizeRender) {
    Add(0, 0, 0, 38, 22, 24, 0x2060A0);
    Add(38, 22, 0, 20, 20, 24, 0xF0C010).Transparent = true;
    TBitmap large(80, 60), view(40, 30);
    RenderToBitmap(model, large, {0, 0}, 2, context, background);
    TViewState before = context.View;
    PaintFrame(model, view, context, background, true);
    EXPECT_EQ(context.View.ViewScale, before.ViewScale);
    EXPECT_EQ(context.View.OriginX, before.OriginX);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            TColour s[4] = {large.Pixel(2 * x, 2 * y), large.Pixel(2 * x + 1, 2 * y),
                            large.Pixel(2 * x, 2 * y + 1), large.Pixel(2 * x + 1, 2 * y + 1)};
            int r = 0, g = 0, b = 0;
            for (TColour c : s)
                r += RedOf(c), g += GreenOf(c), b += BlueOf(c);
            ASSERT_EQ(view.Pixel(x, y), RGB(r / 4, g / 4, b / 4)) << x << "," << y;
        }
    EXPECT_EQ(view.Pixel(0, 0), Background); // the whole doubled bitmap has its background
}

TEST_F(SceneTest, AntiAliasingIntoANarrowFormatStaysInsideIt) {
    TBitmap view(40, 30, TPixelFormat::pf16bit);
    RenderAntiAliased(model, view, context, background);
    EXPECT_EQ(view.Pixel(20, 15), FromPixel565(ToPixel565(Background)));
}

TEST_F(SceneTest, RenderToBitmapScalesAndShiftsThenRestoresTheView) {
    Add(0, 0, 0, 40, 20, 24, 0x0000FF);
    context.ComputeStudMetrics();
    TStudMetrics studs = context.Studs;
    TBitmap picture(40, 30);
    RenderToBitmap(model, picture, {1, 1}, 2, context, background);
    // Scale 0.5, origin 2 * (3 - 1, 2 - 1) = (4, 2): the brick spans x 4..24, y 2..12.
    EXPECT_EQ(picture.Pixel(5, 3), 0x0000FFu);
    EXPECT_EQ(picture.Pixel(23, 11), 0x0000FFu);
    EXPECT_EQ(picture.Pixel(25, 5), Background);
    EXPECT_EQ(picture.Pixel(10, 13), Background);
    EXPECT_EQ(context.View.ViewScale, 0.25f);
    EXPECT_EQ(context.View.OriginX, 3.0f);
    EXPECT_EQ(context.Studs.StudRX, studs.StudRX);
}

TEST(SetBitDepth, MenuCodesChooseTheFormat) {
    TBitmap bitmap(4, 4);
    EXPECT_TRUE(SetBitDepth(bitmap, 2));
    EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pf16bit);
    EXPECT_TRUE(SetBitDepth(bitmap, 5));
    EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pfDevice);
    EXPECT_FALSE(SetBitDepth(bitmap, 0));
    EXPECT_FALSE(SetBitDepth(bitmap, 6));
    EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pfDevice);
}

} // namespace

TEST(MeanOfFour, TruncatesEachChannel) {
    EXPECT_EQ(MeanOfFour(RGB(255, 0, 8), RGB(255, 0, 8), RGB(255, 3, 8), RGB(254, 0, 9)),
              RGB(254, 0, 8));
}
