#include "raster/Bitmap.h"
#include "raster/Canvas.h"
#include "raster/DrawObject.h"
#include "raster/FastDraw.h"

#include <array>
#include <cstring>
#include <gtest/gtest.h>

namespace {

// Fills the bitmap with background, then draws a transparent 3 x 3 block at (2..4, 2..4) in
// colour through a drawing target; returns the stored word of the block's centre pixel.
uint32_t BlendedCentre(TPixelFormat format, TColour background, TColour colour) {
    TBitmap bitmap(8, 8, format);
    bitmap.Canvas().Brush.Colour = background;
    bitmap.Canvas().FillRect({0, 0, 8, 8});
    TDrawObject target = TDrawObject::CreateFromBitmap(bitmap);
    target.Canvas().Brush.Colour = colour;
    target.Canvas().Pen.Colour = colour;
    target.Canvas().Brush.Style = TBrushStyle::bsDiagCross;
    target.Rectangle(2, 2, 4, 4);
    uint32_t word = 0;
    std::memcpy(&word, bitmap.ScanLine(3) + 3 * BytesPerPixel(format),
                std::size_t(BytesPerPixel(format)));
    return word;
}

} // namespace

// Each channel halved, rounding down, so a colour blended with itself loses its lowest bit; 15
// and 16 bits use their own masks: white over black is 15 per channel, or 15, 31, 15.
TEST(Blend, HalvesEachChannelInEveryFormat) {
    EXPECT_EQ(
        (std::array{BlendedCentre(TPixelFormat::pf32bit, 0, RGB(255, 101, 3)),
                    BlendedCentre(TPixelFormat::pf24bit, 0, RGB(255, 101, 3)),
                    BlendedCentre(TPixelFormat::pf32bit, RGB(255, 101, 3), RGB(255, 101, 3)),
                    BlendedCentre(TPixelFormat::pf32bit, RGB(10, 20, 30), RGB(200, 100, 51)),
                    BlendedCentre(TPixelFormat::pf15bit, 0, RGB(255, 255, 255)),
                    BlendedCentre(TPixelFormat::pf16bit, 0, RGB(255, 255, 255))}),
        (std::array{ToPixel32(RGB(127, 50, 1)), ToPixel32(RGB(127, 50, 1)),
                    ToPixel32(RGB(254, 100, 2)), ToPixel32(RGB(105, 60, 40)), 0x3DEFu, 0x7BEFu}));
}

TEST(Blend, PixelConversionsOfEveryFormat) {
    EXPECT_EQ(ToPixel32(RGB(1, 2, 3)), 0x010203u);
    EXPECT_EQ(ToPixel555(RGB(8, 4, 16)), 0x0402);
    EXPECT_EQ(ToPixel565(RGB(8, 4, 16)), 0x0822);
    EXPECT_EQ(FromPixel555(0x7FFF), RGB(255, 255, 255));
    EXPECT_EQ(FromPixel555(uint16_t(16 << 10)), RGB(132, 0, 0));
    EXPECT_EQ(FromPixel565(uint16_t(32 << 5)), RGB(0, 130, 0));
    // The light theme's system colours, and what no system element has.
    const std::pair<TColour, TColour> system[] = {{clScrollBar, RGB(200, 200, 200)},
                                                  {clBackground, 0},
                                                  {0xFF000002, RGB(153, 180, 209)},
                                                  {0xFF000003, RGB(191, 205, 219)},
                                                  {0xFF000004, RGB(240, 240, 240)},
                                                  {clBtnFace, RGB(240, 240, 240)},
                                                  {clHighlight, RGB(0, 120, 215)},
                                                  {0xFF0000FF, 0},
                                                  {0x12345678, 0x345678}};
    for (auto [colour, rgb] : system)
        EXPECT_EQ(ColourToRGB(colour), rgb) << std::hex << colour;
}

TEST(Blend, WritersFollowTheLastPolygon) {
    TBitmap bitmap(8, 8);
    TFastDraw32 surface(bitmap);
    TCanvas& canvas = bitmap.Canvas();
    canvas.Pen.Colour = RGB(200, 200, 200);
    surface.DrawLine({1, 1}, {6, 1});
    EXPECT_EQ(bitmap.Pixel(3, 1), RGB(200, 200, 200));

    canvas.Brush.Style = TBrushStyle::bsDiagCross;
    const TPoint point[] = {{6, 6}};
    surface.Polygon(point, 0);
    EXPECT_EQ(bitmap.Pixel(6, 6), RGB(100, 100, 100));
    // The brush is solid again, but no polygon has said so: lines still blend.
    canvas.Brush.Style = TBrushStyle::bsSolid;
    surface.DrawLine({1, 1}, {6, 1});
    EXPECT_EQ(bitmap.Pixel(3, 1), RGB(200, 200, 200));
    surface.DrawLine({1, 2}, {6, 2});
    EXPECT_EQ(bitmap.Pixel(3, 2), RGB(100, 100, 100));

    surface.Polygon(point, 0);
    surface.DrawLine({1, 3}, {6, 3});
    EXPECT_EQ(bitmap.Pixel(3, 3), RGB(200, 200, 200));
}
