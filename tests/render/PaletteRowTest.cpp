// Palette rows: frame and background, fitting and centring, text-free rows of bad keys, the
// height limit, and combination models drawn from their files.
#include "render/PaletteRow.h"

#include "base/FileNames.h"
#include "model/PaletteKey.h"
#include "raster/Bitmap.h"
#include "render/DrawContext.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {
constexpr TColour Face = RGB(240, 240, 240);
constexpr TColour Shadow = RGB(160, 160, 160);
constexpr TColour Red = RGB(200, 0, 0);

TPaletteRowStyle Style(int height = 50) {
    TPaletteRowStyle style;
    style.Width = 200;
    style.RowHeight = height;
    style.Face = Face;
    style.Shadow = Shadow;
    style.Colour = Red;
    return style;
}

// Counts pixels of a colour and the box that holds them.
struct TFound {
    int Count = 0, Left = 1 << 20, Right = -1, Top = 1 << 20, Bottom = -1;
};
TFound Find(const TBitmap& bitmap, TColour colour) {
    TFound found;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if (bitmap.Pixel(x, y) == colour) {
                ++found.Count;
                found.Left = std::min(found.Left, x), found.Right = std::max(found.Right, x);
                found.Top = std::min(found.Top, y), found.Bottom = std::max(found.Bottom, y);
            }
    return found;
}

// A brick face lit straight on keeps its colour, so shading is off for exact colours.
TDrawContext Context() {
    TDrawContext context;
    context.Shading = false;
    return context;
}

struct TAppDirScope {
    std::string Saved = AppDir();
    explicit TAppDirScope(const std::string& dir) { SetAppDir(dir); }
    ~TAppDirScope() { SetAppDir(Saved); }
};
} // namespace

TEST(PaletteRow, FrameBackgroundAndFittedCentredBrick) {
    TDrawContext context = Context();
    TViewState before = context.View;
    TBitmap bitmap;
    DrawPaletteRow(bitmap, context, "B10x2x3|3006", Style());
    ASSERT_EQ(bitmap.Width(), 200);
    ASSERT_EQ(bitmap.Height(), 50);
    EXPECT_EQ(bitmap.Pixel(0, 0), RGB(128, 128, 128));
    EXPECT_EQ(bitmap.Pixel(199, 49), RGB(128, 128, 128));
    EXPECT_EQ(bitmap.Pixel(198, 48), Face);
    TFound brick = Find(bitmap, Red);
    ASSERT_GT(brick.Count, 100);
    // A long brick is shrunk to fit: 1.2 row heights across, 0.8 up, centred on the row.
    EXPECT_LE(brick.Right - brick.Left, 62);
    EXPECT_LE(brick.Bottom - brick.Top, 42);
    EXPECT_NEAR((brick.Left + brick.Right) / 2, 100, 4);
    EXPECT_NEAR((brick.Top + brick.Bottom) / 2, 25, 4);
    EXPECT_EQ(context.View.ViewScale, before.ViewScale);
    EXPECT_EQ(context.View.OriginX, before.OriginX);
    EXPECT_EQ(context.DetailLevel, 0);
}

TEST(PaletteRow, SelectedRowTallRowAndKeysThatMakeNoBrick) {
    TDrawContext context = Context();
    TBitmap bitmap;
    TPaletteRowStyle style = Style(400);
    style.Selected = true;
    DrawPaletteRow(bitmap, context, "B2x2x3", style);
    EXPECT_EQ(bitmap.Height(), MaxPaletteRowHeight);
    EXPECT_EQ(bitmap.Pixel(1, 1), Shadow);
    for (const char* key : {"Bxx2|3001", "F2x2x3", "G nosuchfile.dat, part", "M nosuchmodel"}) {
        DrawPaletteRow(bitmap, context, key, Style());
        EXPECT_EQ(Find(bitmap, Red).Count, 0) << key;
        EXPECT_EQ(bitmap.Pixel(100, 25), Face) << key;
    }
}

TEST(PaletteRow, TransparentBrickBlendsWithTheRow) {
    TDrawContext context = Context();
    TBitmap bitmap;
    TPaletteRowStyle style = Style();
    style.Transparent = true;
    DrawPaletteRow(bitmap, context, "B2x2x3", style);
    EXPECT_EQ(Find(bitmap, Red).Count, 0);
    EXPECT_NE(bitmap.Pixel(100, 25), Face);
}

TEST(PaletteRow, CombinationInSubfolderTakesTheCurrentColourWithoutItsBaseplate) {
    TTempFolder folder;
    std::filesystem::create_directories(folder.Path / "Combos" / "Small");
    // A black brick, a blue one and a huge baseplate that would shrink everything if drawn.
    folder.Write("Combos/Small/Pair.lgo",
                 "= 60 30 10 0 0 1 1\r\n"
                 "B 0 0 0 40 40 24 0 1 0 0 0 0  0\r\n"
                 "B 40 0 0 40 40 24 16711680 1 0 0 0 0  0\r\n"
                 "B -800 -800 -8 1600 1600 8 8421504 1 1 0 0 0 3865 0\r\n");
    TAppDirScope scope(folder.Path.string() + "/");
    TDrawContext context = Context();
    TBitmap bitmap;
    std::string key = "M Combos\\Small\\Pair|PAIR-1";
    EXPECT_EQ(SubAssemblyFile(key), folder.File("Combos/Small/Pair.lgo"));
    DrawPaletteRow(bitmap, context, key, Style(60));
    TFound current = Find(bitmap, Red), blue = Find(bitmap, RGB(0, 0, 255));
    EXPECT_GT(current.Count, 50);
    EXPECT_GT(blue.Count, 50);
    EXPECT_EQ(Find(bitmap, RGB(128, 128, 128)).Count, 2 * 200 + 2 * 60 - 4);
    TPaletteRowStyle green = Style(60);
    green.Colour = RGB(0, 200, 0);
    DrawPaletteRow(bitmap, context, key, green);
    EXPECT_EQ(Find(bitmap, Red).Count, 0);
    EXPECT_EQ(Find(bitmap, RGB(0, 200, 0)).Count, current.Count);
}
