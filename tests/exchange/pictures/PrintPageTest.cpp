#include "exchange/pictures/PrintPage.h"

#include "model/BlockList.h"
#include "render/RenderTestSupport.h"
#include "render/Scene.h"

#include <cstring>
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

    // The page drawn the plain way into one bitmap of its size.
    std::unique_ptr<TBitmap> OneBitmap(const TPrintPage& page) {
        auto whole = std::make_unique<TBitmap>(page.Width, page.Height);
        TDrawObject target = TDrawObject::CreateFromBitmap(*whole);
        TDrawContext pageContext = context;
        target.Context = &pageContext;
        target.Canvas().Brush.Colour = 0xFFFFFF;
        target.FillRect({0, 0, page.Width, page.Height});
        target.Canvas().Pen.Colour = 0;
        target.Canvas().Rectangle(2 * page.Margin, page.Margin, page.Width - page.Margin,
                                  page.Height - page.Margin);
        TViewState& view = pageContext.View;
        view.ViewScale *= float(page.Factor);
        view.OriginX = float(RoundHalfEven(page.Width / 2.0) - page.Factor * page.OffsetX);
        view.OriginY = float(RoundHalfEven(page.Height / 2.0) - page.Factor * page.OffsetY);
        pageContext.ComputeStudMetrics();
        model.Sort(view.Octant);
        DrawAll(model, target, false);
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
    // One band bitmap kept from band to band, as printing does.
    int differences = 0, coloured = 0;
    TBitmap band;
    for (int top = 0; top < page.Height; top += PrintBandHeight) {
        band.SetSize(page.Width, std::min(PrintBandHeight, page.Height - top));
        RenderPrintBand(model, context, page, top, band);
        for (int y = 0; y < band.Height(); ++y)
            for (int x = 0; x < band.Width(); ++x) {
                differences += band.Pixel(x, y) != whole.Pixel(x, top + y);
                coloured += band.Pixel(x, y) != 0xFFFFFF && band.Pixel(x, y) != 0;
            }
    }
    EXPECT_EQ(differences, 0);
    EXPECT_GT(coloured, 10000);
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

TEST_F(PrintPageTest, BandsOfAnyHeightAreOnePageBitmapByteForByte) {
    // Long thin bricks at a slant: their edges, wireframe lines and stud ellipses cross many
    // band edges at every angle.
    for (int i = 0; i < 8; ++i)
        model.Add(MakeBrick('B', -150 + 13 * i, -90 + 29 * i, 24 * (i % 4), 20 + 37 * (i % 3),
                            160 - 11 * i, 8 + 8 * (i % 2), 0x20A040 + 0x3010 * i, true));
    model.Items(3).Transparent = true;
    model.Items(14).Transparent = true;
    TPrintPage page = PrintPageFor(1001, 1301, 400, 7, -11);
    struct TMode {
        bool Wire;
        int Studs;
    };
    for (TMode mode : {TMode{false, StudOutline}, TMode{true, StudOutline},
                       TMode{false, StudEllipse}, TMode{false, StudFull}}) {
        context.Shading = !mode.Wire;
        context.SetStudStyle(mode.Studs);
        context.SetWireFrame(mode.Wire);
        auto whole = OneBitmap(page);
        for (int height : {PrintBandHeight, 37, 1}) {
            for (int top = 0; top < page.Height; top += height) {
                TBitmap band(page.Width, std::min(height, page.Height - top));
                RenderPrintBand(model, context, page, top, band);
                ASSERT_EQ(std::memcmp(band.ScanLine(0), whole->ScanLine(top),
                                      std::size_t(band.Pitch()) * band.Height()),
                          0)
                    << "bands of " << height << " rows, the one at " << top << ", wireframe "
                    << mode.Wire << ", studs " << mode.Studs;
            }
        }
        context.SetWireFrame(false);
    }
}
