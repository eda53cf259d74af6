#include "exchange/pictures/Picture.h"

#include "render/RenderTestSupport.h"
#include "base/Error.h"
#include "model/BlockList.h"

#include <gtest/gtest.h>

namespace {

constexpr TColour Background = 0x102030;

struct PictureTest : ::testing::Test {
    TDrawContext context;
    TBlockList model;
    TBackground background{Background, nullptr};
    TBitmap view{40, 30};

    void SetUp() override {
        SetView(context, 0, 0, 0.25f, 3, 2);
        model.Add(MakeBrick('B', 0, 0, 0, 40, 20, 24, 0x0000FF));
        DrawScene(model, view, context, background);
    }
};

TEST_F(PictureTest, AsSeenCopiesTheFrameAndFillsWhatLiesOutsideTheView) {
    auto picture = MakePicture(0, {-5, -4, 35, 26}, view, model, context, background);
    ASSERT_EQ(picture->Width(), 40);
    ASSERT_EQ(picture->Height(), 30);
    EXPECT_EQ(picture->PixelFormat(), TPixelFormat::pf32bit);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            int vx = x - 5, vy = y - 4;
            bool inView = vx >= 0 && vy >= 0 && vx < 40 && vy < 30;
            ASSERT_EQ(picture->Pixel(x, y), inView ? view.Pixel(vx, vy) : Background);
        }
}

TEST_F(PictureTest, AsSeenConvertsANarrowView) {
    view.SetPixelFormat(TPixelFormat::pf15bit);
    DrawScene(model, view, context, background);
    auto picture = MakePicture(0, {0, 0, 40, 30}, view, model, context, background);
    // Five bits 00010 widen to 00010 000 | 000 = 0x10 and so on.
    EXPECT_EQ(picture->Pixel(0, 0), RGB(0x31, 0x21, 0x10));
    EXPECT_EQ(picture->Pixel(8, 5), RGB(0xFF, 0, 0));
}

TEST_F(PictureTest, LargerVariantsRenderTheFrameAgain) {
    auto picture = MakePicture(2, {1, 1, 21, 16}, view, model, context, background);
    ASSERT_EQ(picture->Width(), 40);
    ASSERT_EQ(picture->Height(), 30);
    EXPECT_EQ(picture->Pixel(5, 3), 0x0000FFu);
    EXPECT_EQ(picture->Pixel(25, 5), Background);
    auto huge = MakePicture(8, {0, 0, 10, 5}, view, model, context, background);
    EXPECT_EQ(huge->Width(), 80);
    EXPECT_EQ(huge->Height(), 40);
    auto triple = MakePicture(3, {0, 0, 10, 5}, view, model, context, background);
    EXPECT_EQ(triple->Width(), 30);
    EXPECT_EQ(context.View.ViewScale, 0.25f);
}

TEST_F(PictureTest, AntiAliasedFrameReachingOutsideGetsTheBackground) {
    auto picture = MakePicture(1, {30, 20, 50, 40}, view, model, context, background);
    ASSERT_EQ(picture->Width(), 20);
    EXPECT_EQ(picture->Pixel(0, 0), Background);
    EXPECT_EQ(picture->Pixel(15, 15), Background);
    auto far = MakePicture(1, {2000000000, -2100000000, 2000000010, -2099999990}, view, model,
                           context, background);
    EXPECT_EQ(far->Pixel(9, 9), Background);
    auto inside = MakePicture(1, {4, 3, 12, 7}, view, model, context, background);
    EXPECT_EQ(inside->Pixel(3, 2), 0x0000FFu);
}

TEST_F(PictureTest, UnknownVariantsAndEmptyFramesAreRefused) {
    EXPECT_THROW(MakePicture(-1, {0, 0, 10, 10}, view, model, context, background), TError);
    EXPECT_THROW(MakePicture(8, {0, 0, 1 << 29, 10}, view, model, context, background), TError);
    EXPECT_THROW(MakePicture(8, {0, 0, 100000, 100000}, view, model, context, background), TError);
    EXPECT_THROW(MakePicture(0, {10, 0, 10, 10}, view, model, context, background), TError);
    EXPECT_THROW(MakePicture(2, {0, 10, 10, 5}, view, model, context, background), TError);
}

} // namespace
