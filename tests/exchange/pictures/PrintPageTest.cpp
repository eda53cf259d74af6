#include "exchange/pictures/PrintPage.h"

#include "render/RenderTestSupport.h"
#include "model/BlockList.h"

#include <gtest/gtest.h>

namespace {

struct PrintPageTest : ::testing::Test {
    TDrawContext context;
    TBlockList model;

    void SetUp() override {
        SetView(context, 60, 35, 3.0f, 200, 150);
        for (int i = 0; i < 12; ++i)
            model.Add(MakeBrick('B', i * 20 - 120, (i % 4) * 30 - 60, (i % 3) * 24, 40, 20, 24,
                                0x1030F0 + i * 0x100A, true));
    }

    std::unique_ptr<TBitmap> Page(const TPrintPage& page) {
        auto whole = std::make_unique<TBitmap>(page.Width, page.Height);
        RenderPrintBand(model, context, page, 0, *whole);
        return whole;
    }
};

} // namespace

TEST_F(PrintPageTest, BandsGiveThePixelsOfOnePageBitmap) {
    // 1001 div 400: the model at twice the view's scale, over several bands; odd sizes make
    // the last band short.
    TPrintPage page = PrintPageFor(1001, 2601, 400, 7, -11);
    ASSERT_EQ(page.Factor, 2);
    ASSERT_EQ(page.Margin, 30);
    auto rendered = Page(page);
    const TBitmap& whole = *rendered;
    // Each band drawn afresh, or into one bitmap kept from band to band as printing does.
    for (bool keep : {false, true}) {
        int differences = 0, coloured = 0;
        TBitmap kept;
        for (int top = 0; top < page.Height; top += PrintBandHeight) {
            TBitmap band(page.Width, std::min(PrintBandHeight, page.Height - top));
            RenderPrintBand(model, context, page, top, band, keep ? &kept : nullptr);
            for (int y = 0; y < band.Height(); ++y)
                for (int x = 0; x < band.Width(); ++x) {
                    differences += band.Pixel(x, y) != whole.Pixel(x, top + y);
                    coloured += band.Pixel(x, y) != 0xFFFFFF && band.Pixel(x, y) != 0;
                }
        }
        EXPECT_EQ(differences, 0) << keep;
        EXPECT_GT(coloured, 10000) << keep;
    }
    EXPECT_EQ(context.View.ViewScale, 3.0f);
    EXPECT_EQ(context.View.OriginX, 200.0f);
}

TEST_F(PrintPageTest, TheMarginOutlineHasADoubleLeftMargin) {
    TPrintPage page = PrintPageFor(600, 800, 1000, 0, 0); // narrower than the view
    EXPECT_EQ(page.Factor, 0);
    auto rendered = Page(page);
    const TBitmap& whole = *rendered;
    // m = 18: outline from (36, 18) to (582, 782), right and bottom outside.
    EXPECT_EQ(whole.Pixel(36, 400), 0u);
    EXPECT_EQ(whole.Pixel(581, 400), 0u);
    EXPECT_EQ(whole.Pixel(300, 18), 0u);
    EXPECT_EQ(whole.Pixel(300, 781), 0u);
    EXPECT_EQ(whole.Pixel(35, 400), 0xFFFFFFu);
    // No bricks when the page cannot hold the view once: white inside the outline.
    for (int y = 19; y < 781; y += 7)
        for (int x = 37; x < 581; x += 7)
            ASSERT_EQ(whole.Pixel(x, y), 0xFFFFFFu) << x << "," << y;
}
