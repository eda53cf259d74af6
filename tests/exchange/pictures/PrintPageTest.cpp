#include "exchange/pictures/PrintPage.h"

#include "model/BlockList.h"
#include "render/RenderTestSupport.h"
#include "support/ReferenceFile.h"
#include "support/TempFolder.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

// Studded bricks and long thin ones at a slant, two of them see-through: their edges, wireframe
// lines and stud ellipses cross band edges at every angle.
struct PrintPageTest : ::testing::Test {
    TDrawContext Context;
    TBlockList Model;

    void SetUp() override {
        SetView(Context, 60, 35, 1.0f, 200, 150);
        for (int i = 0; i < 12; ++i)
            Model.Add(MakeBrick('B', i * 20 - 120, (i % 4) * 30 - 60, (i % 3) * 24, 40, 20, 24,
                                0x1030F0 + i * 0x100A, true));
        for (int i = 0; i < 8; ++i)
            Model.Add(MakeBrick('B', -150 + 13 * i, -90 + 29 * i, 24 * (i % 4), 20 + 37 * (i % 3),
                                160 - 11 * i, 8 + 8 * (i % 2), 0x20A040 + 0x3010 * i, true));
        Model.Items(3).Transparent = true;
        Model.Items(14).Transparent = true;
    }

    // The page drawn as one band of its own height.
    std::unique_ptr<TBitmap> Page(const TPrintPage& page) {
        auto whole = std::make_unique<TBitmap>(page.Width, page.Height);
        RenderPrintBand(Model, Context, page, 0, *whole);
        return whole;
    }
};

} // namespace

// The page at twice the view's scale in each drawing mode, drawn in bands of any height into
// one band bitmap kept from band to band, as printing does, or into fresh ones; and a page
// narrower than the view, which holds only the margin outline (its left margin double).
TEST_F(PrintPageTest, PagesInBandsOfAnyHeightMatchTheirReferences) {
    TPrintPage page = PrintPageFor(401, 521, 200, 7, -11);
    EXPECT_EQ((std::array{page.Factor, page.Margin}), (std::array{2, 12}));
    struct TMode {
        const char* Name;
        bool Wire;
        int Studs;
    };
    for (TMode mode : {TMode{"outline", false, StudOutline}, TMode{"wire", true, StudOutline},
                       TMode{"ellipse", false, StudEllipse}, TMode{"full", false, StudFull}}) {
        Context.Shading = !mode.Wire;
        Context.SetStudStyle(mode.Studs);
        Context.SetWireFrame(mode.Wire);
        auto whole = Page(page);
        EXPECT_TRUE(
            MatchesReferencePicture(*whole, std::string("exchange/print-") + mode.Name + ".png"));
        TBitmap kept;
        for (int height : {PrintBandHeight, 37, 1})
            for (int top = 0; top < page.Height; top += height) {
                TBitmap fresh(page.Width, std::min(height, page.Height - top));
                TBitmap& band = height == PrintBandHeight ? kept : fresh;
                band.SetSize(page.Width, std::min(height, page.Height - top));
                RenderPrintBand(Model, Context, page, top, band);
                ASSERT_EQ(std::memcmp(band.ScanLine(0), whole->ScanLine(top),
                                      std::size_t(band.Pitch()) * band.Height()),
                          0)
                    << mode.Name << ": bands of " << height << " rows, the one at " << top;
            }
        Context.SetWireFrame(false);
    }
    TPrintPage narrow = PrintPageFor(300, 400, 1000, 0, 0);
    EXPECT_EQ(narrow.Factor, 0);
    EXPECT_TRUE(MatchesReferencePicture(*Page(narrow), "exchange/print-narrow.png"));
    EXPECT_EQ(Context.View.ViewScale, 1.0f);
    EXPECT_EQ(Context.View.OriginX, 200.0f);
}

// The page's text goes on before the bricks: a text that blackens page rows 200 to 319 shows
// where no brick is and lies under the bricks that are there.
TEST_F(PrintPageTest, TheTextLiesUnderTheBricks) {
    TPrintPage page = PrintPageFor(401, 521, 200, 7, -11);
    auto plain = Page(page);
    TBitmap whole(page.Width, page.Height);
    RenderPrintBand(Model, Context, page, 0, whole, [](TBitmap& band, int top) {
        for (int y = 200 - top; y < 320 - top; ++y)
            for (int x = 0; x < band.Width(); ++x)
                band.SetPixel(x, y, 0);
    });
    int black = 0, bricks = 0;
    for (int y = 200; y < 320; ++y)
        for (int x = 0; x < page.Width; ++x) {
            black += whole.Pixel(x, y) == 0;
            bricks += whole.Pixel(x, y) == plain->Pixel(x, y) && plain->Pixel(x, y) != 0xFFFFFF;
        }
    EXPECT_GT(black, 1000);
    EXPECT_GT(bricks, 1000);
}
